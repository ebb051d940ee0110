#include "PencilGlyph.h"

#include "KeyedPicture.h"
#include "Resolution.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace assetgen::calculator {
namespace {

constexpr int kSize = 32;
const QColor kInk{0x1E, 0x3A, 0x8C};
const QColor kPencilEdge{0x4A, 0x34, 0x10};
constexpr QPointF kScriptEnd{11.8, 14.2}; // on the pad

QTransform tiltedPad() {
    QTransform pad;
    pad.translate(2.5, 7.5);
    pad.rotate(-12.0);
    return pad;
}

// The pad in its own upright frame, 19 x 21 with the binding along the top; the caller tilts it.
void drawNotepad(QPainter& painter) {
    const QRectF page(0, 0, 19, 21);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB4, 0xB8, 0xC0));
    painter.drawRect(page.translated(1.2, 1.2)); // the sheets below, seen at the edge
    painter.setPen(QPen(QColor(0x70, 0x74, 0x7C), 0.8));
    painter.setBrush(QColor(0xFD, 0xFD, 0xF8));
    painter.drawRect(page);

    painter.setPen(QPen(QColor(0x9C, 0xBC, 0xE4), 0.8));
    for (double y = 8.5; y < page.bottom() - 1; y += 3.5) {
        painter.drawLine(QPointF(1.0, y), QPointF(page.right() - 1.0, y));
    }
    painter.setPen(QPen(QColor(0xE8, 0x84, 0x84), 0.8));
    painter.drawLine(QPointF(4.0, 4.5), QPointF(4.0, page.bottom() - 0.5));

    QLinearGradient binding(0, 0, 0, 4);
    binding.setColorAt(0, QColor(0x4C, 0x6C, 0xA8));
    binding.setColorAt(1, QColor(0x22, 0x38, 0x68));
    painter.setPen(QPen(QColor(0x18, 0x26, 0x48), 0.8));
    painter.setBrush(binding);
    painter.drawRect(QRectF(0, 0, 19, 3.5));
    painter.setPen(QPen(QColor(0xC8, 0xCC, 0xD4), 1.0));
    for (double x = 2.5; x < page.right(); x += 3.5) {
        painter.drawLine(QPointF(x, -1.2), QPointF(x, 1.8));
    }

    // The line written so far, on the third rule, ending where the pencil's point stands.
    QPainterPath script;
    script.moveTo(4.8, 15.4);
    script.cubicTo(5.6, 12.6, 6.6, 12.6, 6.8, 15.0);
    script.cubicTo(7.0, 16.6, 8.0, 13.4, 9.0, 13.4);
    script.cubicTo(9.8, 13.4, 9.4, 15.6, 10.4, 15.2);
    script.cubicTo(11.0, 15.0, 11.2, 13.8, kScriptEnd.x(), kScriptEnd.y());
    painter.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(script);
}

// The pencil in its own frame: point at the origin, body along +x, 5 across.
void drawPencil(QPainter& painter) {
    constexpr double kHalf = 2.5;
    constexpr double kCone = 4.6, kBody = 11.5, kFerrule = 2.2, kEraser = 2.4;
    const QPen edge(kPencilEdge, 0.7);

    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(kCone, -kHalf);
    wood.lineTo(kCone, kHalf);
    wood.closeSubpath();
    painter.setPen(edge);
    painter.setBrush(QColor(0xEC, 0xC8, 0x94));
    painter.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(1.8, -0.9);
    lead.lineTo(1.8, 0.9);
    lead.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x30, 0x34));
    painter.drawPath(lead);

    // Three faces of the hexagonal body: lit, plain and shaded.
    QLinearGradient faces(0, -kHalf, 0, kHalf);
    faces.setColorAt(0.00, QColor(0xFF, 0xE8, 0x7A));
    faces.setColorAt(0.32, QColor(0xFF, 0xE8, 0x7A));
    faces.setColorAt(0.34, QColor(0xF4, 0xC0, 0x1C));
    faces.setColorAt(0.66, QColor(0xF4, 0xC0, 0x1C));
    faces.setColorAt(0.68, QColor(0xC8, 0x8C, 0x0A));
    faces.setColorAt(1.00, QColor(0xC8, 0x8C, 0x0A));
    painter.setPen(edge);
    painter.setBrush(faces);
    painter.drawRect(QRectF(kCone, -kHalf, kBody, 2 * kHalf));

    QLinearGradient rubber(0, -kHalf, 0, kHalf);
    rubber.setColorAt(0.0, QColor(0xFF, 0xB4, 0xC0));
    rubber.setColorAt(1.0, QColor(0xC8, 0x5C, 0x6C));
    painter.setBrush(rubber);
    painter.drawRoundedRect(
        QRectF(kCone + kBody + kFerrule - 1.0, -kHalf, kEraser + 1.0, 2 * kHalf), 1.4, 1.4);
    // The ferrule last, over the eraser's end tucked into it.
    QLinearGradient metal(0, -kHalf, 0, kHalf);
    metal.setColorAt(0.0, QColor(0xF0, 0xF0, 0xF4));
    metal.setColorAt(1.0, QColor(0x80, 0x84, 0x8C));
    painter.setBrush(metal);
    painter.drawRect(QRectF(kCone + kBody, -kHalf, kFerrule, 2 * kHalf));
}

} // namespace

QImage pencilGlyph(int scale) {
    QImage content = transparentCanvas({kSize, kSize}, scale);
    QPainter painter(&content);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setTransform(tiltedPad());
    drawNotepad(painter);
    painter.resetTransform();
    painter.translate(tiltedPad().map(kScriptEnd));
    painter.rotate(-55.0);
    drawPencil(painter);
    painter.end();
    return keyedOver(content, kButtonFace, qRgb(0xFF, 0xFF, 0xFF), QStringLiteral("pencil glyph"));
}

} // namespace assetgen::calculator
