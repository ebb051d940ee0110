// Both windows' components where the layouts put them: names, places, fonts, colours,
// stacking, and the way bitmap buttons and the bevel draw.
#include "ProgramWindows.h"
#include "StackingOrder.h"
#include "widgets/BitmapButton.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QTextLayout>

namespace {

struct Placed {
    const char* name;
    QRect geometry;
};

// The face the font draws with is the designed one, or where the platform lacks it, the one
// that stands in for it, as the platform's own font matching picks it. Where the platform has
// the designed face only as a bitmap (MS Sans Serif under Wine), the layouts take its outline
// form instead.
bool drawsInFace(const QFont& font, const QString& designed) {
    QFont asDesigned(designed);
    if (QFontDatabase::hasFamily(designed) && !QFontDatabase::isSmoothlyScalable(designed)) {
        asDesigned.setStyleStrategy(QFont::ForceOutline);
    }
    return QFontInfo(font).family() == QFontInfo(asDesigned).family();
}

// Where the text's glyphs go in the font: which glyphs, at which positions.
QList<QPair<QList<quint32>, QList<QPointF>>> glyphsOf(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<QPair<QList<quint32>, QList<QPointF>>> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        glyphs.append({run.glyphIndexes(), run.positions()});
    }
    return glyphs;
}

