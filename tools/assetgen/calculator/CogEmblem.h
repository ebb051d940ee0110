// The maker's emblem at the top left of the calculator window.
#pragma once

#include <QImage>

namespace assetgen::calculator {

// 48 x 48 logical pixels at `scale`, keyed on white: a steel-blue cog wheel.
QImage cogEmblem(int scale);

} // namespace assetgen::calculator
