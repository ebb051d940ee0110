// Every picture of both windows as it reaches the screen, at the device pixel ratio the test
// runs at (1, or 2 under QT_SCALE_FACTOR=2): at 1 the embedded files' own pixels; at 2 the
// double-size drawings and the slides decoded at full resolution, never the 1x pixels
// repeated.
#include "ProgramWindows.h"
#include "RealInput.h"
#include "SlideCatalogue.h"
#include "pictures/KeyColour.h"
#include "pictures/PictureFile.h"

#include <QImageReader>

namespace {

using widgets::PictureBox;

// A picture file as Qt's image reader decodes it, smoothly scaled to `size` when one is given
// (a JPEG on its way through the DCT).
QImage decoded(const QString& path, QSize size = {}) {
    QImageReader reader(path);
    if (size.isValid()) {
        reader.setScaledSize(size);
    }
    return reader.read();
}

// The picture a box shows at its own size, straight from the file the ratio calls for.
QImage expectedOwnSize(const QString& path, bool keyed, qreal ratio) {
    const QImage image = decoded(ratio > 1 ? pictures::doubleSizePath(path) : path);
    return keyed ? pictures::withKeyColourDropped(image) : image;
}

// A slide stretched to `shown` device pixels.
QImage expectedStretched(const QString& path, QSize shown) {
    return decoded(path, shown);
}

// The same picture at half the resolution with every pixel repeated twice each way.
QImage pixelDoubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Counts the pixels of `expected` that are opaque and where `shot` differs, within the part of
// `shot` they cover; also counts the opaque pixels compared.
struct Comparison {
    int compared = 0;
    int differing = 0;
};
Comparison compareOpaquePixels(const QImage& shot, const QImage& expected) {
    const QImage want = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage got = shot.convertToFormat(QImage::Format_RGB32);
    Comparison result;
    for (int y = 0; y < qMin(want.height(), got.height()); ++y) {
        for (int x = 0; x < qMin(want.width(), got.width()); ++x) {
            const QRgb pixel = want.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++result.compared;
                result.differing += (got.pixel(x, y) & RGB_MASK) != (pixel & RGB_MASK);
            }
        }
    }
    return result;
}

// The image's pixels, whatever device pixel ratio it is marked with.
QImage devicePixels(const QImage& image) {
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

qreal expectedRatio() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

} // namespace

class ScreenPictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        app::initialiseApplication(*qApp);
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->bothShown());
        ratio = Form1->devicePixelRatioF();
        QCOMPARE(ratio, expectedRatio());
        if (ratio != 1 && ratio != 2) {
            QSKIP("pictures are compared at ratios 1 and 2");
        }
    }

    void picturesShownAtTheirOwnSize_data() {
        QTest::addColumn<QWidget*>("form");
        QTest::addColumn<QString>("name");
        for (const char* name : {"Image9", "Image7", "Image8", "Image6", "Image1", "Image2",
                                 "Image3", "Image4", "Image10", "Image11", "Image5"}) {
            QTest::addRow("Form1.%s", name)
                << static_cast<QWidget*>(Form1) << QString::fromLatin1(name);
        }
        for (const char* name : {"Image2", "Image12", "Image13"}) {
            QTest::addRow("Form3.%s", name)
                << static_cast<QWidget*>(Form3) << QString::fromLatin1(name);
        }
    }
    void picturesShownAtTheirOwnSize() {
        QFETCH(QWidget*, form);
        QFETCH(QString, name);
        auto* box = form->findChild<PictureBox*>(name);
        QVERIFY(box != nullptr);
        box->show(); // the diagrams of the other schedules are hidden
        const QImage expected = expectedOwnSize(box->picture(), box->transparent(), ratio);
        QVERIFY(!expected.isNull());
        const QImage shot = box->grab().toImage();
        QCOMPARE(shot.size(), box->size() * ratio);
        const Comparison comparison = compareOpaquePixels(shot, expected);
        QVERIFY(comparison.compared > 0);
        QCOMPARE(comparison.differing, 0);
        if (ratio == 2) {
            const QImage doubled = pixelDoubled(expectedOwnSize(box->picture(), false, 1));
            QVERIFY(compareOpaquePixels(shot, doubled).differing > 0);
        }
    }

    void buttonGlyphs_data() {
        QTest::addColumn<QWidget*>("form");
        QTest::addColumn<QString>("name");
        QTest::newRow("Form1.BitBtn1") << static_cast<QWidget*>(Form1) << QStringLiteral("BitBtn1");
        QTest::newRow("Form1.BitBtn2") << static_cast<QWidget*>(Form1) << QStringLiteral("BitBtn2");
        QTest::newRow("Form3.BitBtn1") << static_cast<QWidget*>(Form3) << QStringLiteral("BitBtn1");
        QTest::newRow("Form3.BitBtn2") << static_cast<QWidget*>(Form3) << QStringLiteral("BitBtn2");
    }
    void buttonGlyphs() {
        QFETCH(QWidget*, form);
        QFETCH(QString, name);
        auto* button = form->findChild<widgets::BitmapButton*>(name);
        QVERIFY(button != nullptr);
        const QImage expected = expectedOwnSize(button->glyph(), true, ratio);
        // The focus frame would be drawn over the glyph.
        button->clearFocus();
        const QRect glyph = button->glyphRect();
        QCOMPARE(QSizeF(glyph.size()) * ratio, QSizeF(expected.size()));
        const QImage shot =
            button->grab().toImage().copy(QRect(glyph.topLeft() * ratio, expected.size()));
        const Comparison comparison = compareOpaquePixels(shot, expected);
        QVERIFY(comparison.compared > 0);
        QCOMPARE(comparison.differing, 0);
    }

    void slidesAtTheirThumbnailAndViewingSizes() {
        for (int number = 1; number <= kSlideCount; ++number) {
            PictureBox* slide = slideOf(number).picture;
            const QSize thumbnail = slide->size() * ratio;
            QCOMPARE(devicePixels(slide->grab().toImage()),
                     devicePixels(expectedStretched(slide->picture(), thumbnail)));
        }
        PictureBox* largest = slideOf(10).picture;
        click(largest);
        QCOMPARE(largest->geometry(), kViewingBox);
        QCOMPARE(devicePixels(largest->grab().toImage()),
                 devicePixels(expectedStretched(largest->picture(), kViewingBox.size() * ratio)));
    }

    void cleanupTestCase() { windows.reset(); }

private:
    std::unique_ptr<ProgramWindows> windows;
    qreal ratio = 1;
};

QTEST_MAIN(ScreenPictureTest)
#include "ScreenPictureTest.moc"
