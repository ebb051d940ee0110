// Storage bin SB-05 in its loading structure: the geometry its views share and the views of its
// sheet.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets::bin {

// Millimetres from the ground on the bin's axis.
inline constexpr double kShellRadius = 3500, kOutletRadius = 300;
inline constexpr double kShellBottom = 10000, kShellTop = 18000, kRoofApex = 19400;
inline constexpr double kOutletY = 5400;
inline constexpr double kColumnX = 4500; // column centres either side of the axis
inline constexpr double kLevels[] = {0, 6500, 10000, 14000, 18000};

// Radius of the hopper cone at height y.
constexpr double coneRadius(double y) {
    return kOutletRadius +
           (kShellRadius - kOutletRadius) * (y - kOutletY) / (kShellBottom - kOutletY);
}

void drawElevation(const Drafter& paper);
void drawRoofBracing(const Drafter& paper);
void drawPlanSection(const Drafter& paper);
void drawConeDevelopment(const Drafter& paper);
void drawShellDevelopment(const Drafter& paper);
void drawRingGirderDetail(const Drafter& paper);

} // namespace assetgen::sheets::bin
