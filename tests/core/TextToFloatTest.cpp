#include "ExtendedBits.h"
#include "numtext/numtext.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

using numtext::ConversionError;
using numtext::Extended;
using numtext::textToFloat;

namespace {

std::string floatMessage(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

void expectRejected(const std::string& text, char32_t separator = U'.') {
    try {
        textToFloat(text, separator);
        ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), floatMessage(text));
    }
}

struct Accepted {
    const char* text;
    Extended expected;
};

void PrintTo(const Accepted& accepted, std::ostream* os) {
    *os << "'" << accepted.text << "'";
}

class TextToFloatAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(TextToFloatAccepts, ReadsTheValue) {
    EXPECT_TRUE(sameExtended(textToFloat(GetParam().text, U'.'), GetParam().expected))
        << "text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextToFloatAccepts,
    ::testing::Values(
        Accepted{"12.5", 12.5L}, Accepted{" 12.5 ", 12.5L}, Accepted{"   6000", 6000.0L},
        Accepted{"0.671", 0.671L}, Accepted{"+3", 3.0L}, Accepted{"-3", -3.0L},
        Accepted{"5.", 5.0L}, Accepted{".5", 0.5L}, Accepted{"-.5", -0.5L}, Accepted{".", 0.0L},
        Accepted{"+.", 0.0L}, Accepted{"1e3", 1000.0L}, Accepted{"1E3", 1000.0L},
        Accepted{"1E", 1.0L}, Accepted{"1e+", 1.0L}, Accepted{"1e-", 1.0L},
        Accepted{"2.5e-3", 0.0025L}, Accepted{".E7", 0.0L}, Accepted{"000123.4500", 123.45L},
        Accepted{"1E0000000000000002", 100.0L}, Accepted{"25.4", 25.4L}, Accepted{"0.1", 0.1L},
        Accepted{"1e27", 1e27L}, Accepted{"1e-27", 1e-27L}, Accepted{"4.9e100", 4.9e100L},
        Accepted{"7e-300", 7e-300L}, Accepted{"1E499", 1e499L}, Accepted{"1E500", 1e500L},
        Accepted{"1.189731495357231765e4932", LDBL_MAX}, Accepted{"0e4999", 0.0L},
        Accepted{"1e-4999", 0.0L}, Accepted{"3.6451995318824746025e-4951", LDBL_TRUE_MIN},
        Accepted{"18446744073709551615", 18446744073709551615.0L}));

TEST(TextToFloat, LoneSignBeforeZeroReadsNegativeZero) {
    for (const char* text : {"-0", "-0.0", "-.", " -0e5 ", "-0.000"}) {
        const Extended value = textToFloat(text, U'.');
        EXPECT_EQ(value, 0.0L) << text;
        EXPECT_TRUE(std::signbit(value)) << text;
    }
    EXPECT_FALSE(std::signbit(textToFloat("0", U'.')));
    EXPECT_FALSE(std::signbit(textToFloat("+0", U'.')));
}

TEST(TextToFloat, RejectsEverythingOutsideTheForm) {
    for (const char* text : {"",
                             " ",
                             "     ",
                             "-",
                             "+",
                             "- 1",
                             "+-1",
                             "--1",
                             "1 2",
                             "1..2",
                             "1.2.3",
                             "e3",
                             "E",
                             "1e3x",
                             "1,5",
                             "\t1",
                             "1\t",
                             "1\n",
                             "\xC2\xA0"
                             "1",
                             "0x10",
                             "$10",
                             "1_000",
                             "1'000",
                             "inf",
                             "nan",
                             "Infinity",
                             "1e--1",
                             "1e+-1",
                             "1e 3",
                             "1 e3",
                             ". 5",
                             "1d3",
                             "%s %n %1",
                             "%d",
                             "\xD9\xA1\xD9\xA2",
                             "\xEF\xBC\x91",
                             "1\xCC\x81",
                             "\xFF\xFE",
                             "12\xE2\x80\x8B"}) {
        expectRejected(text);
    }
}

TEST(TextToFloat, RejectsNulBytesAnywhere) {
    expectRejected(std::string("12\0", 3));
    expectRejected(std::string("\0"
                               "12",
                               3));
    expectRejected(std::string("1\0"
                               "2",
                               3));
}

