// The weight of a batch of pipe and the piece length in inches, as the result texts.
#pragma once

#include "numtext/numtext.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

using numtext::Extended;

// Receives each result text the moment it is made, so that a failing inch conversion leaves
// the kilogram and pound texts already delivered.
class ResultReceiver {
public:
    virtual ~ResultReceiver() = default;
    virtual void kilograms(const std::string& text) = 0;
    virtual void pounds(const std::string& text) = 0;
    virtual void inches(const std::string& text) = 0;
};

struct CalculationInput {
    Extended weightPerFoot;      // lb/ft
    Extended pieceLength;        // mm, as last committed
    std::int32_t quantity;       // pieces, as last committed
    std::string_view lengthText; // the length box's text now; the inches come from it
    char32_t decimalSeparator;
};

// Hands over the kilogram, pound and inch texts in that order. Throws
// numtext::ConversionError when the length text is not a number, after the first two.
void calculate(const CalculationInput& input, ResultReceiver& receiver);

} // namespace calc
