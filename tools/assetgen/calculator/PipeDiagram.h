// The length-of-pipe diagram below the calculator's inputs, one per schedule.
#pragma once

#include <QImage>
#include <QPoint>

namespace assetgen::calculator {

// 273 x 145 logical pixels at `scale`, keyed on black. The drawing is laid out in window
// coordinates, so each schedule's diagram, shown by a component at `componentOnWindow`, puts the
// pipe at the same place under the window's "L" label. `boreRatio` is the inner over the outer
// diameter. `steel` is the window's steel panel at the same scale, whose pixels the drawing's soft
// edges are blended with.
QImage pipeDiagram(double boreRatio, QPoint componentOnWindow, const QImage& steel, int scale);

} // namespace assetgen::calculator
