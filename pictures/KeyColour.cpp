#include "pictures/KeyColour.h"

namespace pictures {

QImage withKeyColourDropped(const QImage& picture) {
    if (picture.isNull()) {
        return picture;
    }
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace pictures
