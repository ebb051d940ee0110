// Blurred shadows for the icon, which Qt's painter cannot blur by itself.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QTransform>

namespace assetgen::icon {

// `shape` (in the coordinates `toDevice` maps to pixels) filled with `colour`, blurred by about
// `radius` pixels, on a transparent image of `size` pixels square.
QImage softShadow(int size, const QPainterPath& shape, const QTransform& toDevice, QColor colour,
                  int radius);

} // namespace assetgen::icon
