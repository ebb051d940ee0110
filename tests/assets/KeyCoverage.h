// Where a keyed picture carries its key colour. The key shows the backdrop through the picture,
// so it belongs to the background around the content; key pixels walled in by content are
// either designed holes or content that came out exactly as the key and will vanish.
#pragma once

#include "BitmapFile.h"

struct KeyCoverage {
    double share = 0; // of all pixels, key coloured
    int enclosed = 0; // key pixels with no path of key pixels to the picture's edge
};

KeyCoverage keyCoverage(const Bitmap& bitmap, Rgb key);
