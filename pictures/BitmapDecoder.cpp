#include "pictures/BitmapDecoder.h"

#include <QtEndian>
#include <cstdlib>
#include <cstring>

namespace pictures {
namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr quint32 kInfoHeaderBytes = 40;
constexpr int kLargestSide = 8192;

template <typename T> T field(const QByteArray& data, qsizetype offset) {
    return qFromLittleEndian<T>(data.constData() + offset);
}

} // namespace

QImage decodeBitmap(const QByteArray& data) {
    if (data.size() < kFileHeaderBytes + kInfoHeaderBytes || !data.startsWith("BM")) {
        return QImage::fromData(data);
    }
    const auto pixelsAt = field<quint32>(data, 10);
    const auto headerBytes = field<quint32>(data, 14);
    const auto width = field<qint32>(data, 18);
    const auto height = field<qint32>(data, 22);
    const auto bitsPerPixel = field<quint16>(data, 28);
    const auto compression = field<quint32>(data, 30);
    if (headerBytes < kInfoHeaderBytes || bitsPerPixel != 24 || compression != 0 || width <= 0 ||
        height == 0 || width > kLargestSide || std::abs(height) > kLargestSide) {
        return QImage::fromData(data);
    }
    const int rows = std::abs(height);
    const qsizetype rowBytes = (static_cast<qsizetype>(width) * 3 + 3) & ~qsizetype(3);
    if (pixelsAt > static_cast<quint64>(data.size()) ||
        static_cast<qsizetype>(pixelsAt) + rowBytes * rows > data.size()) {
        return {};
    }
    // The file's blue-green-red order is Qt's BGR888, so rows copy as they are.
    QImage image(width, rows, QImage::Format_BGR888);
    if (image.isNull()) {
        return image;
    }
    const bool bottomUp = height > 0;
    for (int row = 0; row < rows; ++row) {
        const char* source = data.constData() + pixelsAt + rowBytes * row;
        std::memcpy(image.scanLine(bottomUp ? rows - 1 - row : row), source,
                    static_cast<std::size_t>(width) * 3);
    }
    return image;
}

} // namespace pictures
