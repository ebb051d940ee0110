// Section hatching: parallel thin lines clipped to the cut area.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets {

// Hatches a model area with lines `spacingPx` apart at `angleDeg` on the sheet.
void hatch(const Drafter& d, const QPainterPath& area, double spacingPx = 3, double angleDeg = 45);
void hatch(const Drafter& d, const QList<QPointF>& area, double spacingPx = 3,
           double angleDeg = 45);

// Ground line with the earth hatching below it, from a to b along the model's x axis.
void ground(const Drafter& d, double x0, double x1, double y);

} // namespace assetgen::sheets
