// The glyph of the calculator's " Calc." button.
#pragma once

#include <QImage>

namespace assetgen::calculator {

// 32 x 32 logical pixels at `scale`, keyed on white: a pencil writing on a tilted notepad.
QImage pencilGlyph(int scale);

} // namespace assetgen::calculator
