// Every input either converts or raises the conversion error with the exact message; a crash,
// a sanitizer report or any other exception is a finding.
#include "numtext/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The first byte picks the decimal separator, so that the comma and a multi-byte separator
// are explored too.
char32_t separatorFor(std::uint8_t selector) {
    switch (selector % 3) {
    case 0:
        return U'.';
    case 1:
        return U',';
    default:
        return U'\u066B';
    }
}

template <typename Convert>
void requireConvertsOrRejects(Convert convert, std::string_view text, std::string_view kind) {
    try {
        convert();
    } catch (const numtext::ConversionError& error) {
        const std::string expected =
            "'" + std::string(text) + "' is not a valid " + std::string(kind) + " value";
        if (error.message() != expected) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char32_t separator = separatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    requireConvertsOrRejects(
        [&] {
            const numtext::Extended value = numtext::textToFloat(text, separator);
            if (std::isnan(value) || std::isinf(value)) {
                std::abort();
            }
            const std::string fixed = numtext::floatToFixed(value, data[0], data[0] % 217);
            if (fixed.size() > 255) {
                std::abort();
            }
        },
        text, "floating point");
    requireConvertsOrRejects(
        [&] {
            const std::int32_t value = numtext::textToInt(text);
            if (numtext::textToInt(numtext::intToText(value)) != value) {
                std::abort();
            }
        },
        text, "integer");
    return 0;
}
