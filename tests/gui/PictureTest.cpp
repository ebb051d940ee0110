// Decoding the embedded pictures: DCT scales, damaged data, one decoding per size, keying.
#include "pictures/BitmapDecoder.h"
#include "pictures/IconDecoder.h"
#include "pictures/JpegDecoder.h"
#include "pictures/KeyColour.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureSource.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstring>

namespace {

QByteArray resource(const QString& path) {
    return pictures::readPictureFile(path);
}

QByteArray encodedJpeg(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void scaleIsTheSmallestAtLeastAsLargeAsTheBox_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<int>("eighths");
        QTest::newRow("slide 1 thumbnail") << QSize(609, 429) << QSize(49, 41) << 1;
        QTest::newRow("slide 1 enlarged") << QSize(609, 429) << QSize(425, 313) << 6;
        QTest::newRow("slide 10 enlarged") << QSize(971, 665) << QSize(425, 313) << 4;
        QTest::newRow("slide 8 enlarged") << QSize(461, 346) << QSize(425, 313) << 8;
        QTest::newRow("height decides") << QSize(800, 320) << QSize(100, 313) << 8;
        QTest::newRow("larger than the picture") << QSize(100, 100) << QSize(500, 500) << 8;
        QTest::newRow("exact eighth") << QSize(800, 800) << QSize(100, 100) << 1;
        QTest::newRow("just over an eighth") << QSize(800, 800) << QSize(101, 100) << 2;
    }
    void scaleIsTheSmallestAtLeastAsLargeAsTheBox() {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        QFETCH(int, eighths);
        QCOMPARE(pictures::jpegScaleInEighths(picture, shown), eighths);
    }

    void decodesEmbeddedSlidesAtEachScale() {
        const QByteArray slide = resource(QStringLiteral(":/Form3/Image1.jpg"));
        QCOMPARE(pictures::jpegSize(slide), QSize(609, 429));
        QCOMPARE(pictures::decodeJpeg(slide, 8).size(), QSize(609, 429));
        QCOMPARE(pictures::decodeJpeg(slide, 6).size(), QSize(457, 322));
        QCOMPARE(pictures::decodeJpeg(slide, 1).size(), QSize(77, 54));
    }

    void decodedColoursMatchTheEncodedOnes() {
        const QImage image = pictures::decodeJpeg(encodedJpeg({64, 48}, QColor(200, 40, 90)));
        QCOMPARE(image.size(), QSize(64, 48));
        const QColor centre = image.pixelColor(32, 24);
        QVERIFY(qAbs(centre.red() - 200) <= 3 && qAbs(centre.green() - 40) <= 3 &&
                qAbs(centre.blue() - 90) <= 3);
    }

    void damagedDataGivesNoPicture_data() {
        const QByteArray good = resource(QStringLiteral(":/Form3/Image7.jpg"));
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("%s %n %1 not a picture at all");
        QTest::newRow("start marker only") << QByteArray("\xFF\xD8", 2);
        QTest::newRow("cut in the header") << good.left(300);
        QTest::newRow("cut in the scan") << good.left(good.size() / 2);
        QByteArray scrambled = good;
        for (qsizetype i = scrambled.size() / 3; i < scrambled.size() / 3 + 400; ++i) {
            scrambled[i] = static_cast<char>(0xFF);
        }
        QTest::newRow("scrambled scan") << scrambled;
        QByteArray noise(20000, '\0');
        for (qsizetype i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>((i * 7919 + 13) % 251);
        }
        QTest::newRow("noise after the start marker") << QByteArray("\xFF\xD8", 2) + noise;
    }
    void damagedDataGivesNoPicture() {
        QFETCH(QByteArray, data);
        QVERIFY(pictures::decodeJpeg(data, 8).isNull());
        QVERIFY(pictures::decodeJpeg(data, 1).isNull());
    }

