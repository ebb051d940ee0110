// An embedded picture as it goes on the screen, from the best source the program carries for
// the screen's resolution.
#pragma once

#include "pictures/EncodedPicture.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {

// A picture file and the double-size drawing beside it (see doubleSizePath), decoded afresh
// on each call: the caller keeps what it draws. On a screen of one device pixel per logical pixel
// only the picture's own file is read, exactly as it is; on a denser one the double-size drawing is
// used, so that nothing is ever drawn by repeating pixels.
class PictureSource {
public:
    PictureSource() = default;
    PictureSource(const QString& path, bool keyed);

    // The picture at its own logical size on a screen of `ratio` device pixels per logical
    // pixel. At 1, the file's own pixels. Above 1, the double-size drawing, smooth-scaled to
    // the ratio unless that is 2, or where there is none the picture itself smooth-scaled; the
    // image's devicePixelRatio() is then `ratio`.
    QImage ownSize(qreal ratio = 1);

    // The picture to be stretched to `shown` device pixels: a JPEG scaled to it as it is decoded
    // (at the smallest DCT scale at least that large, smoothed the rest of the way), a bitmap at
    // its own size or, where `shown` is larger than that, its double-size drawing.
    QImage forStretching(QSize shown);

private:
    QImage atRatio(qreal ratio);

    EncodedPicture own_;
    EncodedPicture doubleSize_;
};

} // namespace pictures
