// The glyph of the calculator's " Calc." button.
#pragma once

#include <QImage>

namespace assetgen::calculator {

// 32 x 32, keyed on white: a pencil writing on a tilted notepad.
QImage pencilGlyph();

} // namespace assetgen::calculator
