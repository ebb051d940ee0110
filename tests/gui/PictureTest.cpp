// Decoding the embedded pictures: bitmaps and the icon as Qt reads them, damaged data, slides
// at the size they are shown, keying.
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

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void aDamagedPictureLeavesItsBoxEmpty() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("damaged.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Cut inside its header: nothing of it can be decoded.
        file.write(resource(QStringLiteral(":/Form3/Image8.jpg")).left(300));
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

    void stretchedSlidesAreDecodedAtTheirBoxsSize() {
        pictures::PictureSource source(QStringLiteral(":/Form3/Image11.jpg"), false);
        QCOMPARE(source.forStretching({49, 41}).size(), QSize(49, 41));
        QCOMPARE(source.forStretching({425, 313}).size(), QSize(425, 313));
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

    // Keyed while decoded, in one pass: the same pixels as keying the decoded picture.
    void keyedBitmapsDecodeAsDecodedThenKeyed_data() { bitmapsDecodeAsQtReadsThem_data(); }
    void keyedBitmapsDecodeAsDecodedThenKeyed() {
        QFETCH(QString, path);
        const QByteArray data = resource(path);
        const QImage keyed = pictures::decodeKeyedBitmap(data);
        QCOMPARE(keyed.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(keyed, pictures::withKeyColourDropped(pictures::decodeBitmap(data)));
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
        // All of it the key colour.
        const QImage keyed = pictures::decodeKeyedBitmap(bytes);
        QCOMPARE(keyed.size(), QSize(7, 5));
        QCOMPARE(keyed.pixel(3, 2), 0u);
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
        // Its key is still the colour of the bottom-left pixel, now stored last.
        QCOMPARE(pictures::decodeKeyedBitmap(flipped), pictures::decodeKeyedBitmap(data));
    }

    void damagedBitmapsGiveNoPicture() {
        const QByteArray good = resource(QStringLiteral(":/Form1/Image9.bmp"));
        QVERIFY(pictures::decodeBitmap(good.left(good.size() - 1)).isNull());
        QVERIFY(pictures::decodeBitmap(good.left(60)).isNull());
        QVERIFY(pictures::decodeBitmap(QByteArray("BM%s%n%1")).isNull());
        QVERIFY(pictures::decodeKeyedBitmap(good.left(good.size() - 1)).isNull());
        QByteArray huge = good;
        qToLittleEndian<qint32>(1 << 20, huge.data() + 18);
        QVERIFY(pictures::decodeBitmap(huge).isNull());
    }

    // The slides as Qt's JPEG reader gives them, at every size they are shown: their own, the
    // boxes they are stretched to, both larger and smaller, and cut short.
    void slidesDecodeAsQtsJpegReaderReadsThem_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("scaledTo");
        QTest::addColumn<int>("cutTo");
        for (int n = 1; n <= 11; ++n) {
            const QString path = QStringLiteral(":/Form3/Image%1.jpg").arg(n);
            for (const QSize size : {QSize(), QSize(49, 41), QSize(425, 313), QSize(1181, 783)}) {
                QTest::addRow("Image%d %dx%d", n, size.width(), size.height())
                    << path << size << -1;
            }
        }
        QTest::newRow("double size") << QStringLiteral(":/Form3/Image2@2x.jpg") << QSize() << -1;
        QTest::newRow("cut short") << QStringLiteral(":/Form3/Image1.jpg") << QSize() << 40000;
        QTest::newRow("cut short, scaled")
            << QStringLiteral(":/Form3/Image1.jpg") << QSize(300, 200) << 40000;
    }
    void slidesDecodeAsQtsJpegReaderReadsThem() {
        QFETCH(QString, path);
        QFETCH(QSize, scaledTo);
        QFETCH(int, cutTo);
        QByteArray data = resource(path);
        if (cutTo > 0) {
            data.truncate(cutTo);
        }
        QBuffer buffer;
        buffer.setData(data);
        QImageReader qts(&buffer, "jpeg");
        QCOMPARE(pictures::jpegSize(data), qts.size());
        if (scaledTo.isValid()) {
            qts.setScaledSize(scaledTo);
        }
        const QImage expected = qts.read();
        QVERIFY2(!expected.isNull(), qPrintable(qts.errorString()));
        QCOMPARE(pictures::decodeJpeg(data, scaledTo), expected);
    }

    void damagedJpegsGiveNoPicture() {
        const QByteArray good = resource(QStringLiteral(":/Form3/Image8.jpg"));
        QVERIFY(pictures::decodeJpeg(good.left(300)).isNull());
        QVERIFY(pictures::jpegSize(good.left(300)).isEmpty());
        QVERIFY(pictures::decodeJpeg(QByteArray()).isNull());
        QVERIFY(pictures::decodeJpeg(QByteArray("\xff\xd8%s %n %1")).isNull());
        QVERIFY(pictures::jpegSize(resource(QStringLiteral(":/Form1/Image9.bmp"))).isEmpty());
        QByteArray broken = good;
        // A frame header of zero lines.
        const qsizetype frame = broken.indexOf("\xff\xc0");
        QVERIFY(frame > 0);
        broken[frame + 5] = 0;
        broken[frame + 6] = 0;
        QVERIFY(pictures::decodeJpeg(broken).isNull());
    }

    // Every header byte spoiled in turn, and the file cut at many lengths: the decoder gives a
    // picture or nothing, never a crash (the sanitized run checks its memory use).
    void spoiledJpegsGiveAPictureOrNothing() {
        const QByteArray good = resource(QStringLiteral(":/Form3/Image2.jpg"));
        const QSize own = pictures::jpegSize(good);
        const auto check = [&](const QByteArray& data) {
            const QImage image = pictures::decodeJpeg(data, {49, 41});
            QVERIFY(image.isNull() || image.size() == QSize(49, 41));
            const QSize size = pictures::jpegSize(data);
            QVERIFY(size.isEmpty() || size.width() <= 0xffff);
        };
        for (qsizetype at = 0; at < std::min<qsizetype>(good.size(), 700); ++at) {
            for (const char spoiled : {'\x00', '\xff'}) {
                QByteArray data = good;
                data[at] = spoiled;
                check(data);
            }
        }
        for (qsizetype length = 1; length < good.size(); length += good.size() / 97) {
            check(good.left(length));
        }
        QCOMPARE(own, QSize(684, 459));
    }

    void theProgramIconDecodesAsQtReadsIt() {
        const QByteArray data = resource(QStringLiteral(":/MAINICON.ico"));
        const QIcon ours = pictures::decodeIcon(data);
        QCOMPARE(ours.availableSizes(),
                 (QList<QSize>{{128, 128}, {96, 96}, {64, 64}, {48, 48}, {32, 32}}));
        QBuffer buffer;
        buffer.setData(data);
        // Qt's own reader, the ico image plugin, which the program falls back on.
        QImageReader qts(&buffer, "ico");
        int images = 0;
        for (bool more = true; more; more = qts.jumpToNextImage()) {
            const QImage image = qts.read();
            QVERIFY2(!image.isNull(), qPrintable(qts.errorString()));
            QCOMPARE(ours.pixmap(image.size()).toImage().convertToFormat(QImage::Format_ARGB32),
                     image.convertToFormat(QImage::Format_ARGB32));
            ++images;
        }
        QCOMPARE(images, 5);
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
