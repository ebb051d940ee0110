#include "SteelTexture.h"

#include "Resolution.h"
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
// Lengths are in logical pixels; `row` holds one device row, `scale` pixels per logical one.
void addStreaks(std::vector<double>& row, int scale, SplitMix64& rng, double minLength,
                double maxLength, double amplitude) {
    const int lastPixel = static_cast<int>(row.size()) - 1;
    double start = -rng.unit() * maxLength;
    while (start < kWidth) {
        const double length = minLength + rng.unit() * (maxLength - minLength);
        const double height = rng.signedUnit() * amplitude;
        // The device pixels whose centres lie within the streak.
        const double halfPixelShift = (scale - 1) / 2.0;
        const int first = std::max(0, static_cast<int>(std::ceil(start * scale + halfPixelShift)));
        const int last =
            std::min(lastPixel, static_cast<int>((start + length) * scale + halfPixelShift));
        for (int i = first; i <= last; ++i) {
            const double x = logicalPosition(i, scale);
            row[i] += height * std::sin(std::numbers::pi * (x - start) / length);
        }
        start += length * 0.55;
    }
}

// What differs from one device row to the next within a logical row. At the designed size that
// is the grain of each pixel; at higher resolutions the grain is finer, and each device row has
// its own brightness and short streaks, as finer brushing would leave.
void fillDetail(std::vector<double>& detail, int scale, const std::vector<double>& designedGrain,
                SplitMix64& fine) {
    if (scale == 1) {
        detail = designedGrain;
        return;
    }
    std::fill(detail.begin(), detail.end(), fine.signedUnit() * 1.5);
    addStreaks(detail, scale, fine, 2.0, 20.0, 2.0);
    for (double& value : detail) {
        value += fine.signedUnit() * 1.5;
    }
}

} // namespace

QImage brushedSteel(int scale) {
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    // The drawing's streaks come from `rng` in the same sequence at every scale; `fine` adds
    // what only shows above the designed size.
    SplitMix64 rng(0x5EE1'0BA5'7E17'2004ULL);
    SplitMix64 fine(0xF1E5'7EE1'0000'0002ULL);
    std::vector<double> row(static_cast<std::size_t>(kWidth * scale));
    std::vector<double> detail(row.size());
    std::vector<double> designedGrain(kWidth);
    for (int y = 0; y < kHeight; ++y) {
        std::fill(row.begin(), row.end(), rng.signedUnit() * 3.0);
        addStreaks(row, scale, rng, 30.0, 220.0, 4.0);
        addStreaks(row, scale, rng, 4.0, 40.0, 3.0);
        for (double& grain : designedGrain) {
            grain = rng.signedUnit() * 1.5;
        }
        for (int deviceY = y * scale; deviceY < (y + 1) * scale; ++deviceY) {
            fillDetail(detail, scale, designedGrain, fine);
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(deviceY));
            const double fromBottom =
                (kHeight - 1 - logicalPosition(deviceY, scale)) / (kHeight - 1);
            for (int i = 0; i < kWidth * scale; ++i) {
                const double x = logicalPosition(i, scale);
                const double towardsTopRight = (x / (kWidth - 1) + fromBottom) / 2;
                const double base = kDarkCorner + (kLightCorner - kDarkCorner) * towardsTopRight;
                const double value = base + row[i] + detail[i];
                const int grey = std::clamp(static_cast<int>(std::lround(value)), 0, 255);
                line[i] = qRgb(grey, grey, grey);
            }
        }
    }
    return image;
}

} // namespace assetgen::calculator
