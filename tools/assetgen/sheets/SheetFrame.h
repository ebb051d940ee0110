// The border of a drawing sheet: trimmed edge, heavy border line and the zone grid in the margin.
#pragma once

#include "Drafter.h"

#include <QRectF>
#include <QSize>

namespace assetgen::sheets {

// Draws the frame and returns the drawing area inside the border.
QRectF drawSheetFrame(const Drafter& paper, QSize size, int zonesAcross, int zonesDown);

} // namespace assetgen::sheets
