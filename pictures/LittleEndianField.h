// Fields of the little-endian file headers the picture decoders read.
#pragma once

#include <QByteArray>
#include <QtEndian>

namespace pictures {

// The field of type T at `offset`; the caller has checked that it lies within `data`.
template <typename T> T littleEndianField(const QByteArray& data, qsizetype offset) {
    return qFromLittleEndian<T>(data.constData() + offset);
}

} // namespace pictures
