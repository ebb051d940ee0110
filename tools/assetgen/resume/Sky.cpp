#include "Sky.h"

#include "Noise.h"

namespace assetgen::resume {

Vec3 skyColour(const SkyLook& sky, const Vec3& direction) {
    const Vec3 d = normalized(direction);
    const double elevation = std::max(d.y, 0.0);
    Vec3 colour = mix(sky.horizon, sky.zenith, std::pow(elevation, 0.55));
    const double sunAlignment = std::max(0.0, dot(d, normalized(sky.towardSun)));
    colour += sky.horizon * (0.35 * std::pow(sunAlignment, 8) + 2.5 * std::pow(sunAlignment, 400));
    if (d.y <= 0.01) {
        return colour;
    }
    // Where the ray meets the cloud layer; far clouds shrink toward the horizon on their own.
    const double distance = sky.cloudHeight / d.y;
    const double cx = d.x * distance / sky.cloudScale, cz = d.z * distance / sky.cloudScale;
    const double shape = fractalNoise(cx, cz, 6, sky.seed);
    const double density = smoothstep(1 - sky.cloudCover, 1 - sky.cloudCover + 0.22, shape);
    if (density <= 0) {
        return colour;
    }
    // Thicker cloud is darker underneath; a second look-up nudged toward the sun lights the
    // near edges.
    const Vec3 sun = normalized(sky.towardSun);
    const double towardSun = fractalNoise(cx + sun.x * 0.08, cz + sun.z * 0.08, 5, sky.seed);
    const double lit = std::clamp(0.6 + 2.5 * (shape - towardSun), 0.0, 1.0);
    const double thickness = smoothstep(1 - sky.cloudCover, 1.05, shape);
    Vec3 cloud =
        mix(sky.cloudLit, sky.cloudShade, std::clamp(0.7 * thickness + 0.4 * (1 - lit), 0.0, 1.0));
    // Distant clouds fade into the horizon haze.
    cloud = mix(cloud, sky.horizon, std::pow(1 - elevation, 6) * 0.8);
    return mix(colour, cloud, density * smoothstep(0.01, 0.08, d.y));
}

} // namespace assetgen::resume
