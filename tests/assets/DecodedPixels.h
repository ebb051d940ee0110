// The pixels of an embedded picture, whatever its format.
#pragma once

#include "AssetTable.h"
#include "BitmapFile.h"

#include <QByteArray>

// Bitmaps go through their own reader, which accepts only the layout the program's bitmaps use;
// PNG and JPEG files are decoded by Qt.
BitmapReading readPixels(const QByteArray& bytes, AssetKind kind);
