#include "widgets/PictureLoading.h"

#include "widgets/BitmapDecoder.h"
#include "widgets/JpegDecoder.h"

#include <QFile>

namespace widgets {

QByteArray readPictureFile(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QImage withKeyColourDropped(const QImage& picture) {
    if (picture.isNull()) {
        return picture;
    }
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

PictureSource::PictureSource(const QString& path, bool keyed)
    : path_(path), keyed_(keyed),
      jpeg_(path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
            path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive)) {}

const QImage& PictureSource::ownSize() {
    return atScale(8);
}

const QImage& PictureSource::forStretching(QSize shown) {
    if (!jpeg_) {
        return atScale(8);
    }
    readOnce();
    return atScale(jpegSize_.isEmpty() ? 8 : jpegScaleInEighths(jpegSize_, shown));
}

void PictureSource::readOnce() {
    if (!read_) {
        read_ = true;
        data_ = readPictureFile(path_);
        if (jpeg_) {
            jpegSize_ = jpegSize(data_);
        }
    }
}

const QImage& PictureSource::atScale(int eighths) {
    readOnce();
    auto found = decoded_.find(eighths);
    if (found == decoded_.end()) {
        found = decoded_.emplace(eighths, decode(eighths)).first;
    }
    return found->second;
}

QImage PictureSource::decode(int eighths) const {
    QImage image = jpeg_ ? decodeJpeg(data_, eighths) : decodeBitmap(data_);
    return keyed_ ? withKeyColourDropped(image) : image;
}

} // namespace widgets
