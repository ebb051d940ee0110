#include "InspectionGlyph.h"

#include "KeyedPicture.h"
#include "Resolution.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen::calculator {
namespace {

constexpr int kSize = 34;
constexpr QPointF kLensCentre{20.5, 12.5};
constexpr double kLensRadius = 8.0;
constexpr double kMagnification = 1.45;

// The instrument: a dark case with a readout window, two knobs and a green pilot light.
void drawInstrument(QPainter& painter) {
    const QRectF box(2.0, 13.0, 24.0, 18.0);
    QLinearGradient caseShade(box.topLeft(), box.bottomLeft());
    caseShade.setColorAt(0.0, QColor(0x5C, 0x62, 0x6A));
    caseShade.setColorAt(0.25, QColor(0x3A, 0x3F, 0x46));
    caseShade.setColorAt(1.0, QColor(0x1E, 0x21, 0x26));
    painter.setPen(QPen(QColor(0x10, 0x12, 0x16), 1.0));
    painter.setBrush(caseShade);
    painter.drawRoundedRect(box, 2.0, 2.0);

    painter.setPen(QPen(QColor(0x12, 0x14, 0x18), 0.8));
    painter.setBrush(QColor(0x24, 0x4A, 0x44));
    painter.drawRect(QRectF(9.5, 16.0, 13.0, 6.0));
    painter.setPen(QPen(QColor(0x7C, 0xE8, 0xC8), 0.9));
    painter.drawLine(QPointF(11.0, 20.2), QPointF(14.0, 17.8));
    painter.drawLine(QPointF(14.0, 17.8), QPointF(16.5, 19.6));
    painter.drawLine(QPointF(16.5, 19.6), QPointF(21.0, 17.4));

    for (const double x : {12.0, 19.0}) {
        QRadialGradient knob(QPointF(x - 0.8, 25.2), 2.8);
        knob.setColorAt(0.0, QColor(0xC8, 0xCC, 0xD2));
        knob.setColorAt(1.0, QColor(0x50, 0x54, 0x5A));
        painter.setPen(QPen(QColor(0x10, 0x12, 0x16), 0.7));
        painter.setBrush(knob);
        painter.drawEllipse(QPointF(x, 26.0), 2.2, 2.2);
    }

    const QPointF light{5.5, 17.0};
    QRadialGradient glow(light, 3.2);
    glow.setColorAt(0.0, QColor(0x70, 0xFF, 0x70, 0xC0));
    glow.setColorAt(1.0, QColor(0x30, 0xE0, 0x30, 0x00));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(light, 3.2, 3.2);
    QRadialGradient lamp(light - QPointF(0.5, 0.5), 1.6);
    lamp.setColorAt(0.0, QColor(0xE0, 0xFF, 0xD8));
    lamp.setColorAt(1.0, QColor(0x18, 0xC0, 0x28));
    painter.setBrush(lamp);
    painter.drawEllipse(light, 1.5, 1.5);
}

void drawHandle(QPainter& painter) {
    painter.save();
    painter.translate(kLensCentre);
    painter.rotate(45.0);
    QLinearGradient grip(0, -2.0, 0, 2.0);
    grip.setColorAt(0.0, QColor(0x6A, 0x4A, 0x30));
    grip.setColorAt(0.4, QColor(0x3C, 0x26, 0x14));
    grip.setColorAt(1.0, QColor(0x1C, 0x10, 0x06));
    painter.setPen(QPen(QColor(0x14, 0x0C, 0x04), 0.8));
    painter.setBrush(grip);
    painter.drawRoundedRect(QRectF(kLensRadius + 3.0, -2.0, 9.5, 4.0), 1.8, 1.8);
    QLinearGradient collar(0, -1.4, 0, 1.4);
    collar.setColorAt(0.0, QColor(0xE8, 0xEA, 0xEE));
    collar.setColorAt(1.0, QColor(0x70, 0x74, 0x7A));
    painter.setBrush(collar);
    painter.drawRect(QRectF(kLensRadius + 0.5, -1.4, 3.0, 2.8));
    painter.restore();
}

// The lens: the instrument seen enlarged through it, a faint blue tint, a glint, and a
// bright metal rim.
void drawLens(QPainter& painter) {
    QPainterPath glass;
    glass.addEllipse(kLensCentre, kLensRadius, kLensRadius);
    painter.save();
    painter.setClipPath(glass);
    painter.fillPath(glass, kButtonFace); // the button behind the glass, enlarged too
    painter.translate(kLensCentre);
    painter.scale(kMagnification, kMagnification);
    painter.translate(-kLensCentre);
    drawInstrument(painter);
    painter.restore();

    QRadialGradient tint(kLensCentre - QPointF(3, 3), kLensRadius * 1.6);
    tint.setColorAt(0.0, QColor(0xDC, 0xF0, 0xFF, 0x50));
    tint.setColorAt(1.0, QColor(0x60, 0x98, 0xD8, 0x70));
    painter.fillPath(glass, tint);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 0xD0), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(kLensCentre - QPointF(5.2, 5.2), QSizeF(10.4, 10.4)), 105 * 16, 55 * 16);

    QLinearGradient rim(kLensCentre - QPointF(kLensRadius, kLensRadius),
                        kLensCentre + QPointF(kLensRadius, kLensRadius));
    rim.setColorAt(0.0, QColor(0xF4, 0xF6, 0xF8));
    rim.setColorAt(0.5, QColor(0x9C, 0xA2, 0xAA));
    rim.setColorAt(1.0, QColor(0x4C, 0x50, 0x58));
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(kLensCentre, kLensRadius + 1.6, kLensRadius + 1.6);
    ring.addEllipse(kLensCentre, kLensRadius, kLensRadius);
    painter.fillPath(ring, rim);
    painter.setPen(QPen(QColor(0x28, 0x2C, 0x32), 0.7));
    painter.drawEllipse(kLensCentre, kLensRadius + 1.6, kLensRadius + 1.6);
    painter.drawEllipse(kLensCentre, kLensRadius, kLensRadius);
}

} // namespace

QImage inspectionGlyph(int scale) {
    QImage content = transparentCanvas({kSize, kSize}, scale);
    QPainter painter(&content);
    painter.setRenderHint(QPainter::Antialiasing);
    drawInstrument(painter);
    drawHandle(painter);
    drawLens(painter);
    painter.end();
    return keyedOver(content, kButtonFace, qRgb(0xFF, 0xFF, 0xFF),
                     QStringLiteral("inspection glyph"));
}

} // namespace assetgen::calculator
