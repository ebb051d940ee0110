// Baseline JPEG pictures decoded through libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace pictures {

// The scale, in eighths, at which a picture of `picture` pixels is decoded to be shown at
// `shown` pixels: the smallest that is at least as large as the box in both directions, and
// at most 8 (the picture's own size). libjpeg scales in the DCT, so a small scale costs
// little more than reading the file.
int jpegScaleInEighths(QSize picture, QSize shown);

// The picture's pixel size from its header, or an empty size when the data is not a JPEG.
QSize jpegSize(const QByteArray& data);

// The decoded picture at scale/8 of its size; a null image when the data is damaged (also
// where libjpeg would only warn and fill in the missing part), which ends nothing but the
// decoding.
QImage decodeJpeg(const QByteArray& data, int scaleInEighths = 8);

} // namespace pictures
