// One picture file, read when first needed and decoded whenever asked: whoever draws it keeps
// what it draws, so no decoded copy is held here beside it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace pictures {

// A bitmap or PNG through the bitmap reader, a JPEG through libjpeg at a DCT scale. A file
// that is missing or cannot be decoded gives null images, so its box stays empty and nothing
// else is affected. A keyed picture has its key colour dropped.
class EncodedPicture {
public:
    EncodedPicture() = default;
    EncodedPicture(const QString& path, bool keyed);

    bool isJpeg() const { return jpeg_; }
    // Whether the file is there (it is read to find out).
    bool exists();
    // The pixel size of a JPEG from its header; an empty size for anything else.
    QSize jpegSize();

    // The picture at `eighths`/8 of its size (JPEG) or at its own size (anything else).
    QImage atScale(int eighths);

private:
    void readOnce();

    QString path_;
    bool keyed_ = false;
    bool jpeg_ = false;
    bool read_ = false;
    QByteArray data_;
    QSize jpegSize_;
};

} // namespace pictures
