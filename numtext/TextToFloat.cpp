#include "numtext/PowersOfTen.h"
#include "numtext/Utf8.h"
#include "numtext/numtext.h"

#include <cmath>

namespace numtext {
namespace {

// The exponent stops taking digits once it reaches this; a further digit is a wrong
// character, which keeps the exponent far from integer overflow.
constexpr int kExponentDigitLimit = 500;

[[noreturn]] void rejectFloat(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

class FloatScanner {
public:
    FloatScanner(std::string_view text, std::string_view separator)
        : text_(text), separator_(separator) {}

    Extended scan() {
        skipBlanks();
        const bool negative = peek() == '-';
        if (peek() == '+' || peek() == '-') {
            ++pos_;
        }
        const std::size_t mantissaStart = pos_;
        long long decimalExponent = 0;
        accumulateDigits();
        if (text_.substr(pos_, separator_.size()) == separator_) {
            pos_ += separator_.size();
            decimalExponent -= accumulateDigits();
        }
        if (pos_ == mantissaStart) {
            rejectFloat(text_);
        }
        if (peek() == 'E' || peek() == 'e') {
            ++pos_;
            decimalExponent += scanExponent();
        }
        skipBlanks();
        if (pos_ != text_.size() || std::isinf(digits_)) {
            rejectFloat(text_);
        }
        const Extended magnitude = detail::scaleByPowerOfTen(digits_, decimalExponent);
        if (std::isinf(magnitude)) {
            rejectFloat(text_);
        }
        return negative ? -magnitude : magnitude;
    }

private:
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    // Each digit goes into the running value as value * 10 + digit, both steps rounded to
    // extended. Returns how many digits were taken.
    long long accumulateDigits() {
        long long count = 0;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            digits_ = digits_ * 10;
            digits_ = digits_ + (text_[pos_] - '0');
            ++pos_;
            ++count;
        }
        return count;
    }

    int scanExponent() {
        const bool negative = peek() == '-';
        if (peek() == '+' || peek() == '-') {
            ++pos_;
        }
        int exponent = 0;
        while (exponent < kExponentDigitLimit && pos_ < text_.size() && isDigit(text_[pos_])) {
            exponent = exponent * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        return negative ? -exponent : exponent;
    }

    std::string_view text_;
    std::string_view separator_;
    std::size_t pos_ = 0;
    Extended digits_ = 0;
};

} // namespace

Extended textToFloat(std::string_view text, char32_t decimalSeparator) {
    const std::string separator = detail::encodeUtf8(decimalSeparator);
    return FloatScanner(text, separator).scan();
}

} // namespace numtext
