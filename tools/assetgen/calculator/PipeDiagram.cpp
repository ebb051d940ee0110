#include "PipeDiagram.h"

#include "KeyedPicture.h"
#include "Resolution.h"
#include "SteelTexture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::calculator {
namespace {

constexpr int kWidth = 273;
constexpr int kHeight = 145;

// The pipe in window coordinates. The "L" label stands at (162, 295), 12 x 22, so the
// dimension line passes just under it, with the label over the middle of the pipe's length.
const double kRise = std::tan(9.5 * std::numbers::pi / 180.0);
const QPointF kAlong = QPointF(1.0, -kRise) / std::hypot(1.0, kRise);
const QPointF kAcross{-kAlong.y(), kAlong.x()}; // perpendicular, pointing down and right
constexpr QPointF kUnderLabel{168.0, 319.5};
constexpr double kLeftEndX = 86.5;
constexpr double kRightEndX = 262.5;
constexpr double kHalfHeight = 34.0; // of the open end's outer ellipse
constexpr double kHalfWidth = 14.0;
constexpr double kDimensionGap = 13.0; // from the dimension line down to the pipe's top

double dimensionY(double x) {
    return kUnderLabel.y() + (kUnderLabel.x() - x) * kRise;
}

const QPointF kLeftEnd{kLeftEndX, dimensionY(kLeftEndX) + kDimensionGap + kHalfHeight};
const QPointF kRightEnd{kRightEndX, kLeftEnd.y() - (kRightEndX - kLeftEndX) * kRise};

const QColor kOutline{0x2C, 0x2C, 0x2C};
const QColor kDimension{0xF0, 0x24, 0x24};
const QColor kCentreLine{0xFF, 0xFF, 0xFF};
const QColor kCentreLineInBore{0x00, 0xFF, 0xFF};

// The point of an upright ellipse whose tangent runs along the pipe, on the side `normal`.
QPointF silhouettePoint(QPointF centre, QPointF normal) {
    const double nx = normal.x() * kHalfWidth, ny = normal.y() * kHalfHeight;
    const double reach = std::hypot(nx, ny);
    return centre + QPointF(nx * kHalfWidth, ny * kHalfHeight) / reach;
}

QPainterPath pipeOutline() {
    QPainterPath side;
    side.moveTo(silhouettePoint(kLeftEnd, -kAcross));
    side.lineTo(silhouettePoint(kRightEnd, -kAcross));
    side.lineTo(silhouettePoint(kRightEnd, kAcross));
    side.lineTo(silhouettePoint(kLeftEnd, kAcross));
    side.closeSubpath();
    QPainterPath ends;
    ends.addEllipse(kLeftEnd, kHalfWidth, kHalfHeight);
    ends.addEllipse(kRightEnd, kHalfWidth, kHalfHeight);
    return side.united(ends).simplified();
}

// Lit from the upper left: a bright band high on the pipe, shade below and a little light
// thrown back onto the underside.
void drawBody(QPainter& painter) {
    const QPointF top = kLeftEnd - kAcross * kHalfHeight;
    const QPointF bottom = kLeftEnd + kAcross * kHalfHeight;
    QLinearGradient shading(top, bottom);
    shading.setColorAt(0.00, QColor(0x9A, 0x9C, 0xA0));
    shading.setColorAt(0.12, QColor(0xCC, 0xCE, 0xD2));
    shading.setColorAt(0.27, QColor(0xF6, 0xF7, 0xF8));
    shading.setColorAt(0.40, QColor(0xD6, 0xD8, 0xDB));
    shading.setColorAt(0.66, QColor(0xA2, 0xA4, 0xA8));
    shading.setColorAt(0.88, QColor(0x7C, 0x7E, 0x82));
    shading.setColorAt(1.00, QColor(0x90, 0x92, 0x96));
    const QPainterPath outline = pipeOutline();
    painter.fillPath(outline, shading);
    painter.strokePath(outline, QPen(kOutline, 1.0));
}

// The open end: the white cut face of the wall and, through the bore, the pipe's inside, its
// upper wall in shadow and the far lower wall catching light.
void drawOpenEnd(QPainter& painter, double boreRatio) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(kLeftEnd, kHalfWidth, kHalfHeight);

