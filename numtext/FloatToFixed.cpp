#include "numtext/PowersOfTen.h"
#include "numtext/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace numtext {
namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;
// Magnitudes from 10^36 up are written in exponent form.
constexpr int kSmallestExponentFormPower = 36;
// The largest power of ten in the extended range.
constexpr int kLargestPower = 4932;
// Scaling brings a magnitude below this.
constexpr Extended kScaledLimit = 16;
// The scaled magnitude times 10^17 gives its leading 18 decimal digits, 19 when it is 10 or
// more.
constexpr int kExpansionFractionDigits = 17;

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

// Adds one unit in the last place of a string of decimal digits; a carry out of the first
// digit adds a new leading 1.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Keeps the first `keep` digits, rounding half away from zero on the first digit dropped.
// Returns true when the carry added a digit in front.
bool roundToLength(std::string& digits, std::size_t keep) {
    if (digits.size() <= keep) {
        return false;
    }
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    const std::size_t before = digits.size();
    if (roundUp) {
        incrementDigits(digits);
    }
    return digits.size() > before;
}

Extended scaledBy(Extended magnitude, int power) {
    return power == 0 ? magnitude : magnitude / detail::powerOfTen(power);
}

// The smallest power p for which the magnitude divided by 10^p lies below 16, decided on the
// same extended quotient that the expansion is taken from.
int scalingPower(Extended magnitude) {
    int power =
        magnitude < kScaledLimit
            ? 0
            : std::clamp(static_cast<int>(std::log10(magnitude / kScaledLimit)), 0, kLargestPower);
    while (power < kLargestPower && scaledBy(magnitude, power) >= kScaledLimit) {
        ++power;
    }
    while (power > 0 && scaledBy(magnitude, power - 1) < kScaledLimit) {
        --power;
    }
    return power;
}

// The leading decimal digits of the magnitude divided by 10^power, times 10^17, rounded to an
// integer with ties to even: 18 digits for a quotient in [1, 10), 19 in [10, 16), fewer below
// 1.
std::string leadingDigits(Extended magnitude, int power) {
    const Extended expansion =
        std::nearbyint(scaledBy(magnitude, power) * detail::powerOfTen(kExpansionFractionDigits));
    return std::to_string(static_cast<std::uint64_t>(expansion));
}

std::string fixedForm(bool negative, const std::string& expansion, int power, int decimals) {
    // The expansion stands for expansion * 10^(power - 17); make that a string of digits with
    // a known number of them after the decimal point and at least one before it.
    std::string digits = expansion;
    int fractionDigits = kExpansionFractionDigits - power;
    if (fractionDigits < 0) {
        digits.append(static_cast<std::size_t>(-fractionDigits), '0');
        fractionDigits = 0;
    }
    if (static_cast<int>(digits.size()) <= fractionDigits) {
        digits.insert(0, static_cast<std::size_t>(fractionDigits) - digits.size() + 1, '0');
    }
    std::size_t integerDigits = digits.size() - static_cast<std::size_t>(fractionDigits);
    if (decimals < fractionDigits) {
        if (roundToLength(digits, integerDigits + static_cast<std::size_t>(decimals))) {
            ++integerDigits;
        }
    } else {
        digits.append(static_cast<std::size_t>(decimals - fractionDigits), '0');
    }
    std::string text = negative ? "-" : "";
    text.append(digits, 0, integerDigits);
    if (decimals > 0) {
        text += '.';
        text.append(digits, integerDigits, std::string::npos);
    }
    return text;
}

std::string exponentForm(bool negative, std::string digits, int power, int width) {
    const auto significant = static_cast<std::size_t>(std::max(2, std::min(18, width - 8)));
    // A 19-digit expansion stands for a quotient of 10 or more, one power up.
    power += static_cast<int>(digits.size()) - (kExpansionFractionDigits + 1);
    if (roundToLength(digits, significant)) {
        digits.pop_back();
        ++power;
    }
    std::string exponent = std::to_string(std::abs(power));
    exponent.insert(0, 4 - std::min<std::size_t>(4, exponent.size()), '0');
    std::string text = negative ? "-" : " ";
    text += digits[0];
    text += '.';
    text.append(digits, 1, std::string::npos);
    text += power < 0 ? "E-" : "E+";
    text += exponent;
    return text;
}

} // namespace

std::string floatToFixed(Extended value, int width, int decimals) {
    width = std::clamp(width, 0, kMaxWidth);
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (std::isnan(value)) {
        return padLeft("Nan", width);
    }
    if (std::isinf(value)) {
        return padLeft(value < 0 ? "-Inf" : "+Inf", width);
    }
    const bool negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);
    const int power = scalingPower(magnitude);
    const std::string digits = leadingDigits(magnitude, power);
    if (magnitude >= detail::powerOfTen(kSmallestExponentFormPower)) {
        return padLeft(exponentForm(negative, digits, power, width), width);
    }
    return padLeft(fixedForm(negative, digits, power, decimals), width);
}

} // namespace numtext
