#include "KeyedPicture.h"

#include "AssetOutput.h"

namespace assetgen::calculator {
namespace {

// Fainter coverage than this is indistinguishable from the backdrop and is left to the key.
constexpr int kMinAlpha = 16;

} // namespace

QImage keyedOver(const QImage& content, const QImage& backdrop, QRgb key, const QString& name) {
    const QImage in = content.convertToFormat(QImage::Format_ARGB32);
    const QImage under = backdrop.convertToFormat(QImage::Format_RGB32);
    QImage settled(in.size(), QImage::Format_ARGB32);
    for (int y = 0; y < in.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        const auto* back = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(settled.scanLine(y));
        for (int x = 0; x < in.width(); ++x) {
            const int a = qAlpha(src[x]);
            if (a < kMinAlpha) {
                dst[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto mix = [a](int c, int b) { return (c * a + b * (255 - a) + 127) / 255; };
            dst[x] = qRgb(mix(qRed(src[x]), qRed(back[x])), mix(qGreen(src[x]), qGreen(back[x])),
                          mix(qBlue(src[x]), qBlue(back[x])));
        }
    }
    const QImage result = composeOnKey(settled, key);
    requireKeyAtBottomLeft(result, key, name);
    return result;
}

QImage keyedOver(const QImage& content, QColor backdrop, QRgb key, const QString& name) {
    QImage under(content.size(), QImage::Format_RGB32);
    under.fill(backdrop);
    return keyedOver(content, under, key, name);
}

} // namespace assetgen::calculator
