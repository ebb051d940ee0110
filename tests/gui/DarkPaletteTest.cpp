// Both windows and the error box keep the light palette they were laid out in when the
// desktop asks for a dark one: not one pixel changes.
#include "ErrorBoxWatcher.h"
#include "ProgramWindows.h"
#include "RealInput.h"

#include <QLineEdit>

namespace {

// A dark colour scheme, as a desktop theme hands it to Qt: the application's palette and the
// palettes of the control classes.
QPalette darkDesktopPalette() {
    const QColor window(0x31, 0x36, 0x3B), text(0xEF, 0xF0, 0xF1), base(0x23, 0x26, 0x29);
    QPalette dark(text, window, window.lighter(150), window.darker(200), window.darker(150), text,
                  text, base, window);
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    dark.setColor(QPalette::HighlightedText, text);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    return dark;
}

void installDarkDesktopPalette() {
    const QPalette dark = darkDesktopPalette();
    QApplication::setPalette(dark);
    for (const char* className : {"QAbstractButton", "QPushButton", "QRadioButton", "QComboBox",
                                  "QLineEdit", "QLabel", "QMessageBoxLabel"}) {
        QApplication::setPalette(dark, className);
    }
}

struct Rendering {
    QImage calculator;
    QImage resume;
    QImage errorBox;
};

// Starts the program as start-up does, and renders the calculator with the focus on its
// first control, the gallery, and the error box of a wrong length.
void renderProgram(Rendering& shots) {
    app::initialiseApplication(*qApp);
    ProgramWindows windows;
    QVERIFY(windows.ready());
    shots.calculator = Form1->grab().toImage();
    Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    shots.resume = Form3->grab().toImage();
    Form3->hide();
    Form1->activateWindow();
    QTRY_VERIFY(Form1->isActiveWindow());
    ErrorBoxWatcher watcher([&shots](QMessageBox& box) { shots.errorBox = box.grab().toImage(); });
    auto* length = component<QLineEdit>(Form1, "Edit1");
    length->setText(QStringLiteral("abc"));
    click(length);
    pressKey(Qt::Key_Tab);
    QTRY_COMPARE(watcher.seen.size(), 1);
}

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void aDarkDesktopChangesNoPixel() {
        Rendering light;
        renderProgram(light);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(!light.errorBox.isNull());

        installDarkDesktopPalette();
        QCOMPARE(QApplication::palette().color(QPalette::Button),
                 darkDesktopPalette().button().color());
        Rendering dark;
        renderProgram(dark);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(dark.calculator, light.calculator);
        QCOMPARE(dark.resume, light.resume);
        QCOMPARE(dark.errorBox, light.errorBox);
    }

    void theCaptionsKeepTheirContrast() {
        installDarkDesktopPalette();
        app::initialiseApplication(*qApp);
        ProgramWindows windows;
        QVERIFY(windows.ready());
        const QPalette calculate = component(Form1, "BitBtn1")->palette();
        // Dark grey on the light button face, as laid out.
        QCOMPARE(calculate.color(QPalette::ButtonText), QColor(0x29, 0x29, 0x29));
        QVERIFY(qGray(calculate.color(QPalette::Button).rgb()) > 180);
        const QPalette bevel = component(Form3, "Bevel1")->palette();
        QVERIFY(qGray(bevel.color(QPalette::Light).rgb()) >
                qGray(bevel.color(QPalette::Dark).rgb()) + 60);
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "DarkPaletteTest.moc"
