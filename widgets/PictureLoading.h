// The embedded pictures, decoded when first needed and at the size they are shown.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <map>

namespace widgets {

// One picture file: a bitmap through Qt's reader, a JPEG through libjpeg. A picture that
// cannot be decoded gives null images, so its box stays empty and nothing else is affected.
class PictureSource {
public:
    PictureSource() = default;
    PictureSource(const QString& path, bool keyed);

    // The picture at its own size.
    const QImage& ownSize();

    // The picture decoded to be stretched to `shown` pixels: a JPEG at the smallest DCT scale
    // at least that large, anything else at its own size. Each scale is decoded once.
    const QImage& forStretching(QSize shown);

private:
    void readOnce();
    const QImage& atScale(int eighths);
    QImage decode(int eighths) const;

    QString path_;
    bool keyed_ = false;
    bool jpeg_ = false;
    QByteArray data_;
    QSize jpegSize_;
    bool read_ = false;
    std::map<int, QImage> decoded_;
};

// The picture with every pixel of its bottom-left pixel's colour made fully transparent.
QImage withKeyColourDropped(const QImage& picture);

// A picture file's bytes, from the resources or the file system; empty when missing.
QByteArray readPictureFile(const QString& path);

} // namespace widgets
