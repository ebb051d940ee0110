#include "BitmapFile.h"

#include "ByteFields.h"

namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

BitmapReading failed(const QString& problem) {
    return {{}, problem};
}

std::int32_t signed32(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

} // namespace

QString hexName(Rgb colour) {
    return QStringLiteral("%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

BitmapReading readBitmap(const QByteArray& bytes) {
    constexpr qsizetype kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;
    if (bytes.size() < kHeaderBytes) {
        return failed(QStringLiteral("%1 bytes, too short for the headers").arg(bytes.size()));
    }
    if (!bytes.startsWith("BM")) {
        return failed(QStringLiteral("no BM signature"));
    }
    if (littleEndian32(bytes, 2) != static_cast<std::uint32_t>(bytes.size())) {
        return failed(QStringLiteral("header gives %1 bytes, the file has %2")
                          .arg(littleEndian32(bytes, 2))
                          .arg(bytes.size()));
    }
    const std::uint32_t infoBytes = littleEndian32(bytes, 14);
    if (infoBytes != kInfoHeaderBytes) {
        return failed(
            QStringLiteral("info header of %1 bytes, not BITMAPINFOHEADER").arg(infoBytes));
    }
    const std::int32_t width = signed32(littleEndian32(bytes, 18));
    const std::int32_t storedHeight = signed32(littleEndian32(bytes, 22));
    const std::uint16_t planes = littleEndian16(bytes, 26);
    const std::uint16_t bitsPerPixel = littleEndian16(bytes, 28);
    const std::uint32_t compression = littleEndian32(bytes, 30);
    const std::uint32_t paletteColours = littleEndian32(bytes, 46);
    const std::uint32_t pixelOffset = littleEndian32(bytes, 10);
    if (width <= 0 || storedHeight == 0 || width > 65535 || storedHeight < -65535 ||
        storedHeight > 65535) {
        return failed(QStringLiteral("implausible size %1x%2").arg(width).arg(storedHeight));
    }
    if (planes != 1) {
        return failed(QStringLiteral("%1 planes").arg(planes));
    }
    if (bitsPerPixel != 24) {
        return failed(QStringLiteral("%1 bits per pixel, not 24").arg(bitsPerPixel));
    }
    if (compression != 0) {
        return failed(QStringLiteral("compression %1, not BI_RGB").arg(compression));
    }
    if (paletteColours != 0 || pixelOffset != kHeaderBytes) {
        return failed(QStringLiteral("a palette: %1 colours, pixels at offset %2")
                          .arg(paletteColours)
                          .arg(pixelOffset));
    }

    const bool bottomUp = storedHeight > 0;
    const int height = bottomUp ? storedHeight : -storedHeight;
    const qsizetype rowBytes = (qsizetype{width} * 3 + 3) & ~qsizetype{3};
    if (bytes.size() < kHeaderBytes + rowBytes * height) {
        return failed(QStringLiteral("%1 bytes, too short for %2 rows of %3 bytes")
                          .arg(bytes.size())
                          .arg(height)
                          .arg(rowBytes));
    }
    Bitmap bitmap{width, height, {}};
    bitmap.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int storedRow = bottomUp ? height - 1 - y : y;
        const qsizetype row = kHeaderBytes + rowBytes * storedRow;
        for (int x = 0; x < width; ++x) {
            const qsizetype at = row + qsizetype{x} * 3;
            bitmap.pixels.push_back(
                {byteAt(bytes, at + 2), byteAt(bytes, at + 1), byteAt(bytes, at)});
        }
    }
    return {bitmap, {}};
}
