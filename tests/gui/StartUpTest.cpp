// Start-up: the application object, Form1 created first and shown, Form3 created hidden,
// their frames, and the lifetime of the résumé window.
#include "app/StartUp.h"

#include "ProgramWindows.h"
#include "app/CreateForm.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"
#include "widgets/IdlePreparation.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <limits>
#include <memory>

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        app::initialiseApplication(*qApp);
        calculator.reset(app::createForm(Form1));
        resume.reset(app::createForm(Form3));
        preparation = std::make_unique<widgets::IdlePreparation>(*Form1, *Form3);
        app::showMainWindow(*Form1);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }

    // The conversions need the x87 unit's full 64-bit precision. A platform or library that
    // sets it to double's 53 bits (as Windows does for a new thread, and some graphics
    // libraries when they start) would round 1 + 2^-63 to 1.
    void windowsUpLeaveExtendedPrecision() {
        volatile calc::Extended smallest = std::numeric_limits<calc::Extended>::epsilon();
        volatile calc::Extended one = 1;
        QVERIFY(one + smallest != one);
    }

    void applicationTitleComesFromTheExecutable() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Startuptest"));
    }

    // Every size the desktop may ask for, as drawn: a missing icon reader would leave none.
    void windowsCarryTheProgramIconAtItsFiveSizes() {
        QCOMPARE(QApplication::windowIcon().availableSizes(),
                 (QList<QSize>{{128, 128}, {96, 96}, {64, 64}, {48, 48}, {32, 32}}));
    }

    // The classic bevelled controls the windows were laid out for, whatever the desktop's own
    // style: a Qt built without it would leave the platform's default in place.
    void windowsAreDrawnInTheClassicWindowsStyle() {
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));
        QCOMPARE(Form1->style(), QApplication::style());
    }

    void mainWindowIsShownAtItsDesignedPlace() {
        QVERIFY(Form1->isVisible());
        QCOMPARE(Form1->objectName(), QStringLiteral("Form1"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Pipe Weight (Sch)"));
        QCOMPARE(Form1->size(), QSize(385, 455));
        QCOMPARE(Form1->pos(), QPoint(192, 114));
        QCOMPARE(Form1->minimumSize(), Form1->maximumSize());
        const Qt::WindowFlags flags = Form1->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(Form1->isActiveWindow() || QTest::qWaitForWindowActive(Form1, kWindowSystemWait));
    }

    void resumeWindowIsCreatedHidden() {
        QVERIFY(!Form3->isVisible());
        QCOMPARE(Form3->objectName(), QStringLiteral("Form3"));
        QCOMPARE(Form3->windowTitle(), QStringLiteral("Resume"));
        QCOMPARE(Form3->size(), QSize(590, 391));
        QCOMPARE(Form3->pos(), QPoint(360, 251));
        const Qt::WindowFlags flags = Form3->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(Form3->minimumSize() != Form3->maximumSize());
    }

    void resumeWindowGetsReadyWhileHidden() {
        // Once the main window is on the screen, the idle preparation fits the gallery's labels
        // to their texts and decodes its pictures, before the first opening.
        const QWidget* heading = component(Form3, "TntLabel1");
        QTRY_COMPARE(heading->size(), heading->sizeHint());
        QVERIFY(!Form3->isVisible());
        QCOMPARE(heading->pos(), QPoint(460, 12));
        QCOMPARE(component<widgets::PictureBox>(Form3, "Image1")->image().size(), QSize(49, 41));
    }

    void resumeWindowIsModalAndClosingOnlyHidesIt() {
        bool wasModal = false;
        bool mainBlocked = false;
        QTimer::singleShot(50, Form3, [&] {
            wasModal = QApplication::activeModalWidget() == Form3;
            // Activation moves to the dialog when the window system says so: at once on X11,
            // later than 50 ms at times under Wine.
            mainBlocked = QTest::qWaitFor([&] { return !Form1->isActiveWindow(); }, 5000);
            QTest::keyClick(Form3, Qt::Key_Escape);
            QVERIFY(Form3->isVisible()); // Esc does nothing
            Form3->close();
        });
        const QPointer<TForm3> before = Form3;
        Form3->exec();
        QVERIFY(wasModal);
        QVERIFY(mainBlocked);
        QVERIFY(before != nullptr);
        QVERIFY(!Form3->isVisible());
    }

    void cleanupTestCase() {
        preparation.reset();
        resume.reset();
        calculator.reset();
    }

private:
    std::unique_ptr<TForm1> calculator;
    std::unique_ptr<TForm3> resume;
    std::unique_ptr<widgets::IdlePreparation> preparation;
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
