#include "pictures/PictureSource.h"

#include "pictures/JpegDecoder.h"
#include "pictures/PictureFile.h"

#include <cmath>

namespace pictures {
namespace {

QSize timesRatio(QSize logical, qreal ratio) {
    return {static_cast<int>(std::lround(logical.width() * ratio)),
            static_cast<int>(std::lround(logical.height() * ratio))};
}

QImage smoothlyScaled(const QImage& image, QSize size) {
    return image.size() == size
               ? image
               : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PictureSource::PictureSource(const QString& path, bool keyed)
    : own_(path, keyed), doubleSize_(doubleSizePath(path), keyed) {}

const QImage& PictureSource::ownSize(qreal ratio) {
    if (ratio <= 1) {
        return own_.atScale(8);
    }
    if (ratio != ratio_) {
        ratio_ = ratio;
        atRatio_ = atRatio(ratio);
        atRatio_.setDevicePixelRatio(ratio);
    }
    return atRatio_;
}

QImage PictureSource::atRatio(qreal ratio) {
    if (doubleSize_.exists()) {
        const bool jpeg = doubleSize_.isJpeg();
        const QSize drawnSize = jpeg ? doubleSize_.jpegSize() : doubleSize_.atScale(8).size();
        const QSize wanted = timesRatio(drawnSize / 2, ratio);
        const QImage& drawn = doubleSize_.atScale(jpeg ? jpegScaleInEighths(drawnSize, wanted) : 8);
        if (!drawn.isNull()) {
            return smoothlyScaled(drawn, wanted);
        }
    }
    const QImage& picture = own_.atScale(8);
    return picture.isNull() ? picture : smoothlyScaled(picture, timesRatio(picture.size(), ratio));
}

const QImage& PictureSource::forStretching(QSize shown) {
    if (own_.isJpeg()) {
        const QSize size = own_.jpegSize();
        return own_.atScale(size.isEmpty() ? 8 : jpegScaleInEighths(size, shown));
    }
    const QImage& picture = own_.atScale(8);
    if ((shown.width() > picture.width() || shown.height() > picture.height()) &&
        doubleSize_.exists() && !doubleSize_.atScale(8).isNull()) {
        return doubleSize_.atScale(8);
    }
    return picture;
}

} // namespace pictures
