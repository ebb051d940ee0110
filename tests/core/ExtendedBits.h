// Bit-for-bit comparison of extended values for the tests: equal numbers with the same sign
// of zero and the same 80 bits.
#pragma once

#include "numtext/numtext.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

inline std::string extendedBits(numtext::Extended value) {
    unsigned char bytes[10];
    std::memcpy(bytes, &value, sizeof bytes);
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg [%02x%02x:%02x%02x%02x%02x%02x%02x%02x%02x]", value,
                  bytes[9], bytes[8], bytes[7], bytes[6], bytes[5], bytes[4], bytes[3], bytes[2],
                  bytes[1], bytes[0]);
    return text;
}

inline ::testing::AssertionResult sameExtended(numtext::Extended actual,
                                               numtext::Extended expected) {
    if (std::memcmp(&actual, &expected, 10) == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got " << extendedBits(actual) << ", expected " << extendedBits(expected);
}
