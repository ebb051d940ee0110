// Finishing of pictures shown with a key colour. Dropping the key leaves no partial
// transparency, so soft edges are blended here with what the picture will be shown over.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace assetgen::calculator {

// The light-grey window background that the top band's pictures and the button glyphs sit on.
inline const QColor kButtonFace{0xF0, 0xF0, 0xF0};

// `content` is drawn on a transparent ARGB image; `backdrop` (same size) is what shows through
// where the key is dropped. Returns the final picture, checked for its bottom-left key pixel.
QImage keyedOver(const QImage& content, const QImage& backdrop, QRgb key, const QString& name);
QImage keyedOver(const QImage& content, QColor backdrop, QRgb key, const QString& name);

} // namespace assetgen::calculator
