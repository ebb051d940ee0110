#include "numtext/numtext.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using numtext::Extended;
using numtext::floatToFixed;

namespace {

struct Case {
    Extended value;
    int width;
    int decimals;
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << static_cast<double>(c.value) << " W" << c.width << " D" << c.decimals;
}

class FloatToFixedWrites : public ::testing::TestWithParam<Case> {};

TEST_P(FloatToFixedWrites, TheExpectedText) {
    const Case& c = GetParam();
    EXPECT_EQ(floatToFixed(c.value, c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(WidthFourOneDecimal, FloatToFixedWrites,
                         ::testing::Values(Case{0.0L, 4, 1, " 0.0"}, Case{1.5L, 4, 1, " 1.5"},
                                           Case{12.34L, 4, 1, "12.3"}, Case{123.45L, 4, 1, "123.5"},
                                           Case{0.25L, 4, 1, " 0.3"}, Case{-1.25L, 4, 1, "-1.3"},
                                           Case{0.05L, 4, 1, " 0.1"}, Case{0.04999L, 4, 1, " 0.0"},
                                           Case{12345.67L, 4, 1, "12345.7"},
                                           Case{5.990688L, 4, 1, " 6.0"},
                                           Case{13.20946704L, 4, 1, "13.2"}));

INSTANTIATE_TEST_SUITE_P(Rounding, FloatToFixedWrites,
                         ::testing::Values(Case{0.5L, 4, 2, "0.50"}, Case{-0.001L, 4, 2, "-0.00"},
                                           Case{2.675L, 0, 2, "2.68"}, Case{1.005L, 0, 2, "1.01"},
                                           Case{9.96L, 0, 1, "10.0"}, Case{99.95L, 0, 1, "100.0"},
                                           Case{0.96L, 0, 1, "1.0"}, Case{9.5L, 0, 0, "10"},
                                           Case{0.5L, 0, 0, "1"}, Case{0.4L, 0, 0, "0"},
                                           Case{-0.5L, 0, 0, "-1"}, Case{-0.04L, 0, 1, "-0.0"},
                                           Case{999999.96L, 0, 1, "1000000.0"},
                                           Case{236.220472440944881889L, 4, 2, "236.22"}));

INSTANTIATE_TEST_SUITE_P(
    EighteenDigitExpansion, FloatToFixedWrites,
    ::testing::Values(Case{1.0L / 3, 0, 20, "0.33333333333333333000"},
                      Case{2.0L / 3, 0, 20, "0.66666666666666667000"},
                      Case{10.0L / 3, 0, 20, "3.33333333333333333000"},
                      Case{100.0L / 3, 0, 20, "33.33333333333333330000"},
                      Case{987654321098765432109876.0L, 0, 1, "987654321098765432000000.0"},
                      Case{1e30L, 0, 0, "1000000000000000000000000000000"},
                      Case{1e35L, 0, 0, "100000000000000000000000000000000000"},
                      Case{9.99e35L, 0, 1, "999000000000000000000000000000000000.0"},
                      Case{-7.25e20L, 25, 1, " -725000000000000000000.0"},
                      Case{1e-30L, 0, 3, "0.000"}, Case{LDBL_TRUE_MIN, 0, 1, "0.0"},
                      Case{0.123456789012345678L, 0, 18, "0.123456789012345680"}));

// A magnitude scaled into [10, 16) keeps 19 digits, one scaled into [1, 10) keeps 18: the
// decimals reach past the 18th digit on each side of 10^k and 1.6 * 10^k.
INSTANTIATE_TEST_SUITE_P(
    DigitsEachSideOfTheBoundaries, FloatToFixedWrites,
    ::testing::Values(Case{9.999999999999999987L, 0, 19, "9.9999999999999999900"},
                      Case{10.00000000000000003L, 0, 17, "10.00000000000000003"},
                      Case{15.99999999999999997L, 0, 17, "15.99999999999999997"},
                      Case{16.00000000000000007L, 0, 17, "16.00000000000000010"},
                      Case{99999.99999999999987L, 0, 14, "99999.99999999999990"},
                      Case{100000.0000000000003L, 0, 13, "100000.0000000000003"},
                      Case{159999.9999999999993L, 0, 13, "159999.9999999999993"},
                      Case{160000.0000000000007L, 0, 13, "160000.0000000000010"},
                      Case{999999999999999998.75L, 0, 1, "999999999999999999.0"},
                      Case{1000000000000000005.0L, 0, 0, "1000000000000000005"},
                      Case{1599999999999999998.25L, 0, 1, "1599999999999999998.0"},
                      Case{1600000000000000003.0L, 0, 1, "1600000000000000000.0"},
                      Case{9.999999999999999987e34L, 0, 0, "99999999999999999900000000000000000"},
                      Case{1.000000000000000003e35L, 0, 0, "100000000000000000300000000000000000"},
                      Case{1.599999999999999993e35L, 0, 0, "159999999999999999300000000000000000"},
                      Case{1.600000000000000007e35L, 0, 0, "160000000000000001000000000000000000"},
                      Case{9.999999999999999987e35L, 0, 0, "999999999999999999000000000000000000"},
                      Case{-12.34567890123456789L, 0, 17, "-12.34567890123456789"}));

// The 19th digit is the one that shows.
INSTANTIATE_TEST_SUITE_P(
    NineteenthDigit, FloatToFixedWrites,
    ::testing::Values(Case{12345678901234567890.0L, 0, 2, "12345678901234567890.00"},
                      Case{156099283255764378.094L, 0, 13, "156099283255764378.1000000000000"},
                      Case{123456789012345678901234.0L, 0, 1, "123456789012345678900000.0"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, FloatToFixedWrites,
    ::testing::Values(Case{1e36L, 4, 1, " 1.0E+0036"}, Case{1.5e36L, 4, 1, " 1.5E+0036"},
                      Case{1.234e40L, 4, 2, " 1.2E+0040"}, Case{-1.234e40L, 4, 2, "-1.2E+0040"},
                      Case{1.234e40L, 20, 0, " 1.23400000000E+0040"},
                      Case{1.25e40L, 0, 1, " 1.3E+0040"}, Case{9.96e40L, 0, 0, " 1.0E+0041"},
                      Case{1.234e40L, 30, 0, "     1.23400000000000000E+0040"},
                      Case{LDBL_MAX, 0, 0, " 1.2E+4932"}, Case{1e100L, 12, 3, " 1.000E+0100"},
                      // From 10^36 to 1.6 * 10^36 the 19th digit rounds the 18 written.
                      Case{1.0000000000000000047e36L, 26, 0, " 1.00000000000000001E+0036"},
                      Case{1.5999999999999999947e36L, 26, 0, " 1.60000000000000000E+0036"},
                      Case{1.6000000000000000049e36L, 26, 0, " 1.60000000000000000E+0036"}));

INSTANTIATE_TEST_SUITE_P(
    NotFinite, FloatToFixedWrites,
    ::testing::Values(Case{std::numeric_limits<Extended>::quiet_NaN(), 4, 1, " Nan"},
                      Case{-std::numeric_limits<Extended>::quiet_NaN(), 0, 1, "Nan"},
                      Case{std::numeric_limits<Extended>::infinity(), 4, 1, "+Inf"},
                      Case{-std::numeric_limits<Extended>::infinity(), 6, 2, "  -Inf"}));

TEST(FloatToFixed, NegativeZeroKeepsItsSign) {
    EXPECT_EQ(floatToFixed(-0.0L, 4, 1), "-0.0");
    EXPECT_EQ(floatToFixed(-0.0L, 0, 0), "-0");
    EXPECT_EQ(floatToFixed(0.0L * -1, 4, 1), "-0.0");
}

TEST(FloatToFixed, PadsOnTheLeftAndNeverCuts) {
    EXPECT_EQ(floatToFixed(1.5L, 10, 1), "       1.5");
    EXPECT_EQ(floatToFixed(123456.0L, 2, 0), "123456");
    EXPECT_EQ(floatToFixed(1.5L, 255, 1), std::string(252, ' ') + "1.5");
}

TEST(FloatToFixed, LimitsWidthAndDecimals) {
    const std::string widest = floatToFixed(-9.99e35L, 0, 216);
    EXPECT_EQ(widest.size(), 1u + 36 + 1 + 216);
    EXPECT_EQ(widest.substr(0, 5), "-9990");
    EXPECT_EQ(floatToFixed(1.5L, 1000, 1).size(), 255u);
    EXPECT_EQ(floatToFixed(1.5L, 0, 1000), floatToFixed(1.5L, 0, 216));
    EXPECT_EQ(floatToFixed(1.5L, -5, -3), "2");
    EXPECT_EQ(floatToFixed(1.0L / 3, 0, 216).size(), 218u);
}

TEST(FloatToFixed, ExponentFormTakesEveryMagnitudeFromTenToTheThirtySixth) {
    for (Extended magnitude = 1e36L; magnitude < 1e300L; magnitude *= 1.37L) {
        const std::string text = floatToFixed(magnitude, 0, 2);
        EXPECT_NE(text.find('E'), std::string::npos) << text;
        EXPECT_EQ(text.size(), 10u) << text;
    }
    EXPECT_EQ(floatToFixed(std::nextafter(1e36L, 0.0L), 0, 0).find('E'), std::string::npos);
}

} // namespace
