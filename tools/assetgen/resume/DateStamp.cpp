#include "DateStamp.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace assetgen::resume {
namespace {

// Segments a-g of each digit, in the usual order: top, upper right, lower right, bottom,
// lower left, upper left, middle.
constexpr std::array<unsigned, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                     0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A segment from (x0, y0) to (x1, y1) in digit units (width 1, height 2), with pointed ends.
QPolygonF segment(double x0, double y0, double x1, double y1, double thickness) {
    const QPointF a(x0, y0), b(x1, y1);
    const QPointF dir = (b - a) / std::hypot(x1 - x0, y1 - y0);
    const QPointF normal(-dir.y(), dir.x());
    const double h = thickness / 2;
    const QPointF a2 = a + dir * h, b2 = b - dir * h;
    return QPolygonF({a, a2 + normal * h, b2 + normal * h, b, b2 - normal * h, a2 - normal * h});
}

QPainterPath glyph(QChar c, double thickness) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double g = thickness * 0.35; // gap between segment ends
    if (c == '/') {
        path.addPolygon(segment(0.15, 2 - g, 0.85, g, thickness));
        return path;
    }
    if (!c.isDigit()) {
        return path;
    }
    const unsigned bits = kDigitSegments[static_cast<std::size_t>(c.digitValue())];
    const double s[7][4] = {{g, 0, 1 - g, 0}, {1, g, 1, 1 - g},     {1, 1 + g, 1, 2 - g},
                            {g, 2, 1 - g, 2}, {0, 1 + g, 0, 2 - g}, {0, g, 0, 1 - g},
                            {g, 1, 1 - g, 1}};
    for (int i = 0; i < 7; ++i) {
        if (bits & (1U << i)) {
            path.addPolygon(segment(s[i][0], s[i][1], s[i][2], s[i][3], thickness));
        }
    }
    return path;
}

} // namespace

void stampDate(QImage& photo, const QString& text, double right, double bottom,
               double digitHeight) {
    const double unit = digitHeight / 2; // one digit unit in pixels
    constexpr double kPitch = 1.55;      // digit pitch in digit units
    constexpr double kOneShift = 0.55;   // a 1 lights only its right-hand segments: close up
    QPainterPath all;
    double cursor = 0;
    for (const QChar c : text) {
        const double shift = c == '1' ? kOneShift : 0;
        all.addPath(glyph(c, 0.28).translated(cursor - shift, 0));
        cursor += kPitch - shift;
    }
    const double width = cursor - (kPitch - 1);
    QTransform place;
    place.translate(right - unit * width, bottom - digitHeight);
    place.scale(unit, unit);
    place.shear(-0.12, 0); // the slight forward slant of the camera's digits

    const QPainterPath shape = place.map(all);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft reddish halo, as the bright digits bleed into the picture.
    p.setPen(
        QPen(QColor(255, 80, 20, 70), unit * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 40));
    p.drawPath(shape);
}

} // namespace assetgen::resume
