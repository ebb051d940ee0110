// Assembles a Windows icon file from square ARGB images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace assetgen::icon {

// How an icon file stores its images: as 32-bit bitmaps (colour with alpha, then the 1-bit
// mask that older readers use), which a reader takes as they are, or as PNG, a fifth of the
// size, which Windows reads since Vista.
enum class IconEntries { Bitmaps, Png };

// One entry per image, in the given order. Sizes up to 255 pixels.
QByteArray icoFile(const QList<QImage>& images, IconEntries entries);

} // namespace assetgen::icon
