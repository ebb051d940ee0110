// Conversions between numbers and the texts the user types and reads.
//
// Every window goes through these four functions, so that exactly the same texts are
// accepted, rejected and produced everywhere. Texts are UTF-8; only the space character
// (code 32) counts as a blank.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace numtext {

// All floating-point work is done in x87 80-bit extended precision.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::is_iec559 &&
                  std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384,
              "numtext needs long double to be the x87 80-bit extended type");

// A text that does not convert. message() is the text shown to the user, with the rejected
// text inserted whole and unchanged; what() is the same up to a NUL the input may carry.
struct ConversionError : std::runtime_error {
    explicit ConversionError(std::string message)
        : std::runtime_error(message), message_(std::move(message)) {}
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// Blanks, an optional sign, digits with an optional decimal separator and fraction, an
// optional exponent (E or e, optional sign, digits), blanks. A lone separator reads 0.
// Throws ConversionError "'<text>' is not a valid floating point value".
Extended textToFloat(std::string_view text, char32_t decimalSeparator);

// Blanks, then an optionally signed decimal number within the 32-bit range, or one of the
// prefixes $, x, X, 0x, 0X with at most 8 significant hexadecimal digits taken as the 32-bit
// pattern. Nothing may follow. Throws ConversionError "'<text>' is not a valid integer value".
std::int32_t textToInt(std::string_view text);

// The value in decimal, with a leading minus sign when negative.
std::string intToText(std::int32_t value);

// The value with `decimals` decimals (full stop as the decimal point, rounding half away from
// zero on its decimal expansion: the magnitude scaled by a power of ten to below 16 gives 18
// digits, 19 when it scaled to 10 or more), padded with blanks on the left to `width`
// characters and never cut. Magnitudes from 10^36 up are written in exponent form; NaN and
// infinities as Nan, +Inf and -Inf. Width is limited to 0..255 and decimals to 0..216, which
// keeps every text within 255 characters; arguments outside are brought to the nearest limit.
std::string floatToFixed(Extended value, int width, int decimals);

} // namespace numtext
