// Flue duct assembly FD-06: the views of its sheet.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets::duct {

// Millimetres; the duct's centre line runs from the fan flange at the origin (ground at y = 0).
inline constexpr double kRadius = 600, kBendRadius = 1800;

void drawElevation(const Drafter& paper);
void drawExpansionJointDetail(const Drafter& paper);
void drawShadedViews(const Drafter& paper);

} // namespace assetgen::sheets::duct
