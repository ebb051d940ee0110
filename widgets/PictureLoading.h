// Decoding the embedded pictures and applying their key colour.
#pragma once

#include <QImage>
#include <QString>

namespace widgets {

// The picture at a resource path: bitmaps through Qt's reader. A null image when the path is
// empty or the data cannot be decoded, so a damaged picture leaves its box empty.
QImage loadPicture(const QString& path);

// The picture with every pixel of its bottom-left pixel's colour made fully transparent.
QImage withKeyColourDropped(const QImage& picture);

} // namespace widgets
