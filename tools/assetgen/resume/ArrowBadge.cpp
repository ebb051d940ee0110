// The glyphs of the next and previous buttons: a glossy green disc with a white arrow, on the
// white key.
#include "KeyedArtwork.h"
#include "Resolution.h"
#include "ResumePictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen::resume {

QImage arrowBadge(Arrow arrow, int scale) {
    constexpr int kWidth = 38, kHeight = 39;
    QImage content = transparentCanvas({kWidth, kHeight}, scale);
    QPainter p(&content);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(19, 19);
    const double radius = 16.5;

    // A soft shadow below and to the right of the disc.
    QRadialGradient shadow(centre + QPointF(1.0, 1.5), radius + 1.5);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(1.0, 1.5), radius + 1.5, radius + 1.5);

    // The disc, lit from the top left, with a darker rim.
    QRadialGradient body(centre + QPointF(-5, -6), radius * 1.6);
    body.setColorAt(0.0, QColor(0x7e, 0xd8, 0x62));
    body.setColorAt(0.5, QColor(0x2f, 0xa0, 0x32));
    body.setColorAt(1.0, QColor(0x0e, 0x5a, 0x18));
    p.setBrush(body);
    p.setPen(QPen(QColor(0x0b, 0x46, 0x12), 1.2));
    p.drawEllipse(centre, radius, radius);

    // Gloss across the upper half.
    QLinearGradient gloss(0, centre.y() - radius, 0, centre.y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(centre.x() - radius * 0.72, centre.y() - radius * 0.92, radius * 1.44,
                         radius * 0.95));

    // The arrow, drawn pointing up and turned for the previous button.
    QPainterPath shape;
    shape.moveTo(0, -11);
    shape.lineTo(9.5, -0.5);
    shape.lineTo(3.8, -0.5);
    shape.lineTo(3.8, 10);
    shape.lineTo(-3.8, 10);
    shape.lineTo(-3.8, -0.5);
    shape.lineTo(-9.5, -0.5);
    shape.closeSubpath();
    QTransform place;
    place.translate(centre.x(), centre.y());
    if (arrow == Arrow::Down) {
        place.rotate(180);
    }
    const QPainterPath placed = place.map(shape);
    p.setBrush(QColor(0x0a, 0x3e, 0x10, 120));
    p.drawPath(placed.translated(0.8, 1.0));
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x1c, 0x6a, 0x22), 0.8));
    p.drawPath(placed);
    p.end();

    // The glyph shows on a light grey button face.
    const QImage face = opaqueCanvas({kWidth, kHeight}, scale, QColor(0xe4, 0xe2, 0xde));
    return keyedOver(content, face, {0, 0}, qRgb(255, 255, 255));
}

} // namespace assetgen::resume