TEST(TextToFloat, ExponentStopsTakingDigitsAtFiveHundred) {
    // 5, 50, 500: the fourth digit is left over and counts as a wrong character.
    expectRejected("1E5000");
    expectRejected("1e-5000");
    // 4, 49, 499, 4999: taken, and then far too large.
    expectRejected("1E4999");
    EXPECT_TRUE(sameExtended(textToFloat("1E-4999", U'.'), 0.0L));
    EXPECT_TRUE(sameExtended(textToFloat("1E0000499", U'.'), 1e499L));
}

TEST(TextToFloat, RejectsValuesBeyondTheExtendedRange) {
    expectRejected("1.2e4932");
    expectRejected("1e4933");
    expectRejected("-1e4933");
    expectRejected("1.189731495357231766e4932"); // rounds up past the largest extended
    expectRejected(std::string(5000, '9'));
}

TEST(TextToFloat, DecimalSeparatorComesFromTheCaller) {
    EXPECT_TRUE(sameExtended(textToFloat("1,5", U','), 1.5L));
    EXPECT_TRUE(sameExtended(textToFloat(",", U','), 0.0L));
    expectRejected("1.5", U',');
    // An Arabic decimal separator (U+066B), two bytes in UTF-8.
    EXPECT_TRUE(sameExtended(textToFloat("1\xD9\xAB"
                                         "5",
                                         U'\u066B'),
                             1.5L));
    expectRejected("1\xD9"
                   "5",
                   U'\u066B');
}

TEST(TextToFloat, MessageCarriesTheWholeTextUnchanged) {
    try {
        textToFloat("  abc  ", U'.');
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'  abc  ' is not a valid floating point value");
    }
    expectRejected("'quoted'");
    expectRejected("\xD8\xB7\xD9\x88\xD9\x84"); // Persian letters
}

// Up to 19 significant digits the accumulated digits are an exact integer, and scaling it
// rounds once: the result must be the correctly rounded value the C library reads.
TEST(TextToFloat, ShortMantissasReadAsTheNearestExtended) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t mantissa = next() % 10000000000000000000u;
        const int exponent = static_cast<int>(next() % 9800) - 4900;
        const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
        const Extended reference = std::strtold(text.c_str(), nullptr);
        if (std::isinf(reference)) {
            expectRejected(text);
            continue;
        }
        ASSERT_TRUE(sameExtended(textToFloat(text, U'.'), reference)) << text;
    }
}

// Beyond 19 digits the running value rounds at each digit (times ten, then plus the digit);
// the scaling then rounds once more. This 21-digit text accumulates one unit in the last place
// below the extended nearest to it.
TEST(TextToFloat, LongMantissasRoundWhileAccumulating) {
    constexpr Extended accumulated = 0xd.487d8bbb9d4d9bfp+66L;
    EXPECT_TRUE(sameExtended(textToFloat("980124630955832274949", U'.'), accumulated));
    EXPECT_FALSE(sameExtended(std::strtold("980124630955832274949", nullptr), accumulated));
    EXPECT_TRUE(sameExtended(textToFloat("98012463095583227494.9", U'.'), accumulated / 10));
    EXPECT_TRUE(sameExtended(textToFloat("9801246309558322.74949e5", U'.'), accumulated));
}

TEST(TextToFloat, HugeTextsEndInTimeWithoutOverreading) {
    const std::string ones(1 << 20, '1');
    expectRejected(ones); // the running value overflows
    const std::string tinyFraction = "0." + std::string(1 << 20, '0') + "1";
    EXPECT_TRUE(sameExtended(textToFloat(tinyFraction, U'.'), 0.0L));
    const std::string blanks = std::string(1 << 20, ' ') + "7" + std::string(1 << 20, ' ');
    EXPECT_TRUE(sameExtended(textToFloat(blanks, U'.'), 7.0L));
    expectRejected(std::string(1 << 20, ' '));
    expectRejected(std::string(1 << 20, '%'));
    const std::string longExponent = "1e" + std::string(1 << 20, '0') + "3";
    EXPECT_TRUE(sameExtended(textToFloat(longExponent, U'.'), 1000.0L));
}

} // namespace
