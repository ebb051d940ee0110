// The maker's name beside the emblem at the top of the calculator window.
#pragma once

#include <QImage>

namespace assetgen::calculator {

// 239 x 30 logical pixels at `scale`, keyed on cyan: "VORDEK ENGINEERING" in dark lettering.
QImage nameBanner(int scale);

} // namespace assetgen::calculator
