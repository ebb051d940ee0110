// Drag chain conveyor DC-04: the geometry its views share and the views of its sheet.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets::dragchain {

// Millimetres; x from the tail sprocket along the conveyor, y up from the sprocket centres.
inline constexpr double kCentres = 36000;
inline constexpr double kCasingBottom = -500, kCasingTop = 500, kCasingHalfWidth = 400;
inline constexpr double kFloor = -2900;
inline constexpr double kSectionLength = 4500;
inline constexpr double kInlets[] = {3000, 9000, 15000};
inline constexpr double kOutlet[] = {35400, 36200};
inline constexpr double kSprocketRadius = 350; // pitch radius: the chain runs at its height

void drawElevation(const Drafter& paper);
void drawPlan(const Drafter& paper);
void drawDriveEndView(const Drafter& paper);
void drawCasingSection(const Drafter& paper);
void drawChainDetail(const Drafter& paper);

} // namespace assetgen::sheets::dragchain
