#include "Noise.h"

#include <cmath>

namespace assetgen::resume {
namespace {

std::uint32_t mixBits(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double hash3(int x, int y, int z, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9e3779b9U;
    h = mixBits(h ^ static_cast<std::uint32_t>(x));
    h = mixBits(h ^ static_cast<std::uint32_t>(y) * 0x85ebca6bU);
    h = mixBits(h ^ static_cast<std::uint32_t>(z) * 0xc2b2ae35U);
    return (h >> 8) * (1.0 / 16777216.0);
}

double fade(double t) {
    return t * t * (3 - 2 * t);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

std::uint64_t SplitMix64::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double SplitMix64::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double latticeHash(int x, int y, std::uint32_t seed) {
    return hash3(x, y, 0, seed);
}

double valueNoise(double x, double y, std::uint32_t seed) {
    return valueNoise(x, y, 0.0, seed);
}

double valueNoise(double x, double y, double z, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const double tx = fade(x - fx), ty = fade(y - fy), tz = fade(z - fz);
    double plane[2];
    for (int dz = 0; dz < 2; ++dz) {
        const double a = lerp(hash3(ix, iy, iz + dz, seed), hash3(ix + 1, iy, iz + dz, seed), tx);
        const double b =
            lerp(hash3(ix, iy + 1, iz + dz, seed), hash3(ix + 1, iy + 1, iz + dz, seed), tx);
        plane[dz] = lerp(a, b, ty);
    }
    return lerp(plane[0], plane[1], tz);
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    return fractalNoise(x, y, 0.0, octaves, seed);
}

double fractalNoise(double x, double y, double z, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 1, total = 0, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x * frequency, y * frequency, z * frequency,
                                   seed + static_cast<std::uint32_t>(i) * 101U);
        total += weight;
        weight *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

} // namespace assetgen::resume
