// Linear-light RGB pictures: the renderer and the photographic finish work on these, and only
// the finished picture is encoded to 8-bit sRGB.
#pragma once

#include "Vec3.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace assetgen::resume {

struct FloatImage {
    FloatImage(int w, int h, Vec3 fill = {})
        : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

    Vec3& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Vec3& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }

    int width;
    int height;
    std::vector<Vec3> pixels;
};

// An sRGB colour written as 0xRRGGBB, in linear light.
Vec3 srgb(std::uint32_t rgb);
double srgbToLinear(double encoded);
double linearToSrgb(double linear);

// Encodes to 8-bit sRGB, clamping out-of-range light.
QImage toQImage(const FloatImage& image);
FloatImage fromQImage(const QImage& image);

// Bilinear look-up at (u, v) in [0, 1] x [0, 1], v downward.
Vec3 sampleBilinear(const FloatImage& image, double u, double v);

// Averages factor x factor blocks: the supersampled render becomes the anti-aliased picture.
FloatImage downsample(const FloatImage& image, int factor);

} // namespace assetgen::resume
