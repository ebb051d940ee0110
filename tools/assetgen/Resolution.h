// The resolutions the pictures shown unscaled are drawn at: the designed size, and the same
// drawing at twice the pixels for high-density screens. Drawers paint in the designed size's
// logical pixels on a canvas of `scale` device pixels per logical pixel, so one piece of code
// draws both.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace assetgen {

inline constexpr int kScales[] = {1, 2};

// The file name of a picture's drawing at `scale`: "Form1/Image9" stays as it is at the designed
// size and becomes "Form1/Image9@2x" at twice the pixels.
QString scaledName(const QString& name, int scale);

// Canvases of `logical` size at `scale`: transparent ARGB for content that is keyed afterwards,
// or opaque and filled.
QImage transparentCanvas(QSize logical, int scale);
QImage opaqueCanvas(QSize logical, int scale, QColor fill);

// The logical position of device pixel `device`'s centre, on the designed size's pixel grid
// (pixel centres at whole numbers). Exactly `device` at scale 1, so pixel loops written in
// logical positions give the designed picture unchanged.
inline double logicalPosition(int device, int scale) {
    return (device + 0.5) / scale - 0.5;
}

} // namespace assetgen
