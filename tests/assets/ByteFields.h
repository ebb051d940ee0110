// Fixed-width fields read from a file's bytes. Callers check the length first.
#pragma once

#include <QByteArray>
#include <cstdint>

inline std::uint8_t byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

inline std::uint16_t littleEndian16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint16_t>(byteAt(bytes, at) | byteAt(bytes, at + 1) << 8);
}

inline std::uint32_t littleEndian32(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint32_t>(littleEndian16(bytes, at)) |
           static_cast<std::uint32_t>(littleEndian16(bytes, at + 2)) << 16;
}

inline std::uint16_t bigEndian16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint16_t>(byteAt(bytes, at) << 8 | byteAt(bytes, at + 1));
}

inline std::uint32_t bigEndian32(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint32_t>(bigEndian16(bytes, at)) << 16 | bigEndian16(bytes, at + 2);
}
