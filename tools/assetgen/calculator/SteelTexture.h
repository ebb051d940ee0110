// The brushed-steel panel behind the calculator's captions and controls.
#pragma once

#include <QImage>
#include <QPoint>

namespace assetgen::calculator {

// Where the panel sits on the calculator window; the diagrams blend their edges with the steel
// they land on.
inline constexpr QPoint kSteelOnWindow{8, 72};

// 384 x 376 logical pixels at `scale`.
QImage brushedSteel(int scale);

} // namespace assetgen::calculator
