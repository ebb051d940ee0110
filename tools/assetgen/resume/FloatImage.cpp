#include "FloatImage.h"

#include <cmath>

namespace assetgen::resume {

double srgbToLinear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double linearToSrgb(double linear) {
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

Vec3 srgb(std::uint32_t rgb) {
    return {srgbToLinear(((rgb >> 16) & 0xFF) / 255.0), srgbToLinear(((rgb >> 8) & 0xFF) / 255.0),
            srgbToLinear((rgb & 0xFF) / 255.0)};
}

QImage toQImage(const FloatImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    const auto encode = [](double c) {
        return static_cast<int>(std::lround(linearToSrgb(c) * 255));
    };
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const Vec3& c = image.at(x, y);
            line[x] = qRgb(encode(c.x), encode(c.y), encode(c.z));
        }
    }
    return out;
}

FloatImage fromQImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    FloatImage out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.at(x, y) = srgb(line[x] & 0xFFFFFF);
        }
    }
    return out;
}

Vec3 sampleBilinear(const FloatImage& image, double u, double v) {
    const double x = std::clamp(u * image.width - 0.5, 0.0, image.width - 1.0);
    const double y = std::clamp(v * image.height - 0.5, 0.0, image.height - 1.0);
    const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    const int x1 = std::min(x0 + 1, image.width - 1), y1 = std::min(y0 + 1, image.height - 1);
    const double tx = x - x0, ty = y - y0;
    return mix(mix(image.at(x0, y0), image.at(x1, y0), tx),
               mix(image.at(x0, y1), image.at(x1, y1), tx), ty);
}

FloatImage downsample(const FloatImage& image, int factor) {
    FloatImage out(image.width / factor, image.height / factor);
    const double weight = 1.0 / (factor * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            Vec3 sum;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    sum += image.at(x * factor + dx, y * factor + dy);
                }
            }
            out.at(x, y) = sum * weight;
        }
    }
    return out;
}

} // namespace assetgen::resume
