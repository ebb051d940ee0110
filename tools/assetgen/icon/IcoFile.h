// Assembles a Windows icon file from square ARGB images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace assetgen::icon {

// One entry per image, in the given order, each a 32-bit BMP entry (colour with alpha, then
// the 1-bit mask that older readers use). Sizes up to 255 pixels.
QByteArray icoFile(const QList<QImage>& images);

} // namespace assetgen::icon
