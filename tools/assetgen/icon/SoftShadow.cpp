#include "SoftShadow.h"

#include <QPainter>
#include <vector>

namespace assetgen::icon {
namespace {

// One pass of a box blur along rows (`alongRows`) or columns of premultiplied pixels.
void boxBlur(QImage& image, int radius, bool alongRows) {
    const int n = alongRows ? image.width() : image.height();
    const int lines = alongRows ? image.height() : image.width();
    std::vector<int> sum(4);
    std::vector<QRgb> line(n);
    for (int l = 0; l < lines; ++l) {
        const auto at = [&](int i) -> QRgb& {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(alongRows ? l : i));
            return row[alongRows ? i : l];
        };
        for (int i = 0; i < n; ++i) {
            line[i] = at(i);
        }
        for (int i = 0; i < n; ++i) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int k = i - radius; k <= i + radius; ++k) {
                if (k >= 0 && k < n) {
                    a += qAlpha(line[k]);
                    r += qRed(line[k]);
                    g += qGreen(line[k]);
                    b += qBlue(line[k]);
                }
            }
            const int count = 2 * radius + 1;
            at(i) = qRgba(r / count, g / count, b / count, a / count);
        }
    }
}

} // namespace

QImage softShadow(int size, const QPainterPath& shape, const QTransform& toDevice, QColor colour,
                  int radius) {
    QImage shadow(size, size, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter painter(&shadow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(toDevice);
    painter.fillPath(shape, colour);
    painter.end();
    // Three box passes come close to a gaussian.
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(shadow, radius, true);
        boxBlur(shadow, radius, false);
    }
    return shadow;
}

} // namespace assetgen::icon
