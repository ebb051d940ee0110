// A bulk tipper truck seen from its right side, facing +x, for loading stations.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets {

// `rearEnd` is the ground point below the back of the body; the truck is about 9 m long.
void drawTruckSide(const Drafter& d, QPointF rearEnd);

} // namespace assetgen::sheets
