// Where a picture's bytes come from.
#pragma once

#include <QByteArray>
#include <QString>

namespace pictures {

// A picture file's bytes, from the resources or the file system; empty when missing. Embedded
// files stored uncompressed (the PNG and JPEG files, and except on Windows the first frame's: see
// assets/) share the program's own copy; those stored compressed are inflated into a new one.
QByteArray readPictureFile(const QString& path);

// The path of the double-size drawing that stands beside a picture for screens with more
// than one device pixel per logical pixel: :/Form1/Image9.bmp has :/Form1/Image9@2x.png, a
// JPEG keeps its format (:/Form3/Image2.jpg has :/Form3/Image2@2x.jpg). Empty for an empty
// path.
QString doubleSizePath(const QString& path);

// Whether the path names a JPEG file, by its extension.
bool isJpegPath(const QString& path);

} // namespace pictures
