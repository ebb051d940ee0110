#include "PhotoFinish.h"

#include "Noise.h"

#include <vector>

namespace assetgen::resume {

void expose(FloatImage& image, double exposure) {
    constexpr double kKnee = 0.75;
    const auto curve = [](double c) {
        return c < kKnee ? c : kKnee + (1 - kKnee) * (1 - std::exp(-(c - kKnee) / (1 - kKnee)));
    };
    for (Vec3& c : image.pixels) {
        c = Vec3{curve(c.x * exposure), curve(c.y * exposure), curve(c.z * exposure)};
    }
}

void gaussianBlur(FloatImage& image, double sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3)));
    std::vector<double> weights(std::size_t(2 * radius + 1));
    double total = 0;
    for (int i = -radius; i <= radius; ++i) {
        total += weights[std::size_t(i + radius)] = std::exp(-0.5 * i * i / (sigma * sigma));
    }
    for (double& w : weights) {
        w /= total;
    }
    const auto pass = [&](bool horizontal) {
        FloatImage out(image.width, image.height);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                Vec3 sum;
                for (int i = -radius; i <= radius; ++i) {
                    const int sx = horizontal ? std::clamp(x + i, 0, image.width - 1) : x;
                    const int sy = horizontal ? y : std::clamp(y + i, 0, image.height - 1);
                    sum += image.at(sx, sy) * weights[std::size_t(i + radius)];
                }
                out.at(x, y) = sum;
            }
        }
        image = std::move(out);
    };
    pass(true);
    pass(false);
}

void vignette(FloatImage& image, double strength) {
    const double cx = image.width / 2.0, cy = image.height / 2.0;
    const double corner = cx * cx + cy * cy;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double r2 = (dx * dx + dy * dy) / corner;
            image.at(x, y) *= 1 - strength * r2 * r2 * (2 - r2);
        }
    }
}

void glow(FloatImage& image, double threshold, double sigma, double strength) {
    FloatImage bright(image.width, image.height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Vec3& c = image.pixels[i];
        const double excess = std::max({c.x, c.y, c.z}) - threshold;
        if (excess > 0) {
            bright.pixels[i] = c * (excess / std::max({c.x, c.y, c.z}));
        }
    }
    gaussianBlur(bright, sigma);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] += bright.pixels[i] * strength;
    }
}

void grain(FloatImage& image, double amount, std::uint32_t seed) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            Vec3& c = image.at(x, y);
            const double luminance = latticeHash(x, y, seed) + latticeHash(x, y, seed + 1) - 1;
            const double chroma[3] = {latticeHash(x, y, seed + 2) - 0.5,
                                      latticeHash(x, y, seed + 3) - 0.5,
                                      latticeHash(x, y, seed + 4) - 0.5};
            double* channel[3] = {&c.x, &c.y, &c.z};
            for (int i = 0; i < 3; ++i) {
                const double encoded =
                    linearToSrgb(*channel[i]) + amount * (luminance + 0.5 * chroma[i]);
                *channel[i] = srgbToLinear(std::clamp(encoded, 0.0, 1.0));
            }
        }
    }
}

void colourBalance(FloatImage& image, const Vec3& gains) {
    for (Vec3& c : image.pixels) {
        c = c * gains;
    }
}

} // namespace assetgen::resume
