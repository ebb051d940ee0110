#include "pictures/EncodedPicture.h"

#include "pictures/BitmapDecoder.h"
#include "pictures/JpegDecoder.h"
#include "pictures/KeyColour.h"
#include "pictures/PictureFile.h"

#include <QImageReader>

namespace pictures {

EncodedPicture::EncodedPicture(const QString& path, bool keyed)
    : path_(path), keyed_(keyed), jpeg_(isJpegPath(path)) {}

QSize EncodedPicture::size() {
    if (!sizeRead_) {
        sizeRead_ = true;
        if (jpeg_) {
            size_ = jpegSize(readPictureFile(path_));
        } else if (!path_.isEmpty()) {
            size_ = QImageReader(path_).size();
        }
    }
    return size_;
}

QImage EncodedPicture::read(QSize scaledTo) const {
    if (path_.isEmpty()) {
        return {};
    }
    QImage image;
    if (jpeg_) {
        image = decodeJpeg(readPictureFile(path_), scaledTo);
    } else if (keyed_ && !scaledTo.isValid()) {
        return decodeKeyedBitmap(readPictureFile(path_));
    } else {
        image = decodeBitmap(readPictureFile(path_));
        if (!image.isNull() && scaledTo.isValid() && scaledTo != image.size()) {
            image = image.scaled(scaledTo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    // A scaled picture's key is the colour its own corner came out in.
    return keyed_ ? withKeyColourDropped(std::move(image)) : image;
}

} // namespace pictures
