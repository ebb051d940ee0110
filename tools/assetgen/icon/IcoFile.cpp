#include "IcoFile.h"

#include "LittleEndian.h"
#include "SmallestPng.h"

#include <QtEndian>

namespace assetgen::icon {
namespace {

void put8(QByteArray& out, quint8 v) {
    out.append(static_cast<char>(v));
}

// BITMAPINFOHEADER with the doubled height of colour plus mask, then both, bottom-up.
QByteArray bmpEntry(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskRowBytes = ((size + 31) / 32) * 4;
    const quint32 colourBytes = static_cast<quint32>(size * size * 4);
    const quint32 maskBytes = static_cast<quint32>(maskRowBytes * size);

    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<quint32>(size));
    put32(out, static_cast<quint32>(2 * size));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // BI_RGB
    put32(out, colourBytes + maskBytes);
    for (int i = 0; i < 4; ++i) {
        put32(out, 0); // resolution and palette fields, unused in icons
    }
    for (int y = size - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            put8(out, static_cast<quint8>(qBlue(line[x])));
            put8(out, static_cast<quint8>(qGreen(line[x])));
            put8(out, static_cast<quint8>(qRed(line[x])));
            put8(out, static_cast<quint8>(qAlpha(line[x])));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(line[x]) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray icoFile(const QList<QImage>& images, IconEntries kind) {
    QList<QByteArray> entries;
    for (const QImage& image : images) {
        Q_ASSERT(image.width() == image.height() && image.width() < 256);
        entries.append(kind == IconEntries::Bitmaps
                           ? bmpEntry(image)
                           : smallestPng(image.convertToFormat(QImage::Format_ARGB32), 0));
    }
    constexpr quint32 kDirectoryBytes = 6, kEntryBytes = 16;
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, static_cast<quint16>(images.size()));
    quint32 offset = kDirectoryBytes + kEntryBytes * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        put8(out, static_cast<quint8>(images[i].width()));
        put8(out, static_cast<quint8>(images[i].height()));
        put8(out, 0); // no palette
        put8(out, 0);
        put16(out, 1); // planes
        put16(out, 32);
        put32(out, static_cast<quint32>(entries[i].size()));
        put32(out, offset);
        offset += static_cast<quint32>(entries[i].size());
    }
    for (const QByteArray& entry : entries) {
        out.append(entry);
    }
    return out;
}

} // namespace assetgen::icon
