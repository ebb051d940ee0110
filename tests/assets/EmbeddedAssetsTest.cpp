// Reads every picture and the icon back from the program's resources and checks the bytes the
// program carries: the file layouts its loaders accept, each picture's size, and for keyed
// pictures that the key colour only makes background see-through.
#include "AssetChecks.h"
#include "AssetTable.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QtEndian>
#include <cstddef>
#include <iterator>

namespace {

QByteArray embedded(const QString& path) {
    QFile file(QStringLiteral(":/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const Asset& assetAt(const QString& path) {
    for (const Asset& asset : kAssets) {
        if (path == QLatin1String(asset.path)) {
            return asset;
        }
    }
    qFatal("%s is not in the table", qPrintable(path));
}

template <std::size_t N> QSet<QString> pathsOf(const Asset (&table)[N]) {
    QSet<QString> paths;
    for (const Asset& asset : table) {
        paths.insert(QLatin1String(asset.path));
    }
    return paths;
}

// An icon file's images as Qt's reader decodes them, in the file's order, without alpha
// premultiplied.
QList<QImage> iconImages(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

QSet<QString> tablePaths() {
    return pathsOf(kAssets);
}

// Files under `root`, relative to it.
QSet<QString> filesUnder(const QString& root) {
    QSet<QString> paths;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        paths.insert(QDir(root).relativeFilePath(it.next()));
    }
    return paths;
}

QString difference(const QSet<QString>& found, const QSet<QString>& expected) {
    QStringList extra = QSet<QString>(found).subtract(expected).values();
    QStringList missing = QSet<QString>(expected).subtract(found).values();
    extra.sort();
    missing.sort();
    return QStringLiteral("not in the table: [%1]; missing: [%2]")
        .arg(extra.join(QStringLiteral(", ")), missing.join(QStringLiteral(", ")));
}

template <typename T> QByteArray withField(QByteArray bytes, qsizetype at, T value) {
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

// A 24-bit bitmap with every pixel of one colour repainted in another.
QByteArray recoloured(QByteArray bytes, const Asset& asset, Rgb from, Rgb to) {
    constexpr qsizetype kPixelOffset = 54;
    const qsizetype rowBytes = (qsizetype{asset.width} * 3 + 3) & ~qsizetype{3};
    for (int y = 0; y < asset.height; ++y) {
        for (int x = 0; x < asset.width; ++x) {
            char* pixel = bytes.data() + kPixelOffset + y * rowBytes + x * 3;
            if (pixel[0] == static_cast<char>(from.blue) &&
                pixel[1] == static_cast<char>(from.green) &&
                pixel[2] == static_cast<char>(from.red)) {
                pixel[0] = static_cast<char>(to.blue);
                pixel[1] = static_cast<char>(to.green);
                pixel[2] = static_cast<char>(to.red);
            }
        }
    }
    return bytes;
}

QImage decoded(const QByteArray& bytes) {
    return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
}

QByteArray encodedPng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A PNG with the IHDR field at `offset` (bit depth 24, colour type 25, interlace 28) changed.
QByteArray withHeaderByte(QByteArray bytes, qsizetype offset, char value) {
    bytes[offset] = value;
    return bytes;
}

// A PNG with a chunk added before IEND, its CRC left zero: the layout check does not read it.
QByteArray withChunkBeforeEnd(QByteArray bytes, const char* type, const QByteArray& data) {
    QByteArray chunk(4, '\0');
    qToBigEndian(static_cast<quint32>(data.size()), chunk.data());
    chunk += QByteArray(type, 4) + data + QByteArray(4, '\0');
    constexpr qsizetype kEndChunkBytes = 12;
    bytes.insert(bytes.size() - kEndChunkBytes, chunk);
    return bytes;
}

// Bottom-up rows: the first stored pixel is the bottom-left one.
QByteArray withBottomLeft(QByteArray bytes, Rgb colour) {
    bytes[54] = static_cast<char>(colour.blue);
    bytes[55] = static_cast<char>(colour.green);
    bytes[56] = static_cast<char>(colour.red);
    return bytes;
}

} // namespace

class EmbeddedAssetsTest : public QObject {
    Q_OBJECT

private slots:
    void resourcesHoldTheTable() {
        QSet<QString> found = filesUnder(QStringLiteral(":/"));
        // Qt's own resources, linked in with its libraries.
        found.removeIf([](const QString& path) {
            return path.startsWith(QLatin1String("qt-project.org/")) ||
                   path.startsWith(QLatin1String("qpdf/"));
        });
        QVERIFY2(found == tablePaths(), qPrintable(difference(found, tablePaths())));
    }

    void assetsFolderHoldsTheTable() {
        QSet<QString> found = filesUnder(QStringLiteral(PIPEWEIGHT_ASSETS_DIR));
        found.remove(QStringLiteral("CMakeLists.txt"));
        const QSet<QString> expected = tablePaths() + pathsOf(kInstallerPictures) +
                                       QSet{QString::fromLatin1(kProgramFileIcon.path)};
        QVERIFY2(found == expected, qPrintable(difference(found, expected)));
    }

    void installerPictureFormat_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < std::size(kInstallerPictures); ++row) {
            QTest::newRow(kInstallerPictures[row].path) << static_cast<int>(row);
        }
    }

    void installerPictureFormat() {
        QFETCH(int, row);
        const Asset& picture = kInstallerPictures[row];
        QFile file(QStringLiteral(PIPEWEIGHT_ASSETS_DIR "/") + QLatin1String(picture.path));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QString problem = formatProblem(file.readAll(), picture);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // The program file shows the windows' icon: the same images, pixel for pixel.
    void programFileIconIsMainIcon() {
        QFile file(QStringLiteral(PIPEWEIGHT_ASSETS_DIR "/") +
                   QLatin1String(kProgramFileIcon.path));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QByteArray programFileIcon = file.readAll();
        const QString problem = formatProblem(programFileIcon, kProgramFileIcon);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const QList<QImage> shown = iconImages(programFileIcon);
        const QList<QImage> drawn = iconImages(embedded(QStringLiteral("MAINICON.ico")));
        QCOMPARE(drawn.size(), qsizetype(kIconSizes.size()));
        QCOMPARE(shown.size(), drawn.size());
        for (qsizetype i = 0; i < drawn.size(); ++i) {
            QVERIFY2(
                shown[i] == drawn[i],
                qPrintable(QStringLiteral("the %1-pixel image differs").arg(drawn[i].width())));
        }
    }

    void format_data() {
        QTest::addColumn<QString>("path");
        for (const Asset& asset : kAssets) {
            QTest::newRow(asset.path) << QString::fromLatin1(asset.path);
        }
    }

    void format() {
        QFETCH(QString, path);
        const QString problem = formatProblem(embedded(path), assetAt(path));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void keyColour_data() {
        QTest::addColumn<QString>("path");
        for (const Asset& asset : kAssets) {
            if (asset.key) {
                QTest::newRow(asset.path) << QString::fromLatin1(asset.path);
            }
        }
    }

    void keyColour() {
        QFETCH(QString, path);
        const QString problem = keyProblem(embedded(path), assetAt(path));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void doubleSizeTwin_data() {
        QTest::addColumn<QString>("path");
        for (const Asset& asset : kAssets) {
            if (isDoubleSize(asset)) {
                QTest::newRow(asset.path) << QString::fromLatin1(asset.path);
            }
        }
    }

    void doubleSizeTwin() {
        QFETCH(QString, path);
        const Asset& doubled = assetAt(path);
        const Asset* designed = designedTwin(doubled);
        QVERIFY2(designed != nullptr, "no designed-size twin in the table");
        const QString problem = twinProblem(embedded(path), doubled,
                                            embedded(QLatin1String(designed->path)), *designed);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // The checks above, shown to fail on copies of real files with one thing wrong.
    void damagedCopiesAreCaught_data() {
        QTest::addColumn<QString>("path"); // whose row of the table the copy is checked against
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("keyed");    // the key check rather than the format check
        QTest::addColumn<QString>("cause"); // part of the expected complaint

        const QString slidePath = QStringLiteral("Form3/Image1.jpg");
        const QByteArray slide = embedded(slidePath);
        QByteArray progressive = slide;
        progressive[progressive.indexOf("\xFF\xC0") + 1] = '\xC2';
        QTest::newRow("progressive JPEG") << slidePath << progressive << false << "FFC2";
        QTest::newRow("JPEG cut short") << slidePath << slide.chopped(100) << false << "EOI";
        QTest::newRow("JPEG of another size")
            << QStringLiteral("Form3/Image3.jpg") << slide << false << "609x429";

        const QString steelPath = QStringLiteral("Form1/Image9.bmp");
        const QByteArray steel = embedded(steelPath);
        QTest::newRow("32 bits per pixel")
            << steelPath << withField<quint16>(steel, 28, 32) << false << "32 bits";
        QTest::newRow("BITMAPV5HEADER")
            << steelPath << withField<quint32>(steel, 14, 124) << false << "124 bytes";
        QTest::newRow("RLE") << steelPath << withField<quint32>(steel, 30, 1) << false
                             << "compression 1";
        QTest::newRow("palette") << steelPath << withField<quint32>(steel, 46, 256) << false
                                 << "palette";
        QTest::newRow("bitmap cut short") << steelPath << steel.chopped(1) << false << "bytes";
        QTest::newRow("bitmap of another size")
            << QStringLiteral("Form1/Image1.bmp") << steel << false << "384x376";

        const QString iconPath = QStringLiteral("MAINICON.ico");
        const QByteArray icon = embedded(iconPath);
        QTest::newRow("icon lacking an image")
            << iconPath << withField<quint16>(icon, 4, 4) << false << "images";
        QTest::newRow("icon cut short")
            << iconPath << icon.left(icon.size() / 2) << false << "outside";

        const QString badgePath = QStringLiteral("Form3/BitBtn1.bmp");
        const Asset& badge = assetAt(badgePath);
        const QByteArray badgeBytes = embedded(badgePath);
        QTest::newRow("white arrow in the white key")
            << badgePath << recoloured(badgeBytes, badge, {0xFF, 0xFF, 0xFE}, {0xFF, 0xFF, 0xFF})
            << true << "inside the content";
        QByteArray blank = badgeBytes;
        blank.replace(54, blank.size() - 54, QByteArray(blank.size() - 54, '\xFF'));
        QTest::newRow("nothing but key") << badgePath << blank << true << "100.0%";
        QTest::newRow("content at the bottom-left")
            << badgePath << withBottomLeft(badgeBytes, {0x24, 0x88, 0x29}) << true
            << "bottom-left pixel 248829";
        const QString bandPath = QStringLiteral("Form3/Image12.bmp");
        QTest::newRow("band keyed with the backdrop's teal")
            << bandPath << withBottomLeft(embedded(bandPath), {0x10, 0x40, 0x50}) << true
            << "bottom-left pixel 104050";

        const QString bannerPath = QStringLiteral("Form1/Image11@2x.png");
        const QByteArray banner = embedded(bannerPath);
        QTest::newRow("PNG with alpha")
            << bannerPath << withHeaderByte(banner, 25, 6) << false << "colour type 6";
        QTest::newRow("palette PNG")
            << bannerPath << withHeaderByte(banner, 25, 3) << false << "colour type 3";
        QTest::newRow("16-bit PNG")
            << bannerPath << withHeaderByte(banner, 24, 16) << false << "of 16 bits";
        QTest::newRow("interlaced PNG")
            << bannerPath << withHeaderByte(banner, 28, 1) << false << "interlaced";
        QTest::newRow("PNG with a transparent colour")
            << bannerPath << withChunkBeforeEnd(banner, "tRNS", QByteArray(6, '\0')) << false
            << "transparent colour";
        QTest::newRow("PNG cut short")
            << bannerPath << banner.chopped(100) << false << "past the end";
        QTest::newRow("PNG of another size")
            << QStringLiteral("Form1/Image10@2x.png") << banner << false << "478x60";
        QImage covered = decoded(banner);
        covered.setPixel(0, covered.height() - 1, qRgb(0x1C, 0x31, 0x60));
        QTest::newRow("double-size content at the bottom-left")
            << bannerPath << encodedPng(covered) << true << "bottom-left pixel 1C3160";
    }

    void damagedCopiesAreCaught() {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keyed);
        QFETCH(QString, cause);
        const Asset& asset = assetAt(path);
        const QString problem = keyed ? keyProblem(bytes, asset) : formatProblem(bytes, asset);
        QVERIFY2(problem.contains(cause),
                 qPrintable(QStringLiteral("complaint: \"%1\"").arg(problem)));
    }

    // The comparison with the designed-size twin, shown to fail on double-size pictures that
    // are not a redrawing of it.
    void damagedTwinsAreCaught_data() {
        QTest::addColumn<QString>("path"); // of the double-size row the copy stands for
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");

        const QString upPath = QStringLiteral("Form3/BitBtn1@2x.png");
        const QImage designedUp = decoded(embedded(QStringLiteral("Form3/BitBtn1.bmp")));
        QTest::newRow("designed pixels doubled")
            << upPath << encodedPng(designedUp.scaled(designedUp.size() * 2)) << "pixels doubled";
        QTest::newRow("another drawing of the same size")
            << upPath << embedded(QStringLiteral("Form3/BitBtn2@2x.png"))
            << "not the designed drawing";
        QTest::newRow("a drawing of another size")
            << upPath << embedded(QStringLiteral("Form1/BitBtn1@2x.png")) << "not twice";

        const QString bannerPath = QStringLiteral("Form1/Image11@2x.png");
        const QImage banner = decoded(embedded(bannerPath));
        QImage shifted = banner;
        shifted.fill(banner.pixel(0, banner.height() - 1));
        QPainter(&shifted).drawImage(2, 0, banner); // one designed pixel to the right
        QTest::newRow("drawing shifted by a pixel")
            << bannerPath << encodedPng(shifted) << "not the designed drawing";

        const QString bandPath = QStringLiteral("Form3/Image12@2x.png");
        QImage rekeyed = decoded(embedded(bandPath));
        const QRgb navy = rekeyed.pixel(0, rekeyed.height() - 1);
        for (int y = 0; y < rekeyed.height(); ++y) {
            for (int x = 0; x < rekeyed.width(); ++x) {
                if (rekeyed.pixel(x, y) == navy) {
                    rekeyed.setPixel(x, y, qRgb(0x00, 0x00, 0x88));
                }
            }
        }
        QTest::newRow("keyed with another navy")
            << bandPath << encodedPng(rekeyed) << "bottom-left pixel 000088";
    }

    void damagedTwinsAreCaught() {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const Asset& doubled = assetAt(path);
        const Asset& designed = *designedTwin(doubled);
        const QString problem =
            twinProblem(bytes, doubled, embedded(QLatin1String(designed.path)), designed);
        QVERIFY2(problem.contains(cause),
                 qPrintable(QStringLiteral("complaint: \"%1\"").arg(problem)));
    }
};

QTEST_GUILESS_MAIN(EmbeddedAssetsTest)
#include "EmbeddedAssetsTest.moc"
