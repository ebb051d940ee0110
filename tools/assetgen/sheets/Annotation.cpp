#include "Annotation.h"

#include <cmath>

namespace assetgen::sheets {
namespace {

QPointF unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

// Filled arrowhead with its tip at `tip`, pointing along `direction` (sheet pixels).
void arrowhead(const Drafter& sheet, QPointF tip, QPointF direction, double length = 4.5,
               double halfWidth = 1.3) {
    const QPointF u = unit(direction);
    const QPointF n(-u.y(), u.x());
    const QPointF back = tip - u * length;
    sheet.fillPolygon({tip, back + n * halfWidth, back - n * halfWidth}, Qt::black);
}

// Reading angle of a line on the sheet, kept between -90 and 90 degrees so text is never upside
// down.
double readingAngle(QPointF u) {
    double angle = -qRadiansToDegrees(std::atan2(u.y(), u.x()));
    if (angle > 90.5) {
        angle -= 180;
    } else if (angle < -89.5) {
        angle += 180;
    }
    return angle;
}

} // namespace

void dimension(const Drafter& d, QPointF a, QPointF b, double offsetPx, const QString& text) {
    const Drafter sheet = d.sheet();
    const QPointF pa = d.map(a), pb = d.map(b);
    const QPointF u = unit(pb - pa);
    const QPointF n(u.y(), -u.x());
    const double side = offsetPx >= 0 ? 1 : -1;
    const QPointF da = pa + n * offsetPx, db = pb + n * offsetPx;
    sheet.line(pa + n * side * 1.5, da + n * side * 2, Stroke::Thin);
    sheet.line(pb + n * side * 1.5, db + n * side * 2, Stroke::Thin);
    const double length = std::hypot(pb.x() - pa.x(), pb.y() - pa.y());
    if (length >= 12) {
        sheet.line(da, db, Stroke::Thin);
        arrowhead(sheet, da, -u);
        arrowhead(sheet, db, u);
    } else {
        // Too short for arrows inside: they point in from outside.
        sheet.line(da - u * 7, db + u * 7, Stroke::Thin);
        arrowhead(sheet, da, u);
        arrowhead(sheet, db, -u);
    }
    const QString label =
        text.isEmpty() ? QString::number(std::lround(std::hypot(b.x() - a.x(), b.y() - a.y())))
                       : text;
    const double angle = readingAngle(u);
    // The text stands on the side of the dimension line that faces the reader.
    const QPointF up(-std::sin(qDegreesToRadians(angle)), -std::cos(qDegreesToRadians(angle)));
    sheet.text((da + db) / 2 + up * 1.2, label, kDimensionText, Qt::AlignHCenter | Qt::AlignBottom,
               angle);
}

void balloon(const Drafter& d, QPointF target, QPointF offsetPx, int item) {
    const Drafter sheet = d.sheet();
    const QPointF t = d.map(target);
    const QPointF c = t + offsetPx;
    constexpr double radius = 4.5;
    const QPointF u = unit(c - t);
    sheet.line(t, c - u * radius, Stroke::Thin);
    QPainterPath dot;
    dot.addEllipse(t, 0.9, 0.9);
    sheet.fill(dot, Qt::black);
    sheet.blank({c + QPointF(-radius, -radius), c + QPointF(radius, -radius),
                 c + QPointF(radius, radius), c + QPointF(-radius, radius)});
    sheet.circle(c, radius, Stroke::Thin);
    sheet.text(c + QPointF(0.3, 0), QString::number(item), {6},
               Qt::AlignHCenter | Qt::AlignVCenter);
}

void leader(const Drafter& d, QPointF target, QPointF offsetPx, const QString& text) {
    const Drafter sheet = d.sheet();
    const QPointF t = d.map(target);
    const QPointF elbow = t + offsetPx;
    const double direction = offsetPx.x() >= 0 ? 1 : -1;
    const QPointF shoulder = elbow + QPointF(direction * 4, 0);
    sheet.polyline({t, elbow, shoulder}, Stroke::Thin);
    arrowhead(sheet, t, t - elbow, 3.5, 1.1);
    sheet.text(shoulder + QPointF(direction, 0), text, kDimensionText,
               (direction > 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
}

void levelMark(const Drafter& d, QPointF at, const QString& value, bool textLeft) {
    const Drafter sheet = d.sheet();
    const QPointF p = d.map(at);
    sheet.fillPolygon({p, p + QPointF(-2.5, -4), p + QPointF(2.5, -4)}, Qt::black);
    const double direction = textLeft ? -1 : 1;
    sheet.line(p + QPointF(-3, 0), p + QPointF(direction * 24, 0), Stroke::Thin);
    sheet.text(p + QPointF(direction * 4, -1.5), value, kDimensionText,
               (textLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
}

void viewTitle(const Drafter& sheet, QPointF centre, const QString& name, const QString& scale) {
    const TextStyle style{7, true};
    const double width = sheet.textWidth(name, style);
    sheet.text(centre, name, style, Qt::AlignHCenter | Qt::AlignBottom);
    sheet.line(centre + QPointF(-width / 2, 2), centre + QPointF(width / 2, 2), Stroke::Visible);
    if (!scale.isEmpty()) {
        sheet.text(centre + QPointF(0, 9), scale, {6}, Qt::AlignHCenter | Qt::AlignBottom);
    }
}

void sectionCut(const Drafter& d, QPointF a, QPointF b, const QString& letter) {
    const Drafter sheet = d.sheet();
    const QPointF pa = d.map(a), pb = d.map(b);
    const QPointF u = unit(pb - pa);
    const QPointF n(u.y(), -u.x());
    sheet.line(pa, pb, Stroke::Centre);
    for (const auto& [end, inward] : {std::pair{pa, u}, std::pair{pb, -u}}) {
        sheet.line(end, end + inward * 6, Stroke::Heavy);
        sheet.line(end, end + n * 7, Stroke::Thin);
        arrowhead(sheet, end + n * 7, n, 4, 1.4);
        sheet.text(end + n * 9.5 - inward * 2.5, letter, {7, true},
                   Qt::AlignHCenter | Qt::AlignVCenter);
    }
}

void breakLine(const Drafter& d, QPointF a, QPointF b) {
    const Drafter sheet = d.sheet();
    const QPointF pa = d.map(a), pb = d.map(b);
    const QPointF u = unit(pb - pa);
    const QPointF n(-u.y(), u.x());
    const QPointF mid = (pa + pb) / 2;
    sheet.polyline({pa - u * 3, mid - u * 3, mid - u * 1.5 + n * 3.5, mid + u * 1.5 - n * 3.5,
                    mid + u * 3, pb + u * 3},
                   Stroke::Thin);
}

void centreCross(const Drafter& d, QPointF centre, double radius) {
    const double over = radius + 3 / std::max(1e-9, d.px(1));
    d.line(centre - QPointF(over, 0), centre + QPointF(over, 0), Stroke::Centre);
    d.line(centre - QPointF(0, over), centre + QPointF(0, over), Stroke::Centre);
}

} // namespace assetgen::sheets
