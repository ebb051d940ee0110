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

QImage PictureSource::ownSize(qreal ratio) {
    if (ratio <= 1) {
        return own_.atScale(8);
    }
    QImage image = atRatio(ratio);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage PictureSource::atRatio(qreal ratio) {
    if (doubleSize_.exists()) {
        if (doubleSize_.isJpeg()) {
            const QSize drawnSize = doubleSize_.jpegSize();
            const QSize wanted = timesRatio(drawnSize / 2, ratio);
            const QImage drawn = doubleSize_.atScale(jpegScaleInEighths(drawnSize, wanted));
            if (!drawn.isNull()) {
                return smoothlyScaled(drawn, wanted);
            }
        } else if (const QImage drawn = doubleSize_.atScale(8); !drawn.isNull()) {
            return smoothlyScaled(drawn, timesRatio(drawn.size() / 2, ratio));
        }
    }
    const QImage picture = own_.atScale(8);
    return picture.isNull() ? picture : smoothlyScaled(picture, timesRatio(picture.size(), ratio));
}

QImage PictureSource::forStretching(QSize shown) {
    if (own_.isJpeg()) {
        const QSize size = own_.jpegSize();
        return own_.atScale(size.isEmpty() ? 8 : jpegScaleInEighths(size, shown));
    }
    const QImage picture = own_.atScale(8);
    if ((shown.width() > picture.width() || shown.height() > picture.height()) &&
        doubleSize_.exists()) {
        if (const QImage drawn = doubleSize_.atScale(8); !drawn.isNull()) {
            return drawn;
        }
    }
    return picture;
}

} // namespace pictures
