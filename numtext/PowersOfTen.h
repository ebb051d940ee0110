// Powers of ten in extended precision, shared by the text conversions.
#pragma once

#include "numtext/numtext.h"

namespace numtext::detail {

// The largest power of ten that extended holds exactly: 10^27 = 2^27 * 5^27, and 5^27 still
// fits in the 64-bit mantissa.
inline constexpr int kLargestExactPowerOfTen = 27;

// 10^n as the extended value nearest to it, for 0 <= n <= 4932 (the extended range).
Extended powerOfTen(int n);

// value * 10^exponent rounded once to the nearest extended (ties to even), subnormals
// included; infinity when the result is beyond the extended range. value must be a finite,
// integer-valued, non-negative extended.
Extended scaleByPowerOfTen(Extended value, long long exponent);

} // namespace numtext::detail
