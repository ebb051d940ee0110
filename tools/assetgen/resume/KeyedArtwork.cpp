#include "KeyedArtwork.h"

#include "AssetOutput.h"

namespace assetgen::resume {

QImage keyedOver(const QImage& content, const QImage& surroundings, QPoint offset, QRgb key) {
    QImage flat = content.convertToFormat(QImage::Format_ARGB32);
    const QImage under = surroundings.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0 || a == 255) {
                continue;
            }
            const QPoint at(std::clamp(x + offset.x(), 0, under.width() - 1),
                            std::clamp(y + offset.y(), 0, under.height() - 1));
            const QRgb back = under.pixel(at);
            const auto blend = [a](int c, int b) { return (c * a + b * (255 - a) + 127) / 255; };
            line[x] = qRgba(blend(qRed(line[x]), qRed(back)), blend(qGreen(line[x]), qGreen(back)),
                            blend(qBlue(line[x]), qBlue(back)), 255);
        }
    }
    return assetgen::composeOnKey(flat, key);
}

} // namespace assetgen::resume
