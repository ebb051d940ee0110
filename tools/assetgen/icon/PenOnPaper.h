// The program icon's picture: a blue fountain pen lying across a curled sheet it has just
// written a looping stroke on.
#pragma once

#include <QImage>

namespace assetgen::icon {

// `size` pixels square, ARGB, drawn from its outlines at that size so that small icons stay
// sharp rather than being shrunk from a large one.
QImage penOnPaper(int size);

} // namespace assetgen::icon
