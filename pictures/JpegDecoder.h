// JPEG pictures decoded straight through libjpeg, the way Qt's JPEG reader decodes them (the
// same pixels: tests/gui/PictureTest), so that the Windows program need not carry that reader
// and the JPEG encoder it brings with it: 0.30 MB of pipeweight.exe (bench/windows/size.py).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace pictures {

// The picture's size from its header; an empty size when the data is not a JPEG picture.
QSize jpegSize(const QByteArray& data);

// The picture at its own size, or at `scaledTo`: decoded at the smallest of libjpeg's
// reduced sizes (eighths) that is at least as large, then smoothly scaled. A null image when
// the data is damaged or not a colour or grey JPEG picture.
QImage decodeJpeg(const QByteArray& data, QSize scaledTo = {});

} // namespace pictures
