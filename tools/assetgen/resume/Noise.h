// Deterministic randomness: a seeded generator for scatter, and hash-based value noise for
// textures. Everything here gives the same numbers on every machine and run.
#pragma once

#include <cstdint>

namespace assetgen::resume {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [low, high).
    double uniform(double low, double high) { return low + (high - low) * uniform(); }

private:
    std::uint64_t state_;
};

// Smoothly interpolated lattice noise in [0, 1).
double valueNoise(double x, double y, std::uint32_t seed);
double valueNoise(double x, double y, double z, std::uint32_t seed);

// Sum of `octaves` noise layers, each twice the frequency and half the weight of the one
// before, scaled back into [0, 1).
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);
double fractalNoise(double x, double y, double z, int octaves, std::uint32_t seed);

// White noise per lattice point in [0, 1): grain and per-pixel jitter.
double latticeHash(int x, int y, std::uint32_t seed);

} // namespace assetgen::resume
