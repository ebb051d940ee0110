#include "PngFile.h"

#include "ByteFields.h"

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1A\n";
constexpr qsizetype kSignatureBytes = 8;
constexpr qsizetype kChunkOverhead = 12; // length, type and CRC
constexpr qsizetype kHeaderBytes = 13;

PngReading failed(const QString& problem) {
    return {{}, problem};
}

} // namespace

PngReading readPngHeader(const QByteArray& bytes) {
    if (!bytes.startsWith(QByteArray(kSignature, kSignatureBytes))) {
        return failed(QStringLiteral("no PNG signature"));
    }
    PngHeader header;
    bool imageData = false;
    qsizetype at = kSignatureBytes;
    while (at + kChunkOverhead <= bytes.size()) {
        const qsizetype length = bigEndian32(bytes, at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (length > bytes.size() - at - kChunkOverhead) {
            return failed(QStringLiteral("chunk %1 at offset %2 runs past the end")
                              .arg(QString::fromLatin1(type))
                              .arg(at));
        }
        const qsizetype data = at + 8;
        if (at == kSignatureBytes) {
            if (type != "IHDR" || length != kHeaderBytes) {
                return failed(QStringLiteral("first chunk %1 of %2 bytes, not IHDR")
                                  .arg(QString::fromLatin1(type))
                                  .arg(length));
            }
            header.width = static_cast<int>(bigEndian32(bytes, data));
            header.height = static_cast<int>(bigEndian32(bytes, data + 4));
            header.bitDepth = byteAt(bytes, data + 8);
            header.colourType = byteAt(bytes, data + 9);
            header.interlace = byteAt(bytes, data + 12);
        }
        header.palette = header.palette || type == "PLTE";
        header.transparency = header.transparency || type == "tRNS";
        imageData = imageData || type == "IDAT";
        at += kChunkOverhead + length;
        if (type == "IEND") {
            if (at != bytes.size()) {
                return failed(QStringLiteral("%1 bytes after IEND").arg(bytes.size() - at));
            }
            if (!imageData) {
                return failed(QStringLiteral("no IDAT chunk"));
            }
            return {header, {}};
        }
    }
    return failed(QStringLiteral("does not end in an IEND chunk"));
}
