// One picture file, decoded whenever asked: whoever draws it keeps what it draws, so no
// decoded copy is held here beside it.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {

// A bitmap, PNG or JPEG (decoded through libjpeg, scaling in the DCT where a smaller size is
// asked for). A file that is missing or cannot be decoded gives null images,
// so its box stays empty and nothing else is affected. A keyed picture has its key colour
// dropped.
class EncodedPicture {
public:
    EncodedPicture() = default;
    EncodedPicture(const QString& path, bool keyed);

    bool isJpeg() const { return jpeg_; }
    // The picture's pixel size from its header, read once; an empty size when the file is
    // missing or not a picture.
    QSize size();

    // The picture at its own size, or smoothly scaled to `scaledTo`.
    QImage read(QSize scaledTo = {}) const;

private:
    QString path_;
    bool keyed_ = false;
    bool jpeg_ = false;
    bool sizeRead_ = false;
    QSize size_;
};

} // namespace pictures
