// Pictures whose background colour is dropped when shown. Their anti-aliased edges are
// blended with what will actually show through around them, not with the key colour, so that
// no fringe of the key colour rings the lettering.
#pragma once

#include <QImage>
#include <QPoint>

namespace assetgen::resume {

// `content` (ARGB, transparent where nothing is drawn) over `surroundings` at `offset`, then
// keyed: fully transparent pixels become `key`, every other pixel is opaque.
QImage keyedOver(const QImage& content, const QImage& surroundings, QPoint offset, QRgb key);

} // namespace assetgen::resume
