// The glyph of the calculator's "VORDEK" company button.
#pragma once

#include <QImage>

namespace assetgen::calculator {

// 34 x 34 logical pixels at `scale`, keyed on white: a magnifying glass over a dark instrument box
// with a green light.
QImage inspectionGlyph(int scale);

} // namespace assetgen::calculator
