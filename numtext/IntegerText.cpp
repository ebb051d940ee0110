#include "numtext/numtext.h"

#include <cstdint>

namespace numtext {
namespace {

[[noreturn]] void rejectInteger(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Length of a hexadecimal prefix at the start of rest: $, x, X, 0x or 0X; 0 when none.
std::size_t hexPrefixLength(std::string_view rest) {
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        return 1;
    }
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        return 2;
    }
    return 0;
}

// At most 8 significant hexadecimal digits, read as a 32-bit pattern ($FFFFFFFF is -1).
std::int32_t readHex(std::string_view digits, std::string_view text) {
    if (digits.empty()) {
        rejectInteger(text);
    }
    std::uint32_t pattern = 0;
    for (const char c : digits) {
        const int value = hexDigitValue(c);
        if (value < 0 || pattern > 0x0FFFFFFFu) {
            rejectInteger(text);
        }
        pattern = pattern << 4 | static_cast<std::uint32_t>(value);
    }
    return static_cast<std::int32_t>(pattern);
}

std::int32_t readDecimal(std::string_view number, std::string_view text) {
    const bool negative = number.starts_with('-');
    if (negative || number.starts_with('+')) {
        number.remove_prefix(1);
    }
    if (number.empty()) {
        rejectInteger(text);
    }
    // Each sign has its own limit, so -2147483648 is read but 2147483648 is not.
    const std::int64_t limit = negative ? INT64_C(2147483648) : INT64_C(2147483647);
    std::int64_t magnitude = 0;
    for (const char c : number) {
        if (c < '0' || c > '9') {
            rejectInteger(text);
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            rejectInteger(text);
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

std::int32_t textToInt(std::string_view text) {
    std::string_view rest = text;
    while (rest.starts_with(' ')) {
        rest.remove_prefix(1);
    }
    if (const std::size_t prefix = hexPrefixLength(rest); prefix > 0) {
        return readHex(rest.substr(prefix), text);
    }
    return readDecimal(rest, text);
}

std::string intToText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace numtext
