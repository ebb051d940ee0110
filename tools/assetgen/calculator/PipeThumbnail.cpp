#include "PipeThumbnail.h"

#include <QPainter>
#include <QPainterPath>

namespace assetgen::calculator {

QImage pipeThumbnail(double holeDiameter) {
    constexpr int kSize = 55;
    constexpr QPointF kCentre{kSize / 2.0, kSize / 2.0};
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::black);

    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(kCentre, kThumbnailOuterDiameter / 2, kThumbnailOuterDiameter / 2);
    ring.addEllipse(kCentre, holeDiameter / 2, holeDiameter / 2);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ring, Qt::white);
    painter.end();

    image.setPixel(kSize / 2, kSize / 2, qRgb(0x00, 0xFF, 0xFF));
    return image;
}

} // namespace assetgen::calculator
