#include "pictures/KeyColour.h"

namespace pictures {
namespace {

void dropKeyColour(QImage& picture) {
    const QRgb key = picture.pixel(0, picture.height() - 1) & RGB_MASK;
    // QImage's size getters are calls into Qt: asked once, not once a pixel.
    const int width = picture.width();
    const int height = picture.height();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
}

} // namespace

QImage withKeyColourDropped(QImage picture) {
    if (picture.isNull()) {
        return picture;
    }
    // Every pixel stays opaque or becomes fully transparent, so the opaque pixels of an RGB32
    // picture are already premultiplied ARGB: such a picture is keyed where it lies.
    if (picture.format() == QImage::Format_RGB32 &&
        picture.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied)) {
        dropKeyColour(picture);
        return picture;
    }
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    dropKeyColour(keyed);
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace pictures
