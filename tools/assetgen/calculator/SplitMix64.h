// A small seeded generator, so that textures come out the same on every machine and run.
#pragma once

#include <cstdint>

namespace assetgen::calculator {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Uniform in [-1, 1).
    double signedUnit() { return 2.0 * unit() - 1.0; }

private:
    std::uint64_t state_;
};

} // namespace assetgen::calculator