QStringList namesInStackingOrder(const QWidget& form) {
    QStringList names;
    for (const QWidget* graphic : graphicsInStackingOrder(form)) {
        names.append(graphic->objectName());
    }
    return names;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        app::initialiseApplication(*qApp);
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->bothShown());
    }

    void calculatorPicturesAndControlsSitWhereTheLayoutPutsThem() {
        const Placed placed[] = {
            {"Image9", {8, 72, 369, 377}},        {"Image7", {61, 294, 273, 145}},
            {"Image8", {59, 292, 273, 145}},      {"Image6", {60, 290, 273, 145}},
            {"Image1", {48, 96, 55, 55}},         {"Image2", {136, 96, 55, 55}},
            {"Image3", {224, 96, 55, 55}},        {"Image4", {312, 96, 55, 55}},
            {"Image10", {8, 8, 48, 48}},          {"Image11", {64, 8, 241, 33}},
            {"Image5", {56, 290, 273, 145}},      {"ComboBox1", {120, 160, 105, 21}},
            {"BitBtn1", {264, 174, 89, 46}},      {"Edit1", {120, 208, 65, 21}},
            {"Edit2", {120, 264, 65, 21}},        {"RadioButton1", {29, 112, 17, 17}},
            {"RadioButton3", {205, 112, 17, 17}}, {"RadioButton2", {117, 112, 17, 17}},
            {"RadioButton4", {293, 112, 17, 17}}, {"BitBtn2", {312, 10, 65, 53}},
        };
        for (const Placed& p : placed) {
            QCOMPARE(component(Form1, p.name)->geometry(), p.geometry);
        }
    }

    void calculatorLabelsKeepTheirCornerFontAndColour_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("opaque");
        const QColor white(Qt::white), yellow(Qt::yellow);
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        const QString tnr = QStringLiteral("Times New Roman"),
                      sans = QStringLiteral("MS Sans Serif");
        QTest::newRow("Label1") << "Label1" << QPoint(66, 45) << tnr << 15 << true << text << true;
        QTest::newRow("Label6") << "Label6" << QPoint(192, 208) << tnr << 15 << true << white
                                << false;
        QTest::newRow("Label7") << "Label7" << QPoint(285, 229) << tnr << 15 << true << white
                                << false;
        QTest::newRow("Label10") << "Label10" << QPoint(210, 48) << sans << 11 << false << text
                                 << true;
        QTest::newRow("Label2") << "Label2" << QPoint(40, 160) << tnr << 16 << true << white
                                << false;
        QTest::newRow("Label3") << "Label3" << QPoint(40, 208) << tnr << 16 << true << white
                                << false;
        QTest::newRow("Label4") << "Label4" << QPoint(40, 264) << tnr << 16 << true << white
                                << false;
        QTest::newRow("Label8") << "Label8" << QPoint(162, 295) << tnr << 19 << true << white
                                << false;
        QTest::newRow("Label5") << "Label5" << QPoint(53, 80) << tnr << 15 << true << yellow
                                << false;
        QTest::newRow("Label9") << "Label9" << QPoint(144, 80) << tnr << 15 << true << yellow
                                << false;
        QTest::newRow("Label11") << "Label11" << QPoint(224, 80) << tnr << 15 << true << yellow
                                 << false;
        QTest::newRow("Label12") << "Label12" << QPoint(320, 80) << tnr << 15 << true << yellow
                                 << false;
        QTest::newRow("Label13") << "Label13" << QPoint(284, 256) << tnr << 15 << true << white
                                 << false;
        QTest::newRow("Label14") << "Label14" << QPoint(125, 236) << tnr << 15 << true << white
                                 << false;
    }
    void calculatorLabelsKeepTheirCornerFontAndColour() {
        QFETCH(QString, name);
        QFETCH(QPoint, corner);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QFETCH(bool, opaque);
        auto* label = Form1->findChild<QLabel*>(name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->pos(), corner);
        QVERIFY(drawsInFace(label->font(), family));
        QCOMPARE(label->font().pixelSize(), pixels);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->palette().color(label->foregroundRole()), colour);
        QCOMPARE(label->autoFillBackground(), opaque);
        // Sized to its text.
        QCOMPARE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
    }

    void calculatorStacksItsPicturesAndLabelsInTheLayoutOrder() {
        QCOMPARE(namesInStackingOrder(*Form1).join(u' '),
                 QStringLiteral("Image9 Image7 Image8 Image6 Label1 Image1 Image2 Image3 Image4 "
                                "Label6 Label7 Label10 Label2 Label3 Label4 Image10 Image11 Image5 "
                                "Label8 Label5 Label9 Label11 Label12 Label13 Label14"));
    }

    void calculatorFrame() {
        QCOMPARE(Form1->backgroundRole(), QPalette::Button);
        QVERIFY(Form1->autoFillBackground());
        QCOMPARE(Form1->font().pixelSize(), 11);
    }

    void bitmapButtonsCentreGlyphAndCaptionFourPixelsApart() {
        auto* calculate = Form1->findChild<widgets::BitmapButton*>(QStringLiteral("BitBtn1"));
        QCOMPARE(calculate->text(), QStringLiteral(" Calc."));
        QCOMPARE(calculate->glyphRect().size(), QSize(32, 32));
        QCOMPARE(calculate->captionRect().left() - calculate->glyphRect().right() - 1, 4);
        const int leftMargin = calculate->glyphRect().left();
        const int rightMargin = calculate->width() - 1 - calculate->captionRect().right();
        QVERIFY(qAbs(leftMargin - rightMargin) <= 1);

        auto* company = Form1->findChild<widgets::BitmapButton*>(QStringLiteral("BitBtn2"));
        QCOMPARE(company->text(), QStringLiteral("VORDEK"));
        QCOMPARE(company->glyphRect().size(), QSize(34, 34));
        QCOMPARE(company->glyphRect().top() - company->captionRect().bottom() - 1, 4);
        const int topMargin = company->captionRect().top();
        const int bottomMargin = company->height() - 1 - company->glyphRect().bottom();
        QVERIFY(qAbs(topMargin - bottomMargin) <= 1);
        QCOMPARE(company->palette().color(QPalette::ButtonText), QColor(0x29, 0x29, 0x29));
    }

    void bitmapButtonGlyphsDropTheirKeyColour() {
        auto* calculate = Form1->findChild<widgets::BitmapButton*>(QStringLiteral("BitBtn1"));
        const QImage shot = calculate->grab().toImage();
        const QPoint corner = calculate->glyphRect().bottomLeft();
        // The glyph's white corner shows the button face, not white.
        QCOMPARE(shot.pixel(corner), calculate->palette().color(QPalette::Button).rgb());
    }

    void resumeControlsAndPictures() {
        const Placed placed[] = {
            {"BitBtn1", {442, 99, 41, 49}},   {"BitBtn2", {442, 158, 41, 49}},
            {"Edit1", {16, 336, 33, 21}},     {"Image12", {61, 342, 509, 46}},
            {"Image13", {472, 88, 112, 182}}, {"Bevel1", {454, 78, 114, 7}},
            {"Image2", {0, 0, 590, 391}},
        };
        for (const Placed& p : placed) {
            QCOMPARE(component(Form3, p.name)->geometry(), p.geometry);
        }
        const auto* next = component<widgets::BitmapButton>(Form3, "BitBtn1");
        QCOMPARE(next->spacing(), 0);
        QCOMPARE(next->text(), QStringLiteral(" "));
    }

    void bevelIsAHighlightRowOverAShadowRow() {
        const QWidget* bevel = component(Form3, "Bevel1");
        const QImage shot = Form3->grab(bevel->geometry()).toImage();
        const QPalette palette = bevel->palette();
        // Each logical row is as many device rows as the screen's ratio.
        const int ratio = qRound(shot.devicePixelRatio());
        for (int x = 0; x < shot.width(); x += 7) {
            for (int row = 0; row < ratio; ++row) {
                QCOMPARE(shot.pixel(x, row), palette.color(QPalette::Light).rgb());
                QCOMPARE(shot.pixel(x, ratio + row), palette.color(QPalette::Dark).rgb());
            }
        }
    }

    // A layout lets a caption skip shaping only where shaping changes nothing: the same glyphs
    // in the same places as shaped, with no kerning pair or ligature among its letters.
    void captionsThatSkipShapingDrawAsShaped() {
        int skipping = 0;
        for (const QWidget* form : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form3)}) {
            for (const QWidget* widget : form->findChildren<QWidget*>()) {
                const QFont font = widget->font();
                if (!(font.styleStrategy() & QFont::PreferNoShaping)) {
                    continue;
                }
                ++skipping;
                QFont shaped = font;
                shaped.setStyleStrategy(
                    QFont::StyleStrategy(font.styleStrategy() & ~QFont::PreferNoShaping));
                const QString text = widget->property("text").toString();
                QVERIFY2(!text.isEmpty(), qPrintable(widget->objectName()));
                QVERIFY2(glyphsOf(text, font) == glyphsOf(text, shaped),
                         qPrintable(widget->objectName()));
            }
        }
        QCOMPARE(skipping, 5);
    }

    void resumeLabelsUseTheirFaces() {
        const QWidget* title = component(Form3, "TntLabel16");
        const QWidget* address = component(Form3, "Label1");
        QCOMPARE(title->font().family(), QStringLiteral("Titr"));
        QCOMPARE(title->font().pixelSize(), 11);
        QVERIFY(drawsInFace(component(Form3, "TntLabel17")->font(), QStringLiteral("Tahoma")));
        QCOMPARE(address->font().pixelSize(), 11);
        QCOMPARE(address->palette().color(QPalette::WindowText), QColor(Qt::white));
        // The Titr labels are as tall as the face's line, so no letter is cut off below.
        QCOMPARE(title->height(), 20);
        QCOMPARE(component(Form3, "TntLabel1")->height(), 29);
    }

    void cleanupTestCase() { windows.reset(); }

private:
    std::unique_ptr<ProgramWindows> windows;
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
