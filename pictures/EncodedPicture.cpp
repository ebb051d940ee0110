#include "pictures/EncodedPicture.h"

#include "pictures/BitmapDecoder.h"
#include "pictures/JpegDecoder.h"
#include "pictures/KeyColour.h"
#include "pictures/PictureFile.h"

namespace pictures {

EncodedPicture::EncodedPicture(const QString& path, bool keyed)
    : path_(path), keyed_(keyed), jpeg_(isJpegPath(path)) {}

void EncodedPicture::readOnce() {
    if (!read_) {
        read_ = true;
        data_ = readPictureFile(path_);
        if (jpeg_) {
            jpegSize_ = pictures::jpegSize(data_);
        }
    }
}

bool EncodedPicture::exists() {
    readOnce();
    return !data_.isEmpty();
}

QSize EncodedPicture::jpegSize() {
    readOnce();
    return jpegSize_;
}

QImage EncodedPicture::atScale(int eighths) {
    readOnce();
    QImage image = jpeg_ ? decodeJpeg(data_, eighths) : decodeBitmap(data_);
    return keyed_ ? withKeyColourDropped(std::move(image)) : image;
}

} // namespace pictures
