// Uncompressed 24-bit bitmaps, the kind every embedded bitmap is, read without Qt's general
// reader, which spends several times as long per pixel on the way to the first frame.
#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// The picture in a 24-bit BI_RGB bitmap file (rows bottom-up or top-down); any other bitmap
// goes to Qt's reader. A null image when the data is damaged.
QImage decodeBitmap(const QByteArray& data);

} // namespace pictures
