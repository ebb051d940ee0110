#include "calc/PipeSchedule.h"

#include <array>
#include <span>
#include <string_view>

namespace calc {
namespace {

struct Entry {
    std::string_view size;
    Extended weight;
};

// Weights in lb/ft; the literals are extended, so each is the extended nearest its decimal.
constexpr std::array kSch10{
    Entry{"1/2", 0.671L},   Entry{"3/4", 0.857L}, Entry{"1", 1.404L},     Entry{"1 1/4", 1.806L},
    Entry{"1 1/2", 2.085L}, Entry{"2", 2.638L},   Entry{"2 1/2", 3.531L}, Entry{"3", 4.332L},
    Entry{"3 1/2", 4.973L}, Entry{"4", 5.613L},   Entry{"5", 7.77L},      Entry{"6", 9.289L},
    Entry{"8", 13.4L},      Entry{"10", 18.7L},   Entry{"12", 24.2L},     Entry{"14", 36.71L},
    Entry{"16", 42.05L},    Entry{"18", 47.39L},  Entry{"20", 52.73L},    Entry{"22", 58.07L},
    Entry{"24", 63.41L},    Entry{"26", 85.6L},   Entry{"28", 92.26L},    Entry{"30", 98.93L},
    Entry{"32", 105.6L},    Entry{"34", 123.7L},  Entry{"36", 118.9L},
};

constexpr std::array kSch40{
    Entry{"1/2", 0.851L},   Entry{"3/4", 1.131L}, Entry{"1", 1.679L},     Entry{"1 1/4", 2.273L},
    Entry{"1 1/2", 2.718L}, Entry{"2", 3.653L},   Entry{"2 1/2", 5.793L}, Entry{"3", 7.576L},
    Entry{"3 1/2", 9.109L}, Entry{"4", 10.79L},   Entry{"5", 14.62L},     Entry{"6", 18.97L},
    Entry{"8", 28.55L},     Entry{"10", 40.48L},  Entry{"12", 53.53L},    Entry{"14", 63.37L},
    Entry{"16", 82.77L},    Entry{"18", 104.8L},  Entry{"20", 122.9L},    Entry{"24", 171.2L},
    Entry{"32", 230.1L},    Entry{"34", 244.8L},  Entry{"36", 282.3L},
};

constexpr std::array kSchSTD{
    Entry{"1/2", 0.851L},   Entry{"3/4", 1.131L}, Entry{"1", 1.679L},     Entry{"1 1/4", 2.273L},
    Entry{"1 1/2", 2.718L}, Entry{"2", 3.653L},   Entry{"2 1/2", 5.793L}, Entry{"3", 7.576L},
    Entry{"3 1/2", 9.109L}, Entry{"4", 10.79L},   Entry{"5", 14.62L},     Entry{"6", 18.97L},
    Entry{"8", 28.55L},     Entry{"10", 40.48L},  Entry{"12", 49.56L},    Entry{"14", 54.57L},
    Entry{"16", 62.58L},    Entry{"18", 70.59L},  Entry{"20", 78.6L},     Entry{"22", 86.61L},
    Entry{"24", 94.62L},    Entry{"26", 102.6L},  Entry{"28", 110.6L},    Entry{"30", 118.6L},
    Entry{"32", 126.7L},    Entry{"34", 134.7L},  Entry{"36", 142.7L},
};

constexpr std::array kSch80{
    Entry{"1/2", 1.088L},   Entry{"3/4", 1.474L}, Entry{"1", 2.172L},     Entry{"1 1/4", 2.997L},
    Entry{"1 1/2", 3.631L}, Entry{"2", 5.022L},   Entry{"2 1/2", 7.661L}, Entry{"3", 10.25L},
    Entry{"3 1/2", 12.51L}, Entry{"4", 14.98L},   Entry{"5", 20.78L},     Entry{"6", 28.57L},
    Entry{"8", 43.39L},     Entry{"10", 64.33L},  Entry{"12", 88.51L},    Entry{"14", 106.1L},
    Entry{"16", 136.5L},    Entry{"18", 170.8L},  Entry{"20", 208.9L},    Entry{"22", 250.8L},
    Entry{"24", 296.4L},
};

std::span<const Entry> entriesOf(PipeSchedule schedule) {
    switch (schedule) {
    case PipeSchedule::Sch10:
        return kSch10;
    case PipeSchedule::Sch40:
        return kSch40;
    case PipeSchedule::SchSTD:
        return kSchSTD;
    case PipeSchedule::Sch80:
        return kSch80;
    }
    return {};
}

} // namespace

std::vector<std::string> sizeLabels(PipeSchedule schedule) {
    std::vector<std::string> labels;
    for (const Entry& entry : entriesOf(schedule)) {
        labels.push_back(std::string(entry.size) + "\" inch");
    }
    return labels;
}

std::optional<Extended> weightPerFoot(PipeSchedule schedule, int index) {
    const std::span<const Entry> entries = entriesOf(schedule);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return std::nullopt;
    }
    return entries[static_cast<std::size_t>(index)].weight;
}

Extended firstWeight(PipeSchedule schedule) {
    return entriesOf(schedule).front().weight;
}

} // namespace calc
