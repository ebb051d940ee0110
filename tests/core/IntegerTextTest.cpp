#include "numtext/numtext.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using numtext::ConversionError;
using numtext::intToText;
using numtext::textToInt;

namespace {

void expectRejected(const std::string& text) {
    try {
        const std::int32_t value = textToInt(text);
        ADD_FAILURE() << "accepted '" << text << "' as " << value;
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), "'" + text + "' is not a valid integer value");
    }
}

struct Accepted {
    const char* text;
    std::int32_t expected;
};

void PrintTo(const Accepted& accepted, std::ostream* os) {
    *os << "'" << accepted.text << "'";
}

class TextToIntAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(TextToIntAccepts, ReadsTheValue) {
    EXPECT_EQ(textToInt(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextToIntAccepts,
    ::testing::Values(Accepted{"12", 12}, Accepted{"   12", 12}, Accepted{"0", 0},
                      Accepted{"-0", 0}, Accepted{"+7", 7}, Accepted{"-7", -7}, Accepted{"007", 7},
                      Accepted{"2147483647", INT32_MAX}, Accepted{"-2147483648", INT32_MIN},
                      Accepted{"+0002147483647", INT32_MAX}, Accepted{"$1A", 26},
                      Accepted{"$1a", 26}, Accepted{"x1A", 26}, Accepted{"X1a", 26},
                      Accepted{"0x1A", 26}, Accepted{"0X1a", 26}, Accepted{" $ff", 255},
                      Accepted{"$FFFFFFFF", -1}, Accepted{"$80000000", INT32_MIN},
                      Accepted{"$7FFFFFFF", INT32_MAX}, Accepted{"$000000000001", 1},
                      Accepted{"0x00000000FFFFFFFF", -1}, Accepted{"$0", 0}));

TEST(TextToInt, RejectsEverythingOutsideTheForm) {
    for (const char* text : {"",
                             " ",
                             "-",
                             "+",
                             "12 ",
                             "1 2",
                             " - 1",
                             "+-1",
                             "-$1A",
                             "+$1A",
                             "-0x10",
                             "$",
                             "x",
                             "0x",
                             "0X",
                             "$G",
                             "$1G",
                             "0x-1",
                             "00x1A",
                             "1.0",
                             "1e3",
                             "12abc",
                             "\t12",
                             "12\t",
                             "\xD9\xA1\xD9\xA2",
                             "\xEF\xBC\x91",
                             "%s %n %1",
                             "0b101",
                             "1,000",
                             "one"}) {
        expectRejected(text);
    }
    expectRejected(std::string("1\0", 2));
    expectRejected(std::string("\0"
                               "1",
                               2));
}

TEST(TextToInt, RejectsValuesOutsideThirtyTwoBits) {
    expectRejected("2147483648");
    expectRejected("-2147483649");
    expectRejected("99999999999999999999999");
    expectRejected("$100000000");
    expectRejected("0x1FFFFFFFF");
    expectRejected(std::string(1 << 20, '9'));
    expectRejected("$" + std::string(1 << 20, 'F'));
}

TEST(TextToInt, LongRunsOfLeadingZerosAreFine) {
    EXPECT_EQ(textToInt(std::string(1 << 20, '0') + "42"), 42);
    EXPECT_EQ(textToInt("$" + std::string(1 << 20, '0') + "2A"), 42);
    EXPECT_EQ(textToInt(std::string(1 << 20, ' ') + "5"), 5);
}

TEST(IntToText, WritesDecimalWithMinusSign) {
    EXPECT_EQ(intToText(0), "0");
    EXPECT_EQ(intToText(11), "11");
    EXPECT_EQ(intToText(-1), "-1");
    EXPECT_EQ(intToText(INT32_MAX), "2147483647");
    EXPECT_EQ(intToText(INT32_MIN), "-2147483648");
}

TEST(IntToText, RoundTripsThroughTextToInt) {
    for (const std::int32_t value :
         {INT32_MIN, -1000000, -11, -1, 0, 1, 10, 11, 65535, INT32_MAX}) {
        EXPECT_EQ(textToInt(intToText(value)), value);
    }
}

} // namespace
