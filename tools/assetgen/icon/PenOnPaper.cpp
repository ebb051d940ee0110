#include "PenOnPaper.h"

#include "SoftShadow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>
#include <vector>

namespace assetgen::icon {
namespace {

// The drawing is laid out on a 128-unit square and scaled to each size.
constexpr double kDesignSize = 128.0;

// The sheet in its own frame, top left at the origin; its lower right corner curls up.
constexpr double kSheetWidth = 70.0, kSheetHeight = 90.0, kCurl = 20.0;
constexpr QPointF kCurlStart{kSheetWidth, kSheetHeight - kCurl};
constexpr QPointF kCurlEnd{kSheetWidth - kCurl, kSheetHeight};
constexpr QPointF kCurlTip{kSheetWidth - 0.9 * kCurl, kSheetHeight - 0.9 * kCurl};

QTransform sheetPlacement() {
    QTransform placement;
    placement.translate(50.0, 70.0);
    placement.rotate(-10.0);
    placement.translate(-kSheetWidth / 2, -kSheetHeight / 2);
    return placement;
}

// Where the sheet bends up: a slight bow towards its middle.
void addFold(QPainterPath& path, QPointF from, QPointF to) {
    const QPointF bend = (from + to) / 2 - QPointF(2.0, 2.0);
    path.quadTo(bend, to);
}

QPainterPath sheetFace() {
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(kSheetWidth, 0);
    path.lineTo(kCurlStart);
    addFold(path, kCurlStart, kCurlEnd);
    // The lower edge sags a little towards the lifted corner.
    path.quadTo(QPointF(kSheetWidth / 2 - 10, kSheetHeight + 1.5), QPointF(0, kSheetHeight));
    path.closeSubpath();
    return path;
}

// The curled-up corner, its back showing.
QPainterPath curlFlap() {
    QPainterPath path;
    path.moveTo(kCurlStart);
    path.quadTo(QPointF(kSheetWidth - 0.45 * kCurl, kSheetHeight - 1.12 * kCurl), kCurlTip);
    path.quadTo(QPointF(kSheetWidth - 1.12 * kCurl, kSheetHeight - 0.45 * kCurl), kCurlEnd);
    QPainterPath fold;
    fold.moveTo(kCurlEnd);
    addFold(fold, kCurlEnd, kCurlStart);
    path.connectPath(fold);
    path.closeSubpath();
    return path;
}

// A row of loops, as a hand writes a line of "l"s: a prolate cycloid (the loops rise from the
// baseline, a little flatter than round), stopping partway up a loop where the nib rests.
constexpr double kStrokeBaseline = 60.0, kStrokeStart = 7.0;
constexpr double kLoopAdvance = 3.3, kLoopReach = 8.5, kLoopFlattening = 0.9;
constexpr double kLoopTurns = 2.3;

QPointF loopPoint(double t) {
    return {kStrokeStart + kLoopAdvance * t - kLoopReach * std::sin(t),
            kStrokeBaseline - kLoopReach * kLoopFlattening * (1.0 - std::cos(t))};
}

QPainterPath writtenStroke() {
    QPainterPath path;
    const double end = 2 * std::numbers::pi * kLoopTurns;
    constexpr int kSteps = 240;
    path.moveTo(loopPoint(0));
    for (int i = 1; i <= kSteps; ++i) {
        path.lineTo(loopPoint(end * i / kSteps));
    }
    return path;
}

QPointF strokeEnd() {
    return loopPoint(2 * std::numbers::pi * kLoopTurns);
}

// The pen in its own frame: nib point at the origin, the body along +x, -y facing the light.
struct PenPart {
    QPainterPath shape;
    QLinearGradient shading;
};

QLinearGradient acrossPen(double halfWidth,
                          std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient gradient(0, -halfWidth, 0, halfWidth);
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    return gradient;
}

QLinearGradient gold(double halfWidth) {
    return acrossPen(halfWidth, {{0.0, QColor(0xFF, 0xF0, 0xB0)},
                                 {0.35, QColor(0xF0, 0xC0, 0x48)},
                                 {1.0, QColor(0x90, 0x60, 0x10)}});
}

QLinearGradient blueLacquer(double halfWidth) {
    return acrossPen(halfWidth, {{0.0, QColor(0x3A, 0x6E, 0xE0)},
                                 {0.22, QColor(0xB8, 0xD0, 0xFF)},
                                 {0.38, QColor(0x30, 0x64, 0xD8)},
                                 {0.75, QColor(0x14, 0x38, 0x98)},
                                 {1.0, QColor(0x0A, 0x1C, 0x5C)}});
}

QPainterPath band(double from, double to, double halfWidth) {
    QPainterPath path;
    path.addRect(QRectF(from, -halfWidth, to - from, 2 * halfWidth));
    return path;
}

constexpr double kNibLength = 14.0, kBarrelHalf = 6.2, kCapHalf = 6.8, kPenLength = 72.0;
constexpr double kCapStart = 50.0;

std::vector<PenPart> penParts() {
    QPainterPath nib;
    nib.moveTo(0, 0);
    nib.cubicTo(4, -1.4, 10, -4.2, kNibLength + 1, -4.6);
    nib.lineTo(kNibLength + 1, 4.6);
    nib.cubicTo(10, 4.2, 4, 1.4, 0, 0);

    QPainterPath section;
    section.moveTo(kNibLength, -4.8);
    section.lineTo(24, -5.8);
    section.lineTo(24, 5.8);
    section.lineTo(kNibLength, 4.8);
    section.closeSubpath();

    QPainterPath cap;
    cap.addRoundedRect(QRectF(kCapStart, -kCapHalf, kPenLength - kCapStart, 2 * kCapHalf), kCapHalf,
                       kCapHalf);
    cap = cap.united(band(kCapStart, kCapStart + 8, kCapHalf));

    QPainterPath clip;
    clip.addRoundedRect(QRectF(kCapStart + 8.5, -5.4, 12.5, 2.8), 1.4, 1.4);

    return {
        {nib, gold(4.6)},
        {section, acrossPen(5.8, {{0.0, QColor(0x40, 0x44, 0x4E)},
                                  {0.25, QColor(0x9A, 0xA0, 0xAC)},
                                  {0.45, QColor(0x22, 0x25, 0x2C)},
                                  {1.0, QColor(0x08, 0x09, 0x0C)}})},
        {band(24, kCapStart, kBarrelHalf), blueLacquer(kBarrelHalf)},
        {band(24, 26.5, kBarrelHalf + 0.3), gold(kBarrelHalf)},
        {cap, blueLacquer(kCapHalf)},
        {band(kCapStart, kCapStart + 3, kCapHalf + 0.3), gold(kCapHalf)},
        {clip, gold(5.4)},
    };
}

QPainterPath penSilhouette() {
    QPainterPath all;
    for (const PenPart& part : penParts()) {
        all = all.united(part.shape);
    }
    return all;
}

QTransform penPlacement() {
    const QPointF nib = sheetPlacement().map(strokeEnd());
    QTransform placement;
    placement.translate(nib.x(), nib.y());
    placement.rotate(-58.0);
    return placement;
}

// The icon being drawn at one size, with its design-to-pixel scale.
class IconPainter {
public:
    explicit IconPainter(int size)
        : size_(size), image_(size, size, QImage::Format_ARGB32_Premultiplied),
          toDevice_(QTransform::fromScale(size / kDesignSize, size / kDesignSize)) {
        image_.fill(Qt::transparent);
    }