    void aDamagedPictureLeavesItsBoxEmpty() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("damaged.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(resource(QStringLiteral(":/Form3/Image8.jpg")).left(5000));
        file.close();
        QWidget window;
        window.resize(100, 100);
        widgets::PictureBox box(&window);
        box.setGeometry(10, 10, 49, 41);
        box.setStretch(true);
        box.setPicture(path);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(box.image().isNull());
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(30, 30), shot.pixelColor(5, 5));
    }

    void stretchedSlidesAreDecodedAtTheScaleTheirBoxNeeds() {
        pictures::PictureSource source(QStringLiteral(":/Form3/Image11.jpg"), false);
        QCOMPARE(source.forStretching({49, 41}).size(), QSize(122, 84));
        QCOMPARE(source.forStretching({60, 50}).size(), QSize(122, 84)); // the same eighth serves
        QCOMPARE(source.forStretching({425, 313}).size(), QSize(486, 333));
        QCOMPARE(source.ownSize().size(), QSize(971, 665));
    }

    void keyedPicturesDropTheirBottomLeftColour() {
        pictures::PictureSource keyed(QStringLiteral(":/Form1/Image6.bmp"), true);
        const QImage image = keyed.ownSize();
        QCOMPARE(image.size(), QSize(273, 145));
        QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
        int shown = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                shown += qAlpha(image.pixel(x, y)) == 255;
            }
        }
        QVERIFY(shown > image.width() * image.height() / 10);
        QVERIFY(shown < image.width() * image.height());
        pictures::PictureSource opaque(QStringLiteral(":/Form1/Image6.bmp"), false);
        QCOMPARE(qAlpha(opaque.ownSize().pixel(0, 144)), 255);
    }

    void bitmapsDecodeAsQtReadsThem_data() {
        QTest::addColumn<QString>("path");
        for (const char* name : {"Form1/Image9", "Form1/Image1", "Form1/Image6", "Form1/Image10",
                                 "Form1/Image11", "Form1/BitBtn1", "Form1/BitBtn2", "Form3/Image12",
                                 "Form3/Image13", "Form3/BitBtn1"}) {
            QTest::newRow(name) << QStringLiteral(":/%1.bmp").arg(QLatin1String(name));
        }
    }
    void bitmapsDecodeAsQtReadsThem() {
        QFETCH(QString, path);
        const QByteArray data = resource(path);
        const QImage ours = pictures::decodeBitmap(data).convertToFormat(QImage::Format_RGB32);
        const QImage qts = QImage::fromData(data).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!ours.isNull());
        QCOMPARE(ours, qts);
    }

    void otherBitmapsGoToQtsReader() {
        QImage indexed(7, 5, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
        indexed.fill(1);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(indexed.save(&buffer, "BMP"));
        const QImage decoded = pictures::decodeBitmap(bytes);
        QCOMPARE(decoded.size(), QSize(7, 5));
        QCOMPARE(decoded.pixel(3, 2) & RGB_MASK, qRgb(200, 100, 50) & RGB_MASK);
    }

    void topDownBitmapsStandTheRightWayUp() {
        QByteArray data = resource(QStringLiteral(":/Form1/BitBtn1.bmp"));
        const QImage bottomUp = pictures::decodeBitmap(data);
        // The same rows stored top row first, as a negative height says.
        const qint32 height = qFromLittleEndian<qint32>(data.constData() + 22);
        const qsizetype rowBytes = (bottomUp.width() * 3 + 3) & ~3;
        const qsizetype pixels = qFromLittleEndian<quint32>(data.constData() + 10);
        QByteArray flipped = data;
        for (int row = 0; row < height; ++row) {
            std::memcpy(flipped.data() + pixels + rowBytes * row,
                        data.constData() + pixels + rowBytes * (height - 1 - row),
                        static_cast<std::size_t>(rowBytes));
        }
        qToLittleEndian<qint32>(-height, flipped.data() + 22);
        QCOMPARE(pictures::decodeBitmap(flipped), bottomUp);
    }

    void damagedBitmapsGiveNoPicture() {
        const QByteArray good = resource(QStringLiteral(":/Form1/Image9.bmp"));
        QVERIFY(pictures::decodeBitmap(good.left(good.size() - 1)).isNull());
        QVERIFY(pictures::decodeBitmap(good.left(60)).isNull());
        QVERIFY(pictures::decodeBitmap(QByteArray("BM%s%n%1")).isNull());
        QByteArray huge = good;
        qToLittleEndian<qint32>(1 << 20, huge.data() + 18);
        QVERIFY(pictures::decodeBitmap(huge).isNull());
    }

    void theProgramIconDecodesAsQtReadsIt() {
        const QByteArray data = resource(QStringLiteral(":/MAINICON.ico"));
        const QIcon ours = pictures::decodeIcon(data);
        QCOMPARE(ours.availableSizes(),
                 (QList<QSize>{{128, 128}, {96, 96}, {64, 64}, {48, 48}, {32, 32}}));
        QBuffer buffer;
        buffer.setData(data);
        QImageReader qts(&buffer, "ico");
        for (bool more = true; more; more = qts.jumpToNextImage()) {
            const QImage image = qts.read();
            QCOMPARE(ours.pixmap(image.size()).toImage().convertToFormat(QImage::Format_ARGB32),
                     image.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void otherOrDamagedIconsGiveNoWrongPicture() {
        const QByteArray good = resource(QStringLiteral(":/MAINICON.ico"));
        QVERIFY(pictures::decodeIcon(QByteArray()).isNull());
        QVERIFY(pictures::decodeIcon(QByteArray("%s %n %1")).isNull());
        QVERIFY(pictures::decodeIcon(good.left(40)).isNull());
        // An entry that is no 32-bit bitmap goes to Qt's reader, which finds nothing either.
        QVERIFY(pictures::decodeIcon(good.left(good.size() / 2)).availableSizes().size() < 5);
        QVERIFY(pictures::readIcon(QStringLiteral(":/NoSuchIcon.ico")).isNull());
    }

    void aMissingPictureGivesNothing() {
        pictures::PictureSource missing(QStringLiteral(":/Form3/NoSuchImage.jpg"), false);
        QVERIFY(missing.ownSize().isNull());
        QVERIFY(missing.forStretching({49, 41}).isNull());
        QVERIFY(pictures::withKeyColourDropped(QImage()).isNull());
    }
};

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
