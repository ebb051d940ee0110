// Belt conveyor BC-01: the geometry its views share and the views of its sheet.
#pragma once

#include "Drafter.h"

#include <cmath>

namespace assetgen::sheets::belt {

// Conveyor geometry in millimetres from the ground below the tail pulley.
inline constexpr QPointF kTail{0, 1500};
inline constexpr double kTailRadius = 315;
inline constexpr QPointF kHead{61500, 17400};
inline constexpr double kHeadRadius = 400;
inline constexpr double kSlope = (kHead.y() - kTail.y()) / (kHead.x() - kTail.x());
inline constexpr double kTrussDepth = 1800;
inline constexpr double kTrestles[] = {18000, 31000, 44000};
inline constexpr double kTowerLeft = 56500, kTowerRight = 65500;
inline constexpr double kTowerLevels[] = {0, 6500, 12500, 16500, 20500};
inline constexpr double kTrussStart = 6000, kTrussEnd = kTowerLeft;

inline double cosSlope() {
    return 1 / std::sqrt(1 + kSlope * kSlope);
}
// Carrying belt surface and the top chord of the gallery truss at station x.
inline double beltY(double x) {
    return kTail.y() + kTailRadius + kSlope * x;
}
inline double topChordY(double x) {
    return beltY(x) - 500;
}
inline double bottomChordY(double x) {
    return topChordY(x) - kTrussDepth / cosSlope();
}

// The views, each placed on the sheet by its own layout.
void drawElevation(const Drafter& paper);
void drawGallerySection(const Drafter& paper);
void drawTrestleView(const Drafter& paper);
void drawTailDetail(const Drafter& paper);
void drawDrivePlan(const Drafter& paper);

} // namespace assetgen::sheets::belt
