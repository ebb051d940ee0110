#include "PipeThumbnail.h"

#include "Resolution.h"

#include <QPainter>
#include <QPainterPath>

namespace assetgen::calculator {

QImage pipeThumbnail(double holeDiameter, int scale) {
    constexpr int kSize = 55;
    constexpr QPointF kCentre{kSize / 2.0, kSize / 2.0};
    QImage image = opaqueCanvas({kSize, kSize}, scale, Qt::black);

    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(kCentre, kThumbnailOuterDiameter / 2, kThumbnailOuterDiameter / 2);
    ring.addEllipse(kCentre, holeDiameter / 2, holeDiameter / 2);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ring, Qt::white);
    painter.end();

    // The centre mark covers one logical pixel, unsmoothed.
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            image.setPixel(kSize / 2 * scale + dx, kSize / 2 * scale + dy, qRgb(0x00, 0xFF, 0xFF));
        }
    }
    return image;
}

} // namespace assetgen::calculator
