#include "DecodedPixels.h"

#include <QImage>

BitmapReading readPixels(const QByteArray& bytes, AssetKind kind) {
    if (kind == AssetKind::Bitmap) {
        return readBitmap(bytes);
    }
    const char* format = kind == AssetKind::Png ? "PNG" : "JPEG";
    const QImage image = QImage::fromData(bytes, format).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        return {{}, QStringLiteral("does not decode as %1").arg(QLatin1String(format))};
    }
    Bitmap bitmap{image.width(), image.height(), {}};
    bitmap.pixels.reserve(static_cast<std::size_t>(image.width()) *
                          static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            bitmap.pixels.push_back({static_cast<std::uint8_t>(qRed(line[x])),
                                     static_cast<std::uint8_t>(qGreen(line[x])),
                                     static_cast<std::uint8_t>(qBlue(line[x]))});
        }
    }
    return {bitmap, {}};
}
