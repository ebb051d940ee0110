// What turns a clean render into something that reads as a photograph: film response, lens
// softness and vignetting, glow around bright lights, and sensor grain. All in linear light.
#pragma once

#include "FloatImage.h"

#include <cstdint>

namespace assetgen::resume {

// Scales the light and rolls highlights off softly instead of clipping them.
void expose(FloatImage& image, double exposure);

void gaussianBlur(FloatImage& image, double sigma);

// Darkens toward the corners; `strength` is the loss of light in the corners.
void vignette(FloatImage& image, double strength);

// Spreads light above `threshold` into a soft halo.
void glow(FloatImage& image, double threshold, double sigma, double strength);

// Luminance and (weaker) colour noise of the given amplitude in encoded 8-bit steps / 255.
void grain(FloatImage& image, double amount, std::uint32_t seed);

// Channel gains, to set a photograph's colour cast.
void colourBalance(FloatImage& image, const Vec3& gains);

} // namespace assetgen::resume
