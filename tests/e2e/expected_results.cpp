// expected_results <schedule 0-3> <size index> <length text> <quantity>: prints the kilogram,
// pound and inch texts the calculation core gives, one per line, for the end-to-end tests to
// compare with what the window shows.
#include "calc/PipeSchedule.h"
#include "calc/WeightCalculation.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class Printer : public calc::ResultReceiver {
public:
    void kilograms(const std::string& text) override { std::printf("%s\n", text.c_str()); }
    void pounds(const std::string& text) override { std::printf("%s\n", text.c_str()); }
    void inches(const std::string& text) override { std::printf("%s\n", text.c_str()); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: expected_results <schedule> <size index> <length> <qty>\n");
        return 2;
    }
    const auto schedule = static_cast<calc::PipeSchedule>(std::atoi(argv[1]));
    const auto weight = calc::weightPerFoot(schedule, std::atoi(argv[2]));
    if (!weight) {
        std::fprintf(stderr, "no such size\n");
        return 2;
    }
    Printer printer;
    calc::calculate(
        {*weight, numtext::textToFloat(argv[3], U'.'), numtext::textToInt(argv[4]), argv[3], U'.'},
        printer);
    return 0;
}
