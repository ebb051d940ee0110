#include "IconFile.h"

#include "ByteFields.h"

namespace {

constexpr qsizetype kDirectoryBytes = 6;
constexpr qsizetype kEntryBytes = 16;
constexpr qsizetype kInfoHeaderBytes = 40;
constexpr qsizetype kPngHeaderBytes = 33; // signature and IHDR chunk

IconReading failed(const QString& problem) {
    return {{}, problem};
}

// A directory byte of 0 stands for 256 pixels.
int directorySize(std::uint8_t stored) {
    return stored == 0 ? 256 : stored;
}

// The image's own description: a PNG (8-bit RGBA is 32 bits per pixel) or a BITMAPINFOHEADER
// whose height covers the colour rows and the mask rows.
QString describeImage(const QByteArray& data, IconImage& image) {
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        if (data.size() < kPngHeaderBytes || data.mid(12, 4) != "IHDR") {
            return QStringLiteral("PNG image without IHDR");
        }
        const int bitDepth = byteAt(data, 24);
        const int colourType = byteAt(data, 25);
        image = {static_cast<int>(bigEndian32(data, 16)), static_cast<int>(bigEndian32(data, 20)),
                 colourType == 6 ? 4 * bitDepth : 0};
        return {};
    }
    if (data.size() < kInfoHeaderBytes || littleEndian32(data, 0) != kInfoHeaderBytes) {
        return QStringLiteral("image is neither PNG nor BITMAPINFOHEADER");
    }
    const auto doubledHeight = static_cast<int>(littleEndian32(data, 8));
    if (doubledHeight % 2 != 0) {
        return QStringLiteral("odd bitmap height %1, no room for the mask").arg(doubledHeight);
    }
    image = {static_cast<int>(littleEndian32(data, 4)), doubledHeight / 2,
             littleEndian16(data, 14)};
    return {};
}

} // namespace

IconReading readIcon(const QByteArray& bytes) {
    if (bytes.size() < kDirectoryBytes || littleEndian16(bytes, 0) != 0 ||
        littleEndian16(bytes, 2) != 1) {
        return failed(QStringLiteral("no icon directory"));
    }
    const int count = littleEndian16(bytes, 4);
    if (bytes.size() < kDirectoryBytes + kEntryBytes * count) {
        return failed(QStringLiteral("directory of %1 entries runs past the end").arg(count));
    }
    IconReading reading;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = kDirectoryBytes + kEntryBytes * i;
        const IconImage listed{directorySize(byteAt(bytes, entry)),
                               directorySize(byteAt(bytes, entry + 1)),
                               littleEndian16(bytes, entry + 6)};
        const qsizetype dataBytes = littleEndian32(bytes, entry + 8);
        const qsizetype offset = littleEndian32(bytes, entry + 12);
        if (offset < kDirectoryBytes + kEntryBytes * count || offset + dataBytes > bytes.size()) {
            return failed(QStringLiteral("entry %1 points outside the file").arg(i));
        }
        IconImage image;
        if (QString problem = describeImage(bytes.mid(offset, dataBytes), image);
            !problem.isEmpty()) {
            return failed(QStringLiteral("entry %1: %2").arg(i).arg(problem));
        }
        if (image.width != listed.width || image.height != listed.height ||
            image.bitsPerPixel != listed.bitsPerPixel) {
            return failed(
                QStringLiteral("entry %1 lists %2x%3 at %4 bits, its image is %5x%6 at %7")
                    .arg(i)
                    .arg(listed.width)
                    .arg(listed.height)
                    .arg(listed.bitsPerPixel)
                    .arg(image.width)
                    .arg(image.height)
                    .arg(image.bitsPerPixel));
        }
        reading.images.push_back(image);
    }
    return reading;
}
