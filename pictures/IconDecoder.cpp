#include "pictures/IconDecoder.h"

#include "pictures/LittleEndianField.h"
#include "pictures/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <bit>
#include <cstring>
#include <vector>

namespace pictures {
namespace {

constexpr qsizetype kDirectoryBytes = 6;
constexpr qsizetype kEntryBytes = 16;
constexpr quint32 kInfoHeaderBytes = 40;
constexpr qint32 kLargestSide = 1024;

// One entry's 32-bit bitmap: a BITMAPINFOHEADER whose height counts the colour rows and the
// mask rows, then the colour rows bottom-up, blue, green, red and alpha; the mask is not
// needed where there is alpha. A null image when the entry is of another kind or damaged.
QImage decodeEntry(const QByteArray& data, quint32 offset, quint32 bytes) {
    if (offset > static_cast<quint64>(data.size()) ||
        bytes > static_cast<quint64>(data.size()) - offset || bytes < kInfoHeaderBytes) {
        return {};
    }
    const qsizetype at = offset;
    const auto width = littleEndianField<qint32>(data, at + 4);
    const auto height = littleEndianField<qint32>(data, at + 8) / 2;
    if (littleEndianField<quint32>(data, at) != kInfoHeaderBytes ||
        littleEndianField<quint16>(data, at + 14) != 32 ||
        littleEndianField<quint32>(data, at + 16) != 0 || width <= 0 || width > kLargestSide ||
        height <= 0 || height > kLargestSide ||
        kInfoHeaderBytes + static_cast<quint64>(width) * height * 4 > bytes) {
        return {};
    }
    // Blue, green, red, alpha in memory is Qt's ARGB32 only on a little-endian machine.
    static_assert(std::endian::native == std::endian::little,
                  "the icon's pixel rows are copied as they are into Qt's ARGB32");
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return image;
    }
    const char* pixels = data.constData() + at + kInfoHeaderBytes;
    for (int row = 0; row < height; ++row) {
        std::memcpy(image.scanLine(height - 1 - row), pixels + qsizetype(row) * width * 4,
                    static_cast<std::size_t>(width) * 4);
    }
    return image;
}

QIcon throughQtsReader(const QByteArray& data) {
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QIcon icon;
    for (bool more = true; more; more = reader.jumpToNextImage()) {
        const QImage image = reader.read();
        if (image.isNull()) {
            break;
        }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

QIcon decodeIcon(const QByteArray& data) {
    if (data.size() < kDirectoryBytes || littleEndianField<quint16>(data, 0) != 0 ||
        littleEndianField<quint16>(data, 2) != 1) {
        return {};
    }
    const int count = littleEndianField<quint16>(data, 4);
    if (count == 0 || kDirectoryBytes + kEntryBytes * count > data.size()) {
        return {};
    }
    std::vector<QImage> images;
    for (int entry = 0; entry < count; ++entry) {
        const qsizetype at = kDirectoryBytes + kEntryBytes * entry;
        QImage image = decodeEntry(data, littleEndianField<quint32>(data, at + 12),
                                   littleEndianField<quint32>(data, at + 8));
        if (image.isNull()) {
            return throughQtsReader(data);
        }
        images.push_back(std::move(image));
    }
    QIcon icon;
    for (QImage& image : images) {
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

QIcon readIcon(const QString& path) {
    return decodeIcon(readPictureFile(path));
}

} // namespace pictures
