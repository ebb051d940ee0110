// A daylight sky seen through the camera: blue deepening toward the zenith, a pale hazy
// horizon, a glow around the sun, and soft cumulus clouds on a plane far overhead.
#pragma once

#include "Vec3.h"

#include <cstdint>

namespace assetgen::resume {

struct SkyLook {
    Vec3 zenith;
    Vec3 horizon;
    Vec3 towardSun;
    Vec3 cloudLit;
    Vec3 cloudShade;
    double cloudCover = 0.45; // 0 clear .. 1 overcast
    double cloudScale = 900;  // size of cloud features, in scene units
    double cloudHeight = 1200;
    std::uint32_t seed = 1;
};

Vec3 skyColour(const SkyLook& sky, const Vec3& direction);

} // namespace assetgen::resume
