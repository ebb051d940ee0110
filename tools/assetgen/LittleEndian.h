// Appending the little-endian fields of the bitmap and icon file formats.
#pragma once

#include <QByteArray>
#include <QtEndian>

namespace assetgen {

inline void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace assetgen