    const double boreWidth = kHalfWidth * boreRatio, boreHeight = kHalfHeight * boreRatio;
    QLinearGradient inside(kLeftEnd + QPointF(-boreWidth, -boreHeight),
                           kLeftEnd + QPointF(boreWidth, boreHeight));
    inside.setColorAt(0.0, QColor(0x3A, 0x3C, 0x40));
    inside.setColorAt(0.55, QColor(0x5A, 0x5C, 0x60));
    inside.setColorAt(1.0, QColor(0x9A, 0x9C, 0xA0));
    // No outline: it would eat the thin walls of the light schedules.
    painter.setPen(Qt::NoPen);
    painter.setBrush(inside);
    painter.drawEllipse(kLeftEnd, boreWidth, boreHeight);
}

QPainterPath bore(double boreRatio) {
    QPainterPath path;
    path.addEllipse(kLeftEnd, kHalfWidth * boreRatio, kHalfHeight * boreRatio);
    return path;
}

// A chain line along the axis, long dashes and dots, with a long dash centred on the open end
// so that the bore shows it.
void drawCentreLine(QPainter& painter, double boreRatio) {
    constexpr double kOverhang = 12.0;
    constexpr double kLongDash = 16.0, kGap = 3.0, kDot = 3.0;
    constexpr double kPeriod = kLongDash + kGap + kDot + kGap;
    const double start = -(kHalfWidth + kOverhang);
    const double end = (kRightEndX - kLeftEndX) / kAlong.x() + kHalfWidth + kOverhang;
    QPainterPath line;
    const auto addDash = [&](double from, double to) {
        from = std::max(from, start);
        to = std::min(to, end);
        if (from < to) {
            line.moveTo(kLeftEnd + kAlong * from);
            line.lineTo(kLeftEnd + kAlong * to);
        }
    };
    for (double t = -kLongDash / 2 - kPeriod * std::ceil(-start / kPeriod); t < end; t += kPeriod) {
        addDash(t, t + kLongDash);
        addDash(t + kLongDash + kGap, t + kLongDash + kGap + kDot);
    }
    painter.strokePath(line, QPen(kCentreLine, 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.save();
    painter.setClipPath(bore(boreRatio));
    painter.strokePath(line, QPen(kCentreLineInBore, 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.restore();
}

void drawArrowhead(QPainter& painter, QPointF tip, QPointF pointing) {
    constexpr double kLength = 8.0, kHalfSpread = 2.5;
    const QPointF base = tip - pointing * kLength;
    const QPointF side{-pointing.y() * kHalfSpread, pointing.x() * kHalfSpread};
    painter.drawPolygon(QPolygonF{{tip, base + side, base - side}});
}

// The length: extension lines standing up from the two ends and, between them, a dimension
// line parallel to the pipe.
void drawLengthDimension(QPainter& painter) {
    constexpr double kClearOfPipe = 3.0, kBeyondLine = 4.0;
    painter.setPen(QPen(kDimension, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (const QPointF end : {kLeftEnd, kRightEnd}) {
        const double top = end.y() - kHalfHeight;
        painter.drawLine(QPointF(end.x(), top - kClearOfPipe),
                         QPointF(end.x(), dimensionY(end.x()) - kBeyondLine));
    }
    const QPointF from{kLeftEndX, dimensionY(kLeftEndX)};
    const QPointF to{kRightEndX, dimensionY(kRightEndX)};
    painter.drawLine(from, to);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDimension);
    drawArrowhead(painter, from, -kAlong);
    drawArrowhead(painter, to, kAlong);
}

} // namespace

QImage pipeDiagram(double boreRatio, QPoint componentOnWindow, const QImage& steel, int scale) {
    QImage content = transparentCanvas({kWidth, kHeight}, scale);
    QPainter painter(&content);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-componentOnWindow);
    drawBody(painter);
    drawOpenEnd(painter, boreRatio);
    drawCentreLine(painter, boreRatio);
    drawLengthDimension(painter);
    painter.end();

    const QImage underneath = steel.copy(
        QRect((componentOnWindow - kSteelOnWindow) * scale, QSize(kWidth, kHeight) * scale));
    return keyedOver(content, underneath, qRgb(0, 0, 0), QStringLiteral("pipe diagram"));
}

} // namespace assetgen::calculator
