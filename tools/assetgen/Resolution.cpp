#include "Resolution.h"

namespace assetgen {
namespace {

QImage canvas(QSize logical, int scale, QImage::Format format) {
    QImage image(logical * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

QString scaledName(const QString& name, int scale) {
    return scale == 1 ? name : QStringLiteral("%1@%2x").arg(name).arg(scale);
}

QImage transparentCanvas(QSize logical, int scale) {
    QImage image = canvas(logical, scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage opaqueCanvas(QSize logical, int scale, QColor fill) {
    QImage image = canvas(logical, scale, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

} // namespace assetgen
