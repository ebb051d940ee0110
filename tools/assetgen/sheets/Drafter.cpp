#include "Drafter.h"

#include <QFontMetricsF>
#include <cmath>

namespace assetgen::sheets {
namespace {

struct StrokeLook {
    double width;
    QList<qreal> dashPx; // empty: continuous
};

StrokeLook look(Stroke stroke) {
    switch (stroke) {
    case Stroke::Heavy:
        return {1.5, {}};
    case Stroke::Visible:
        return {1.0, {}};
    case Stroke::Thin:
        return {0.6, {}};
    case Stroke::Hidden:
        return {0.8, {3, 2}};
    case Stroke::Centre:
        return {0.6, {9, 2, 1.5, 2}};
    case Stroke::Phantom:
        return {0.6, {9, 2, 1.5, 2, 1.5, 2}};
    }
    return {1.0, {}};
}

} // namespace

QFont sheetFont(TextStyle style) {
    QFont font(QString::fromLatin1(style.family));
    font.setPixelSize(static_cast<int>(std::lround(style.px)));
    font.setBold(style.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void arcTo(QPainterPath& path, QPointF centre, double radius, double fromDeg, double spanDeg) {
    // QPainterPath measures angles for a y-down page; model y points up, so they are negated.
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), -fromDeg,
               -spanDeg);
}

Drafter Drafter::view(QPointF origin, double pxPerUnit) const {
    Drafter result(*painter_);
    result.toSheet_ = QTransform(pxPerUnit, 0, 0, -pxPerUnit, 0, 0) *
                      QTransform::fromTranslate(origin.x(), origin.y()) * toSheet_;
    return result;
}

Drafter Drafter::rotated(double angleDeg) const {
    Drafter result(*this);
    // QTransform::rotate turns clockwise on a y-down page, which is counter-clockwise in y-up
    // model terms.
    result.toSheet_ = QTransform().rotate(angleDeg) * toSheet_;
    return result;
}

Drafter Drafter::shifted(QPointF modelPoint) const {
    Drafter result(*this);
    result.toSheet_ = QTransform::fromTranslate(modelPoint.x(), modelPoint.y()) * toSheet_;
    return result;
}

double Drafter::px(double modelLength) const {
    return modelLength * std::hypot(toSheet_.m11(), toSheet_.m12());
}

QPen Drafter::pen(Stroke stroke) const {
    const StrokeLook l = look(stroke);
    QPen pen(Qt::black, l.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!l.dashPx.isEmpty()) {
        QList<qreal> pattern;
        for (qreal d : l.dashPx) {
            pattern.append(d / l.width);
        }
        pen.setDashPattern(pattern);
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    return pen;
}

QPointF Drafter::snapped(QPointF p, Stroke stroke) const {
    // Odd widths sit on pixel centres, even ones on pixel edges.
    const bool odd = std::lround(std::max(1.0, look(stroke).width)) % 2 == 1;
    const double offset = odd ? 0.5 : 0.0;
    return {std::floor(p.x() - offset + 0.5) + offset, std::floor(p.y() - offset + 0.5) + offset};
}

void Drafter::strokeSheetPath(const QPainterPath& path, Stroke stroke) const {
    painter_->save();
    painter_->setPen(pen(stroke));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPath(path);
    painter_->restore();
}

void Drafter::line(QPointF a, QPointF b, Stroke stroke) const {
    polyline({a, b}, stroke);
}

void Drafter::polyline(const QList<QPointF>& points, Stroke stroke) const {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path(snapped(map(points.front()), stroke));
    for (qsizetype i = 1; i < points.size(); ++i) {
        path.lineTo(snapped(map(points[i]), stroke));
    }
    strokeSheetPath(path, stroke);
}

void Drafter::polygon(const QList<QPointF>& points, Stroke stroke) const {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path(snapped(map(points.front()), stroke));
    for (qsizetype i = 1; i < points.size(); ++i) {
        path.lineTo(snapped(map(points[i]), stroke));
    }
    path.closeSubpath();
    strokeSheetPath(path, stroke);
}

void Drafter::box(QPointF corner, QPointF opposite, Stroke stroke) const {
    polygon({corner, {opposite.x(), corner.y()}, opposite, {corner.x(), opposite.y()}}, stroke);
}

void Drafter::circle(QPointF centre, double radius, Stroke stroke) const {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    curve(path, stroke);
}

void Drafter::arc(QPointF centre, double radius, double fromDeg, double spanDeg,
                  Stroke stroke) const {
    const double a = qDegreesToRadians(fromDeg);
    QPainterPath path(centre + QPointF(radius * std::cos(a), radius * std::sin(a)));
    arcTo(path, centre, radius, fromDeg, spanDeg);
    curve(path, stroke);
}

void Drafter::curve(const QPainterPath& modelPath, Stroke stroke) const {
    strokeSheetPath(map(modelPath), stroke);
}

void Drafter::fill(const QPainterPath& modelPath, const QBrush& brush) const {
    painter_->save();
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(brush);
    painter_->drawPath(map(modelPath));
    painter_->restore();
}

void Drafter::fillPolygon(const QList<QPointF>& points, const QBrush& brush) const {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    fill(path, brush);
}

void Drafter::blank(const QList<QPointF>& points) const {
    fillPolygon(points, Qt::white);
}

void Drafter::text(QPointF at, const QString& text, TextStyle style, Qt::Alignment align,
                   double angleDeg) const {
    const QFont font = sheetFont(style);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double cap = metrics.capHeight();
    double dx = 0;
    if (align & Qt::AlignRight) {
        dx = -width;
    } else if (align & Qt::AlignHCenter) {
        dx = -width / 2;
    }
    double dy = 0;
    if (align & Qt::AlignTop) {
        dy = cap;
    } else if (align & Qt::AlignVCenter) {
        dy = cap / 2;
    }
    QPointF anchor = map(at);
    if (angleDeg == 0) {
        // Upright text on whole pixels keeps the small lettering sharp.
        anchor = QPointF(std::round(anchor.x() + dx), std::round(anchor.y() + dy));
        dx = dy = 0;
    }
    painter_->save();
    painter_->setFont(font);
    painter_->setPen(Qt::black);
    painter_->translate(anchor);
    painter_->rotate(-angleDeg);
    painter_->drawText(QPointF(dx, dy), text);
    painter_->restore();
}

double Drafter::textWidth(const QString& text, TextStyle style) const {
    return QFontMetricsF(sheetFont(style)).horizontalAdvance(text);
}

} // namespace assetgen::sheets
