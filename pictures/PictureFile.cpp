#include "pictures/PictureFile.h"

#include <QFile>
#include <QResource>

namespace pictures {

QByteArray readPictureFile(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    if (path.startsWith(u':')) {
        const QResource resource(path);
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression &&
            resource.size() > 0) {
            return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                           static_cast<qsizetype>(resource.size()));
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString doubleSizePath(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString stem = dot > slash ? path.left(dot) : path;
    return stem + (isJpegPath(path) ? QStringLiteral("@2x.jpg") : QStringLiteral("@2x.png"));
}

bool isJpegPath(const QString& path) {
    return path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

} // namespace pictures
