#include "pictures/PictureSource.h"

#include "pictures/PictureFile.h"

#include <cmath>

namespace pictures {
namespace {

QSize timesRatio(QSize logical, qreal ratio) {
    return {static_cast<int>(std::lround(logical.width() * ratio)),
            static_cast<int>(std::lround(logical.height() * ratio))};
}

} // namespace

PictureSource::PictureSource(const QString& path, bool keyed)
    : own_(path, keyed), doubleSize_(doubleSizePath(path), keyed) {}

QImage PictureSource::ownSize(qreal ratio) {
    if (ratio <= 1) {
        return own_.read();
    }
    QImage image = atRatio(ratio);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage PictureSource::atRatio(qreal ratio) {
    if (const QSize drawn = doubleSize_.size(); !drawn.isEmpty()) {
        const QSize wanted = timesRatio(drawn / 2, ratio);
        return doubleSize_.read(wanted == drawn ? QSize() : wanted);
    }
    const QSize own = own_.size();
    return own.isEmpty() ? QImage() : own_.read(timesRatio(own, ratio));
}

QImage PictureSource::forStretching(QSize shown) {
    const QSize own = own_.size();
    if (own_.isJpeg()) {
        return own_.read(shown);
    }
    if ((shown.width() > own.width() || shown.height() > own.height()) &&
        !doubleSize_.size().isEmpty()) {
        return doubleSize_.read();
    }
    return own_.read();
}

} // namespace pictures
