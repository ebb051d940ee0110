// The résumé window's background: a dark blue-green gradient with a soft, cloudy texture,
// dark enough everywhere for white lettering.
#include "FloatImage.h"
#include "Noise.h"
#include "Resolution.h"
#include "ResumePictures.h"

namespace assetgen::resume {

QImage windowBackground(int scale) {
    constexpr int kWidth = 684, kHeight = 459;
    const Vec3 light = srgb(0x1b5560), dark = srgb(0x081c2e), tint = srgb(0x0e3a48);
    FloatImage image(kWidth * scale, kHeight * scale);
    for (int deviceY = 0; deviceY < image.height; ++deviceY) {
        const double y = logicalPosition(deviceY, scale);
        for (int deviceX = 0; deviceX < image.width; ++deviceX) {
            const double x = logicalPosition(deviceX, scale);
            const double u = x / double(kWidth), v = y / double(kHeight);
            // Light from the top left, fading along the diagonal.
            const double along = std::clamp(0.55 * u + 0.75 * v, 0.0, 1.0);
            Vec3 c = mix(light, dark, smoothstep(0.0, 1.0, along));
            // Warped cloud texture, then brushed streaks and grain.
            const double wx = fractalNoise(u * 3, v * 3, 4, 81),
                         wy = fractalNoise(u * 3 + 5, v * 3, 4, 82);
            const double cloud = fractalNoise(u * 4 + 1.6 * wx, v * 4 + 1.6 * wy, 5, 83);
            c = mix(c, tint, 0.45 * smoothstep(0.4, 0.75, cloud));
            c = c * (0.7 + 0.6 * cloud);
            // Grain in every device pixel: finer at higher resolutions.
            const double fine = latticeHash(deviceX, deviceY, 84);
            // Faint brushed grain running across.
            const double brushed = fractalNoise(x * 0.02, y * 0.7, 3, 85);
            c = c * (0.96 + 0.08 * fine) * (0.9 + 0.2 * brushed);
            image.at(deviceX, deviceY) = c;
        }
    }
    return toQImage(image);
}

} // namespace assetgen::resume
