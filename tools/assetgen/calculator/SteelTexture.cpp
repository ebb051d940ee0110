#include "SteelTexture.h"

#include "SplitMix64.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace assetgen::calculator {
namespace {

constexpr int kWidth = 384;
constexpr int kHeight = 376;
constexpr double kDarkCorner = 0x57;  // bottom left
constexpr double kLightCorner = 0xA2; // top right

// Brushing leaves streaks of every length along a row: each one swells and fades again.
void addStreaks(std::vector<double>& row, SplitMix64& rng, double minLength, double maxLength,
                double amplitude) {
    double start = -rng.unit() * maxLength;
    while (start < kWidth) {
        const double length = minLength + rng.unit() * (maxLength - minLength);
        const double height = rng.signedUnit() * amplitude;
        const int first = std::max(0, static_cast<int>(std::ceil(start)));
        const int last = std::min(kWidth - 1, static_cast<int>(start + length));
        for (int x = first; x <= last; ++x) {
            row[x] += height * std::sin(std::numbers::pi * (x - start) / length);
        }
        start += length * 0.55;
    }
}

} // namespace

QImage brushedSteel() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    SplitMix64 rng(0x5EE1'0BA5'7E17'2004ULL);
    std::vector<double> row(kWidth);
    for (int y = 0; y < kHeight; ++y) {
        std::fill(row.begin(), row.end(), rng.signedUnit() * 3.0);
        addStreaks(row, rng, 30.0, 220.0, 4.0);
        addStreaks(row, rng, 4.0, 40.0, 3.0);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double fromBottom = static_cast<double>(kHeight - 1 - y) / (kHeight - 1);
        for (int x = 0; x < kWidth; ++x) {
            const double towardsTopRight = (static_cast<double>(x) / (kWidth - 1) + fromBottom) / 2;
            const double base = kDarkCorner + (kLightCorner - kDarkCorner) * towardsTopRight;
            const double value = base + row[x] + rng.signedUnit() * 1.5;
            const int grey = std::clamp(static_cast<int>(std::lround(value)), 0, 255);
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return image;
}

} // namespace assetgen::calculator
