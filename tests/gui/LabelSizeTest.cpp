// Auto-sized labels come out the size the layouts were designed at, with the faces that stand
// in for the designed ones; the texts that are ours end inside their designed boxes.
#include "ProgramWindows.h"

#include <QLabel>
#include <QRawFont>
#include <QtMath>

namespace {

struct Designed {
    QWidget* form;
    const char* name;
    QSize size;
};

// Wine's own Tahoma, which stands for Windows' under Wine, is a drawing of its own: its bold runs
// up to 7 % wider than the Tahoma the layouts were measured with.
bool isWinesTahoma(const QFont& font) {
    return QRawFont::fromFont(font).fontTable("name").contains("Wine Tahoma");
}

} // namespace

class LabelSizeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        app::initialiseApplication(*qApp);
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->bothShown());
    }

    void designedTextsKeepTheirDesignedSize_data() {
        QTest::addColumn<QWidget*>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const Designed designed[] = {
            {Form1, "Label6", {42, 17}},      {Form1, "Label7", {48, 17}},
            {Form1, "Label13", {48, 17}},     {Form1, "Label14", {48, 17}},
            {Form1, "Label2", {66, 19}},      {Form1, "Label3", {56, 19}},
            {Form1, "Label4", {34, 19}},      {Form1, "Label8", {12, 22}},
            {Form1, "Label5", {43, 17}},      {Form1, "Label9", {43, 17}},
            {Form1, "Label11", {56, 17}},     {Form1, "Label12", {43, 17}},
            {Form3, "TntLabel1", {97, 29}},   {Form3, "TntLabel3", {94, 13}},
            {Form3, "TntLabel12", {107, 13}}, {Form3, "TntLabel13", {65, 20}},
            {Form3, "TntLabel16", {69, 20}},  {Form3, "TntLabel17", {94, 13}},
            {Form3, "TntLabel14", {84, 20}},  {Form3, "TntLabel18", {106, 13}},
            {Form3, "TntLabel19", {86, 20}},  {Form3, "TntLabel20", {77, 13}},
            {Form3, "TntLabel21", {80, 20}},  {Form3, "TntLabel22", {55, 13}},
            {Form3, "TntLabel23", {65, 20}},  {Form3, "TntLabel24", {59, 13}},
            {Form3, "TntLabel25", {52, 20}},  {Form3, "TntLabel26", {102, 13}},
            {Form3, "TntLabel27", {71, 20}},  {Form3, "TntLabel28", {79, 13}},
            {Form3, "TntLabel29", {56, 20}},  {Form3, "TntLabel30", {85, 13}},
            {Form3, "TntLabel31", {67, 20}},  {Form3, "TntLabel32", {80, 13}},
        };
        for (const Designed& d : designed) {
            QTest::newRow(qPrintable(d.form->objectName() + u'.' + QLatin1String(d.name)))
                << d.form << QString::fromLatin1(d.name) << d.size;
        }
    }
    void designedTextsKeepTheirDesignedSize() {
        QFETCH(QWidget*, form);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QWidget* shown = component(form, qPrintable(name));
        QVERIFY2(
            qAbs(shown->height() - size.height()) <= 1,
            qPrintable(QStringLiteral("height %1 for %2").arg(shown->height()).arg(size.height())));
        if (isWinesTahoma(shown->font())) {
            QSKIP("Wine's Tahoma is not the Tahoma the layouts were measured with");
        }
        const int widthTolerance = qMax(2, qFloor(size.width() * 0.04));
        QVERIFY2(
            qAbs(shown->width() - size.width()) <= widthTolerance,
            qPrintable(QStringLiteral("width %1 for %2").arg(shown->width()).arg(size.width())));
    }

    void ourTextsEndInsideTheirBoxes_data() {
        QTest::addColumn<QWidget*>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::newRow("Form1.Label1")
            << static_cast<QWidget*>(Form1) << QStringLiteral("Label1") << QRect(66, 45, 110, 17);
        QTest::newRow("Form1.Label10")
            << static_cast<QWidget*>(Form1) << QStringLiteral("Label10") << QRect(210, 48, 66, 13);
        QTest::newRow("Form3.Label1")
            << static_cast<QWidget*>(Form3) << QStringLiteral("Label1") << QRect(68, 324, 417, 13);
        QTest::newRow("Form3.Label2")
            << static_cast<QWidget*>(Form3) << QStringLiteral("Label2") << QRect(442, 301, 138, 13);
        QTest::newRow("Form3.Label3")
            << static_cast<QWidget*>(Form3) << QStringLiteral("Label3") << QRect(510, 323, 58, 13);
    }
    void ourTextsEndInsideTheirBoxes() {
        QFETCH(QWidget*, form);
        QFETCH(QString, name);
        QFETCH(QRect, box);
        const QRect shown = component(form, qPrintable(name))->geometry();
        QCOMPARE(shown.topLeft(), box.topLeft());
        QVERIFY2(shown.right() <= box.right(),
                 qPrintable(
                     QStringLiteral("ends at %1, box at %2").arg(shown.right()).arg(box.right())));
        QVERIFY(qAbs(shown.height() - box.height()) <= 1);
    }

    // However the text is set, through the label's own class or a plain QLabel pointer as any
    // Qt code would set it, the label takes the size of its new text and keeps its left edge.
    void aLabelRefitsHoweverItsTextIsSet() {
        auto* subtitle = component<QLabel>(Form3, "TntLabel3");
        const QString before = subtitle->text();
        const QPoint left = subtitle->pos();
        // Slide 7's subtitle, in the same face, is laid out in a label of its own.
        const QWidget* sameText = component(Form3, "TntLabel26");
        subtitle->setText(QStringLiteral("( Steel Structure )"));
        QCOMPARE(subtitle->pos(), left);
        QCOMPARE(subtitle->size(), sameText->size());
        subtitle->setText(before);
        QCOMPARE(subtitle->pos(), left);
        QCOMPARE(subtitle->size(), component(Form3, "TntLabel17")->size());
    }

    void cleanupTestCase() { windows.reset(); }

private:
    std::unique_ptr<ProgramWindows> windows;
};

QTEST_MAIN(LabelSizeTest)
#include "LabelSizeTest.moc"
