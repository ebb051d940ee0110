#include "calc/PipeSchedule.h"

#include "ExtendedBits.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using calc::Extended;
using calc::PipeSchedule;

namespace {

// The weight table as engineers read it, one row per nominal size, a missing entry where the
// schedule has no such size; the lists below are derived from it, not copied.
struct Row {
    const char* size;
    std::array<std::optional<Extended>, 4> weights; // Sch 10, Sch 40, Sch STD, Sch 80
};

constexpr std::nullopt_t none = std::nullopt;

const std::vector<Row> kTable = {
    {"1/2", {0.671L, 0.851L, 0.851L, 1.088L}},   {"3/4", {0.857L, 1.131L, 1.131L, 1.474L}},
    {"1", {1.404L, 1.679L, 1.679L, 2.172L}},     {"1 1/4", {1.806L, 2.273L, 2.273L, 2.997L}},
    {"1 1/2", {2.085L, 2.718L, 2.718L, 3.631L}}, {"2", {2.638L, 3.653L, 3.653L, 5.022L}},
    {"2 1/2", {3.531L, 5.793L, 5.793L, 7.661L}}, {"3", {4.332L, 7.576L, 7.576L, 10.25L}},
    {"3 1/2", {4.973L, 9.109L, 9.109L, 12.51L}}, {"4", {5.613L, 10.79L, 10.79L, 14.98L}},
    {"5", {7.77L, 14.62L, 14.62L, 20.78L}},      {"6", {9.289L, 18.97L, 18.97L, 28.57L}},
    {"8", {13.4L, 28.55L, 28.55L, 43.39L}},      {"10", {18.7L, 40.48L, 40.48L, 64.33L}},
    {"12", {24.2L, 53.53L, 49.56L, 88.51L}},     {"14", {36.71L, 63.37L, 54.57L, 106.1L}},
    {"16", {42.05L, 82.77L, 62.58L, 136.5L}},    {"18", {47.39L, 104.8L, 70.59L, 170.8L}},
    {"20", {52.73L, 122.9L, 78.6L, 208.9L}},     {"22", {58.07L, none, 86.61L, 250.8L}},
    {"24", {63.41L, 171.2L, 94.62L, 296.4L}},    {"26", {85.6L, none, 102.6L, none}},
    {"28", {92.26L, none, 110.6L, none}},        {"30", {98.93L, none, 118.6L, none}},
    {"32", {105.6L, 230.1L, 126.7L, none}},      {"34", {123.7L, 244.8L, 134.7L, none}},
    {"36", {118.9L, 282.3L, 142.7L, none}},
};

constexpr std::array kSchedules{PipeSchedule::Sch10, PipeSchedule::Sch40, PipeSchedule::SchSTD,
                                PipeSchedule::Sch80};

class EverySchedule : public ::testing::TestWithParam<int> {
protected:
    PipeSchedule schedule() const { return kSchedules[static_cast<std::size_t>(GetParam())]; }
};

TEST_P(EverySchedule, ListsExactlyItsSizesWithTheirWeights) {
    std::vector<std::string> labels;
    std::vector<Extended> weights;
    for (const Row& row : kTable) {
        if (const auto& weight = row.weights[static_cast<std::size_t>(GetParam())]) {
            labels.push_back(std::string(row.size) + "\" inch");
            weights.push_back(*weight);
        }
    }
    EXPECT_EQ(calc::sizeLabels(schedule()), labels);
    for (std::size_t index = 0; index < weights.size(); ++index) {
        const auto weight = calc::weightPerFoot(schedule(), static_cast<int>(index));
        ASSERT_TRUE(weight.has_value()) << index;
        EXPECT_TRUE(sameExtended(*weight, weights[index])) << "index " << index;
    }
    EXPECT_TRUE(sameExtended(calc::firstWeight(schedule()), weights.front()));
}

TEST_P(EverySchedule, GivesNoWeightOutsideItsList) {
    const int length = static_cast<int>(calc::sizeLabels(schedule()).size());
    for (const int index : {-1, -2, -2147483647 - 1, length, length + 1, 1000, 2147483647}) {
        EXPECT_FALSE(calc::weightPerFoot(schedule(), index).has_value()) << index;
    }
}

INSTANTIATE_TEST_SUITE_P(Schedules, EverySchedule, ::testing::Range(0, 4));

TEST(PipeSchedule, ListLengths) {
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch10).size(), 27u);
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch40).size(), 23u);
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::SchSTD).size(), 27u);
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch80).size(), 21u);
}

TEST(PipeSchedule, LabelsCarryTheInchSignAndWord) {
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch10)[3], "1 1/4\" inch");
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch10).front(), "1/2\" inch");
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch40).back(), "36\" inch");
}

TEST(PipeSchedule, IndexesDifferBetweenSchedulesFromTwentyTwoInchOn) {
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch40)[19], "24\" inch");
    EXPECT_EQ(calc::sizeLabels(PipeSchedule::Sch80)[19], "22\" inch");
    EXPECT_TRUE(sameExtended(*calc::weightPerFoot(PipeSchedule::Sch40, 22), 282.3L));
    EXPECT_FALSE(calc::weightPerFoot(PipeSchedule::Sch80, 22).has_value());
    EXPECT_TRUE(sameExtended(*calc::weightPerFoot(PipeSchedule::Sch80, 20), 296.4L));
    EXPECT_TRUE(sameExtended(*calc::weightPerFoot(PipeSchedule::Sch80, 11), 28.57L));
}

} // namespace
