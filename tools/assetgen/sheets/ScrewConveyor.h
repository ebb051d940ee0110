// Screw conveyor SC-03: the geometry its views share and the views of its sheet.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets::screw {

// Millimetres; x along the axis from the inside face of the tail end plate, y up from the axis.
inline constexpr double kLength = 6000;
inline constexpr double kFlightRadius = 300;
inline constexpr double kPipeRadius = 84;
inline constexpr double kPitch = 600;
inline constexpr double kTroughBottom = -325, kTroughTop = 350, kTroughHalfWidth = 330;
inline constexpr double kFloor = -1300;
inline constexpr double kHanger = 3000, kHangerGap = 220;
inline constexpr double kInlet[] = {300, 800};
inline constexpr double kOutlet[] = {5150, 5650};
inline constexpr double kLegs[] = {700, 4500};

// Screw flight seen from the side between x0 and x1: the near half-turns solid, the far edges
// thin where they show between the flights.
void drawFlight(const Drafter& d, double x0, double x1);

void drawElevation(const Drafter& paper);
void drawPlan(const Drafter& paper);
void drawEndView(const Drafter& paper);
void drawDriveEndView(const Drafter& paper);
void drawTroughSection(const Drafter& paper);
void drawHangerDetail(const Drafter& paper);
void drawFlightDevelopment(const Drafter& paper);

} // namespace assetgen::sheets::screw
