// iconexport <icon.ico> <size> <output.png> [<size> <output.png>...]
// Writes the icon's square image of each size as a PNG with its alpha channel, for the
// desktop's icon theme. Fails when the icon holds no image of a size asked for.
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QList>
#include <QString>
#include <cstdio>
#include <optional>

namespace {

QList<QImage> imagesOf(const QString& iconPath) {
    QImageReader reader(iconPath, "ico");
    QList<QImage> images;
    for (int index = 0; index < reader.imageCount(); ++index) {
        if (reader.jumpToImage(index)) {
            QImage image = reader.read();
            if (!image.isNull()) {
                images.append(image);
            }
        }
    }
    return images;
}

std::optional<QImage> squareOfSize(const QList<QImage>& images, int size) {
    for (const QImage& image : images) {
        if (image.width() == size && image.height() == size) {
            return image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: iconexport <icon.ico> <size> <output.png> [...]\n");
        return 2;
    }
    const QList<QImage> images = imagesOf(QString::fromLocal8Bit(argv[1]));
    if (images.isEmpty()) {
        std::fprintf(stderr, "iconexport: %s holds no readable image\n", argv[1]);
        return 1;
    }
    for (int arg = 2; arg < argc; arg += 2) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[arg]).toInt(&isNumber);
        const std::optional<QImage> image = isNumber ? squareOfSize(images, size) : std::nullopt;
        if (!image) {
            std::fprintf(stderr, "iconexport: %s has no %s px image\n", argv[1], argv[arg]);
            return 1;
        }
        QImageWriter writer(QString::fromLocal8Bit(argv[arg + 1]), "png");
        if (!writer.write(*image)) {
            std::fprintf(stderr, "iconexport: %s: %s\n", argv[arg + 1],
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