    QImage finish() { return image_.convertToFormat(QImage::Format_ARGB32); }

    // Design units that make `pixels` device pixels at this size.
    double units(double pixels) const { return pixels * kDesignSize / size_; }

    void shadow(const QPainterPath& shape, const QTransform& placement, QPointF offset, int alpha) {
        const QTransform shifted = placement * QTransform::fromTranslate(offset.x(), offset.y());
        const int radius = std::max(1, static_cast<int>(std::lround(size_ / 64.0)));
        const QImage blurred =
            softShadow(size_, shape, shifted * toDevice_, QColor(0, 0, 0, alpha), radius);
        QPainter painter(&image_);
        painter.drawImage(0, 0, blurred);
    }

    // Starts `painter` on the icon, drawing in the frame that `placement` puts on the design.
    void begin(QPainter& painter, const QTransform& placement) {
        painter.begin(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(placement * toDevice_);
    }

private:
    int size_;
    QImage image_;
    QTransform toDevice_;
};

void drawSheet(IconPainter& icon, double outline) {
    QPainter painter;
    icon.begin(painter, sheetPlacement());
    QLinearGradient paper(0, 0, kSheetWidth, kSheetHeight);
    paper.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    paper.setColorAt(0.7, QColor(0xF2, 0xF4, 0xF8));
    paper.setColorAt(1.0, QColor(0xD8, 0xDE, 0xE8));
    const QPainterPath face = sheetFace();
    painter.fillPath(face, paper);
    painter.strokePath(face, QPen(QColor(0x80, 0x88, 0x96), outline));

    // The flap's shadow falls on the sheet towards its middle.
    painter.save();
    painter.setClipPath(face);
    painter.translate(-1.8, -1.8);
    painter.fillPath(curlFlap(), QColor(0x40, 0x48, 0x58, 0x50));
    painter.restore();

    QLinearGradient back((kCurlStart + kCurlEnd) / 2, kCurlTip);
    back.setColorAt(0.0, QColor(0xC4, 0xCA, 0xD6));
    back.setColorAt(0.45, QColor(0xFF, 0xFF, 0xFF));
    back.setColorAt(1.0, QColor(0xCC, 0xD2, 0xDE));
    painter.fillPath(curlFlap(), back);
    painter.strokePath(curlFlap(), QPen(QColor(0x80, 0x88, 0x96), outline));
}

void drawStroke(IconPainter& icon) {
    QPainter painter;
    icon.begin(painter, sheetPlacement());
    const double width = std::max(icon.units(1.3), 2.6);
    painter.strokePath(writtenStroke(), QPen(QColor(0x5A, 0x36, 0xD8), width, Qt::SolidLine,
                                             Qt::RoundCap, Qt::RoundJoin));
}

void drawPen(IconPainter& icon, double outline) {
    QPainter painter;
    icon.begin(painter, penPlacement());
    const QPen edge(QColor(0x10, 0x18, 0x38, 0xE0), outline);
    for (const PenPart& part : penParts()) {
        painter.fillPath(part.shape, part.shading);
    }
    painter.strokePath(penSilhouette(), edge);

    // The nib's slit and breather hole.
    const double slit = std::max(icon.units(0.8), 0.8);
    painter.setPen(QPen(QColor(0x50, 0x34, 0x00), slit, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(0.6, 0), QPointF(9.0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x50, 0x34, 0x00));
    painter.drawEllipse(QPointF(9.6, 0), 1.3, 1.3);
}

} // namespace

QImage penOnPaper(int size) {
    IconPainter icon(size);
    const double outline = icon.units(size >= 96 ? 1.25 : 1.0);
    icon.shadow(sheetFace(), sheetPlacement(), {2.5, 3.5}, 0x70);
    drawSheet(icon, outline);
    drawStroke(icon);
    icon.shadow(penSilhouette(), penPlacement(), {2.0, 3.0}, 0x80);
    drawPen(icon, outline);
    return icon.finish();
}

} // namespace assetgen::icon
