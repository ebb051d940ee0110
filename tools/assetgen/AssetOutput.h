// Writes the drawn pictures in the exact file formats the program embeds.
#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QString>

namespace assetgen {

class AssetOutput {
public:
    explicit AssetOutput(QDir root) : root_(std::move(root)) {}

    // Uncompressed 24-bit bitmap: BI_RGB, no palette, no alpha, bottom-up rows.
    // `relativePath` is e.g. "Form1/Image9.bmp". Fails loudly on a size mismatch.
    void bitmap(const QString& relativePath, const QImage& image, QSize expectedSize);

    // PNG without alpha or palette, 8-bit grey where every pixel is grey, else 24-bit RGB, as
    // small as the encoder can make it. The pixel density it records is 96 dpi times `scale`.
    void png(const QString& relativePath, const QImage& image, QSize expectedSize, int scale);

    // A picture shown unscaled, drawn at `scale` over a designed size of `logicalSize`: the
    // designed size as the bitmap "<name>.bmp", larger scales as "<name>@<scale>x.png".
    void unscaled(const QString& name, const QImage& image, QSize logicalSize, int scale);

    // Baseline JPEG with three colour components (YCbCr), fixed quality, so reruns give the
    // same bytes.
    void jpeg(const QString& relativePath, const QImage& image, QSize expectedSize,
              int quality = 90);

    // Raw bytes written as they are (the icon, whose format its drawer assembles).
    void file(const QString& relativePath, const QByteArray& bytes);

private:
    QString prepare(const QString& relativePath) const;

    QDir root_;
};

// A keyed picture's final pixels: content drawn on a transparent ARGB image is laid over the
// key colour. Pixels the content leaves fully transparent become the key colour; any other
// pixel that would come out exactly as the key colour is moved one step off it, so that only
// the background vanishes when the key is dropped. The bottom-left pixel must be background.
QImage composeOnKey(const QImage& content, QRgb key);

// Checks the rule above on a finished picture; aborts the generator when the bottom-left pixel
// is not the key colour.
void requireKeyAtBottomLeft(const QImage& image, QRgb key, const QString& name);

} // namespace assetgen
