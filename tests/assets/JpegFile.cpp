#include "JpegFile.h"

#include "ByteFields.h"

namespace {

constexpr int kStartOfImage = 0xD8;
constexpr int kEndOfImage = 0xD9;
constexpr int kStartOfScan = 0xDA;

// SOF0-SOF15 share C0-CF with DHT (C4), JPG (C8) and DAC (CC).
bool isFrameHeader(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

JpegReading failed(const QString& problem) {
    return {{}, problem};
}

} // namespace

JpegReading readJpegFrame(const QByteArray& bytes) {
    if (bytes.size() < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != kStartOfImage) {
        return failed(QStringLiteral("no SOI marker"));
    }
    if (byteAt(bytes, bytes.size() - 2) != 0xFF || byteAt(bytes, bytes.size() - 1) != kEndOfImage) {
        return failed(QStringLiteral("does not end in an EOI marker"));
    }
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (byteAt(bytes, at) != 0xFF) {
            return failed(QStringLiteral("no marker at offset %1").arg(at));
        }
        const int marker = byteAt(bytes, at + 1);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker == kStartOfScan) {
            return failed(QStringLiteral("a scan before any frame header"));
        }
        const qsizetype length = bigEndian16(bytes, at + 2);
        if (length < 2 || at + 2 + length > bytes.size()) {
            return failed(QStringLiteral("segment FF%1 at offset %2 runs past the end")
                              .arg(QString::number(marker, 16).toUpper())
                              .arg(at));
        }
        if (isFrameHeader(marker)) {
            if (length < 8) {
                return failed(QStringLiteral("frame header of %1 bytes").arg(length));
            }
            return {{marker, byteAt(bytes, at + 4), bigEndian16(bytes, at + 7),
                     bigEndian16(bytes, at + 5), byteAt(bytes, at + 9)},
                    {}};
        }
        at += 2 + length;
    }
    return failed(QStringLiteral("no frame header"));
}
