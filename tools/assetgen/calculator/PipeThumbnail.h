// The schedule thumbnails: a pipe's cross-section, its wall growing with the schedule.
#pragma once

#include <QImage>

namespace assetgen::calculator {

// Outer diameter of every thumbnail's ring, in pixels.
inline constexpr double kThumbnailOuterDiameter = 45.0;

// 55 x 55 logical pixels at `scale`: a white ring with a hole of `holeDiameter` pixels and a cyan
// centre mark, on black.
QImage pipeThumbnail(double holeDiameter, int scale);

} // namespace assetgen::calculator
