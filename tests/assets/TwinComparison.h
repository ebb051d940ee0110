// How a double-size drawing compares with the designed-size picture it redraws. Reduced 2:1 by
// averaging each 2 x 2 block, the same drawing comes out close to the designed picture; a
// designed picture merely pixel-doubled has nothing finer than its 2 x 2 blocks.
#pragma once

#include "BitmapFile.h"

#include <optional>

struct TwinComparison {
    double meanDifference = 0; // per channel and pixel, reduced double size against designed
    double keyAgreement = 1;   // share of designed pixels keyed alike in both, see below
    double finerBlocks = 0;    // share of the double size's 2 x 2 blocks not of one colour
};

// `doubled` must be twice the size of `designed`. For keyed pictures, the key agreement counts
// the designed pixels whose four double-size pixels are all key or all content: those are key
// in the double size exactly when the designed pixel is.
TwinComparison compareTwins(const Bitmap& designed, const Bitmap& doubled, std::optional<Rgb> key);
