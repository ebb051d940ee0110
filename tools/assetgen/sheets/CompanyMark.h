// The firm's mark as it appears in the title block: a "V" over a conveyor pulley in a square.
#pragma once

#include "Drafter.h"

#include <QRectF>

namespace assetgen::sheets {

void drawCompanyMark(const Drafter& paper, QRectF box);

} // namespace assetgen::sheets
