#include "calc/WeightCalculation.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using calc::CalculationInput;
using calc::Extended;

namespace {

// Records the texts in the order they arrive.
class Recorder : public calc::ResultReceiver {
public:
    void kilograms(const std::string& text) override { texts.push_back("kg:" + text); }
    void pounds(const std::string& text) override { texts.push_back("lb:" + text); }
    void inches(const std::string& text) override { texts.push_back("in:" + text); }
    std::vector<std::string> texts;
};

std::vector<std::string> run(Extended weightPerFoot, Extended length, std::int32_t quantity,
                             std::string_view lengthText, char32_t separator = U'.') {
    Recorder recorder;
    calc::calculate(CalculationInput{weightPerFoot, length, quantity, lengthText, separator},
                    recorder);
    return recorder.texts;
}

using Texts = std::vector<std::string>;

TEST(WeightCalculation, HalfInchSchTenSixMetres) {
    EXPECT_EQ(run(0.671L, 6000, 1, "6000"),
              (Texts{"kg: 6.0 kg", "lb:13.2 Lb", "in:236.22        (inch)"}));
}

TEST(WeightCalculation, StartUpState) {
    EXPECT_EQ(run(0.671L, 0, 1, "0"), (Texts{"kg: 0.0 kg", "lb: 0.0 Lb", "in:0.00        (inch)"}));
}

TEST(WeightCalculation, SixInchSchEightyFourPieces) {
    // 28.57 * 6000 * 4 / 1000 * 1.488 = 1020.29184; times 2.205 = 2249.7435072
    EXPECT_EQ(run(28.57L, 6000, 4, "6000"),
              (Texts{"kg:1020.3 kg", "lb:2249.7 Lb", "in:236.22        (inch)"}));
}

TEST(WeightCalculation, WideResultsAreWrittenWhole) {
    EXPECT_EQ(run(296.4L, 12000, 1000, "12000")[0], "kg:5292518.4 kg");
}

TEST(WeightCalculation, InchesComeFromTheLengthTextNotTheCommittedLength) {
    EXPECT_EQ(run(0.671L, 6000, 1, "254")[2], "in:10.00        (inch)");
    EXPECT_EQ(run(0.671L, 0, 1, " 25,4 ", U',')[2], "in:1.00        (inch)");
}

TEST(WeightCalculation, ZeroAndNegativeInputsKeepTheirSign) {
    EXPECT_EQ(run(0.671L, 6000, 0, "6000")[0], "kg: 0.0 kg");
    EXPECT_EQ(run(0.671L, -6000, 0, "-6000"),
              (Texts{"kg:-0.0 kg", "lb:-0.0 Lb", "in:-236.22        (inch)"}));
    EXPECT_EQ(run(0.671L, 0, -1, "0")[0], "kg:-0.0 kg");
    EXPECT_EQ(run(0.671L, -6000, 1, "0")[1], "lb:-13.2 Lb");
}

TEST(WeightCalculation, PoundsAreComputedFromTheInputsNotFromRoundedKilograms) {
    // 0.05 kg would be 0.1 kg rounded, giving 0.2 Lb; the pounds from the inputs are 0.110...
    const Texts texts = run(1, 33.6021505376344086L, 1, "1");
    EXPECT_EQ(texts[0], "kg: 0.1 kg");
    EXPECT_EQ(texts[1], "lb: 0.1 Lb");
}

TEST(WeightCalculation, BadLengthTextFailsAfterKilogramsAndPounds) {
    Recorder recorder;
    try {
        calc::calculate(CalculationInput{0.671L, 6000, 1, "abc", U'.'}, recorder);
        FAIL() << "no error";
    } catch (const numtext::ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(recorder.texts, (Texts{"kg: 6.0 kg", "lb:13.2 Lb"}));
}

TEST(WeightCalculation, MultipliesInTheGivenOrder) {
    // Left to right: 1e4000 * 1e4000 overflows to infinity before the division could save
    // it, which shows the order of evaluation.
    EXPECT_EQ(run(1e4000L, 1e4000L, 1, "1")[0], "kg:+Inf kg");
}

} // namespace
