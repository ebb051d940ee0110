// Prints the throughput of textToFloat and floatToFixed beside strtold and snprintf("%.*Lf")
// on the same inputs, then the ratios (ours / C library; below 1 means faster).
#include "numtext/numtext.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& lengthTexts() {
    static const std::vector<std::string> texts = {
        "6000", "12.5",   "0.671",         "  1500 ",  "25.4",       "3.14159265358979",
        "1e3",  "-0.001", "123456789.123", "7.25E-12", "98765.4321", "0",
    };
    return texts;
}

const std::vector<numtext::Extended>& results() {
    static const std::vector<numtext::Extended> values = {
        5.990688L,     13.20946704L, 236.2204724409448819L, 1020.29184L, 0.0L,  -0.001L, 12345.67L,
        2249.7435072L, 0.05L,        987654.321L,           2.675L,      1e20L,
    };
    return values;
}

void BM_textToFloat(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : lengthTexts()) {
            benchmark::DoNotOptimize(numtext::textToFloat(text, U'.'));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(lengthTexts().size()));
}

void BM_strtold(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : lengthTexts()) {
            benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(lengthTexts().size()));
}

void BM_floatToFixed(benchmark::State& state) {
    for (auto _ : state) {
        for (const numtext::Extended value : results()) {
            benchmark::DoNotOptimize(numtext::floatToFixed(value, 4, 2));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(results().size()));
}

void BM_snprintf(benchmark::State& state) {
    char buffer[64];
    for (auto _ : state) {
        for (const numtext::Extended value : results()) {
            benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%4.*Lf", 2, value));
            benchmark::DoNotOptimize(std::string(buffer));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(results().size()));
}

BENCHMARK(BM_textToFloat);
BENCHMARK(BM_strtold);
BENCHMARK(BM_floatToFixed);
BENCHMARK(BM_snprintf);

// Keeps the time per iteration of each run so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const char* ours, const char* theirs) const {
        const auto a = nanoseconds_.find(ours), b = nanoseconds_.find(theirs);
        if (a != nanoseconds_.end() && b != nanoseconds_.end() && b->second > 0) {
            std::printf("%-16s / %-12s time ratio %.2f\n", ours + 3, theirs + 3,
                        a->second / b->second);
        }
    }

private:
    std::map<std::string, double> nanoseconds_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_textToFloat", "BM_strtold");
    reporter.printRatio("BM_floatToFixed", "BM_snprintf");
    benchmark::Shutdown();
    return 0;
}
