#include "numtext/PowersOfTen.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace numtext::detail {
namespace {

constexpr std::array<Extended, kLargestExactPowerOfTen + 1> exactPowers() {
    std::array<Extended, kLargestExactPowerOfTen + 1> powers{};
    Extended power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}

constexpr auto kExactPowers = exactPowers();

// The C library's decimal reader rounds correctly (one rounding, subnormals included), which
// is exactly the single rounding wanted here; the text it reads has no decimal point, so the
// locale does not enter.
Extended readDecimal(const std::string& text) {
    errno = 0;
    return std::strtold(text.c_str(), nullptr);
}

} // namespace

Extended powerOfTen(int n) {
    if (n <= kLargestExactPowerOfTen) {
        return kExactPowers[static_cast<std::size_t>(n)];
    }
    return readDecimal("1e" + std::to_string(n));
}

Extended scaleByPowerOfTen(Extended value, long long exponent) {
    if (value == 0) {
        return 0;
    }
    if (exponent >= -kLargestExactPowerOfTen && exponent <= kLargestExactPowerOfTen) {
        // Both operands are exact here, so one hardware operation rounds once.
        return exponent >= 0 ? value * kExactPowers[static_cast<std::size_t>(exponent)]
                             : value / kExactPowers[static_cast<std::size_t>(-exponent)];
    }
    // value is an integer: its exact decimal digits, then the exponent, read back with one
    // rounding. Exponents far outside the range would only make a long text for the same
    // infinite or zero answer.
    constexpr long long kBeyondRange = 20000;
    if (exponent > kBeyondRange) {
        return HUGE_VALL;
    }
    if (exponent < -kBeyondRange) {
        return 0;
    }
    char digits[5000];
    std::snprintf(digits, sizeof digits, "%.0Lf", value);
    return readDecimal(std::string(digits) + "e" + std::to_string(exponent));
}

} // namespace numtext::detail
