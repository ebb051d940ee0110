// The application shell: program title, error display, exit-handler errors, regional
// decimal separator, window creation order.
#include "ErrorBoxWatcher.h"
#include "RealInput.h"
#include "ScopedRegionalSettings.h"
#include "app/CreateForm.h"
#include "app/ProgramTitle.h"
#include "widgets/ErrorDisplay.h"
#include "widgets/ExitEdit.h"
#include "widgets/Guarded.h"
#include "widgets/Handlers.h"
#include "widgets/MessageText.h"
#include "widgets/RegionalSettings.h"
#include "widgets/SystemRegionalSettings.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

[[noreturn]] void failWith(const char* message) {
    throw numtext::ConversionError(message);
}

// One row of a table of two texts, given as UTF-8.
void addRow(const char* name, const char* first, const char* second) {
    QTest::newRow(name) << QString::fromUtf8(first) << QString::fromUtf8(second);
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// A window like the calculator's: a text box whose exit handler fails while its text is
// "bad", followed by a button, a radio button and a label.
class ExitWindow : public QWidget {
public:
    ExitWindow() {
        auto* layout = new QVBoxLayout(this);
        edit = new widgets::ExitEdit(this);
        other = new widgets::ExitEdit(this);
        button = new QPushButton(QStringLiteral("Calc"), this);
        radio = new QRadioButton(this);
        label = new QLabel(QStringLiteral("label"), this);
        for (QWidget* widget : {static_cast<QWidget*>(edit), static_cast<QWidget*>(other),
                                static_cast<QWidget*>(button), static_cast<QWidget*>(radio),
                                static_cast<QWidget*>(label)}) {
            layout->addWidget(widget);
        }
        widgets::connectHandler(edit, &widgets::ExitEdit::exited, this, &ExitWindow::EditExit,
                                widgets::Trigger::FocusChange);
        widgets::connectHandler(button, &QPushButton::clicked, this, &ExitWindow::ButtonClick);
    }

    void EditExit() {
        ++exits;
        if (edit->text() == QLatin1String("bad")) {
            failWith("'bad' is not a valid floating point value");
        }
        committed = edit->text();
    }
    void ButtonClick() { ++clicks; }

    widgets::ExitEdit* edit;
    widgets::ExitEdit* other;
    QPushButton* button;
    QRadioButton* radio;
    QLabel* label;
    int exits = 0;
    int clicks = 0;
    QString committed;
};

struct OrderedForm : QWidget {
    void FormCreate();
    bool referenceWasSet = false;
};

OrderedForm* orderedFormReference = nullptr;

void OrderedForm::FormCreate() {
    referenceWasSet = orderedFormReference == this;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        widgets::ErrorDisplay::install(*qApp, QStringLiteral("Pipeweight"));
        widgets::RegionalSettings::install(*qApp);
    }

    void programTitle_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        addRow("installed", "/usr/bin/pipeweight", "pipeweight");
        addRow("upper case", "/opt/PIPE.EXE", "Pipe");
        addRow("long name", "/tmp/PIPEWEIGHT.EXE", "Pipeweight");
        addRow("cut at first stop", "/x/MY.APP.EXE", "My");
        addRow("first character kept", "/x/my.app.exe", "my");
        addRow("mixed case", "/x/pIPE WEIGHT.exe", "pipe weight");
        addRow("no directory", "Project1", "Project1");
        addRow("non-ASCII", "/x/ÉCLAIR.EXE", "Éclair");
        addRow("dot first", "/x/.hidden", "");
        addRow("directory with dots", "/a.b/c.d/TOOL", "Tool");
    }
    void programTitle() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(app::programTitle(path), title);
    }

    void fullStopRule_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        addRow("letter", "abc", "abc.");
        addRow("digit", "value 5", "value 5.");
        addRow("apostrophe", "ends in 'abc'", "ends in 'abc'.");
        addRow("double quote", "ends in \"abc\"", "ends in \"abc\".");
        addRow("typographic quote", "ends in ’", "ends in ’.");
        addRow("full stop", "done.", "done.");
        addRow("comma", "a,", "a,");
        addRow("hyphen", "a-", "a-");
        addRow("closing parenthesis", "(a)", "(a)");
        addRow("blank", "a ", "a ");
        addRow("slash, code 47", "a/", "a/.");
        addRow("exclamation, code 33", "a!", "a!");
        addRow("Persian letter", "خطا", "خطا.");
        addRow("empty", "", "");
    }
    void fullStopRule() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(widgets::withFullStop(message), shown);
    }

    void errorBoxShowsMessageWithTitleStopIconAndOneOk() {
        ExitWindow window;
        showActive(window);
        ErrorBoxWatcher watcher([&](QMessageBox&) {
            // The windows under the box take no input while it is up.
            click(window.button);
        });
        widgets::guarded([] { failWith("'abc' is not a valid floating point value"); });
        QTRY_COMPARE(watcher.seen.size(), 1);
        const SeenBox& box = watcher.seen.front();
        QCOMPARE(box.text, QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(box.title, QStringLiteral("Pipeweight"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons.size(), 1);
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QVERIFY(box.closedByOk);
        QCOMPARE(window.clicks, 0);
        QTRY_VERIFY(window.isActiveWindow());
    }

    void formatCharactersAreShownAsTyped() {
        ErrorBoxWatcher watcher;
        widgets::guarded([] { failWith("'%s %n %1 %%' is not a valid integer value"); });
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.front().text,
                 QStringLiteral("'%s %n %1 %%' is not a valid integer value."));
    }

    void handlerEndsAtTheFailingStepAndKeepsWhatItChanged() {
        ErrorBoxWatcher watcher;
        int steps = 0;
        widgets::guarded([&] {
            ++steps;
            failWith("failed");
            ++steps;
        });
        QCOMPARE(steps, 1);
        QTRY_COMPARE(watcher.seen.size(), 1);
    }

    void laterEventsAreHandledNormallyAfterAnError() {
        ExitWindow window;
        showActive(window);
        ErrorBoxWatcher watcher;
        widgets::guarded([] { failWith("first"); });
        QTRY_COMPARE(watcher.seen.size(), 1);
        QTRY_VERIFY(window.isActiveWindow());
        click(window.button);
        QCOMPARE(window.clicks, 1);
        QCOMPARE(watcher.seen.size(), 1);
    }

    void exitErrorLetsTheFocusMoveButSwallowsTheButtonPress() {
        ExitWindow window;
        showActive(window);
        window.edit->setFocus();
        window.edit->setText(QStringLiteral("bad"));
        ErrorBoxWatcher watcher;
        click(window.button);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.front().text,
                 QStringLiteral("'bad' is not a valid floating point value."));
        QTRY_VERIFY(window.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), window.button);
        QCOMPARE(window.clicks, 0);
        QCOMPARE(window.edit->text(), QStringLiteral("bad"));
        // The next press is the button's own again.
        click(window.button);
        QCOMPARE(window.clicks, 1);
        QCOMPARE(watcher.seen.size(), 1);
    }

    void everyLaterExitShowsTheErrorAgain() {
        ExitWindow window;
        showActive(window);
        ErrorBoxWatcher watcher;
        window.edit->setText(QStringLiteral("bad"));
        for (int round = 1; round <= 3; ++round) {
            window.edit->setFocus();
            click(window.button);
            QTRY_COMPARE(watcher.seen.size(), round);
            QTRY_VERIFY(window.isActiveWindow());
        }
        QCOMPARE(window.clicks, 0);
        window.edit->setText(QStringLiteral("12"));
        window.edit->setFocus();
        click(window.button);
        QCOMPARE(window.clicks, 1);
        QCOMPARE(window.committed, QStringLiteral("12"));
    }

    void exitErrorDoesNotCheckTheRadioButtonThatTookTheFocus() {
        ExitWindow window;
        showActive(window);
        window.edit->setFocus();
        window.edit->setText(QStringLiteral("bad"));
        ErrorBoxWatcher watcher;
        click(window.radio);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QTRY_VERIFY(window.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), window.radio);
        QVERIFY(!window.radio->isChecked());
    }

    void exitErrorByTabLeavesTheFocusOnTheNextControl() {
        ExitWindow window;
        showActive(window);
        window.edit->setFocus();
        window.edit->setText(QStringLiteral("bad"));
        ErrorBoxWatcher watcher;
        QTest::keyClick(window.edit, Qt::Key_Tab);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QTRY_VERIFY(window.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), window.other);
        // A later unrelated press is not swallowed.
        click(window.button);
        QCOMPARE(window.clicks, 1);
    }

    void noExitWithoutAFocusChangeInsideTheWindow() {
        ExitWindow window;
        showActive(window);
        window.edit->setFocus();
        click(window.label);
        QCOMPARE(window.exits, 0);
        QCOMPARE(QApplication::focusWidget(), window.edit);
        QWidget otherWindow;
        showActive(otherWindow);
        QCOMPARE(window.exits, 0);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.edit, Qt::Key_Tab);
        QCOMPARE(window.exits, 1);
    }

    void decimalSeparatorIsReadAgainOnASettingsChange() {
        const ScopedRegionalSettings restore;
        ScopedRegionalSettings::use("de_DE.UTF-8");
        ScopedRegionalSettings::announce();
        QCOMPARE(widgets::RegionalSettings::decimalSeparator(), U',');
        ScopedRegionalSettings::use("fa_IR.UTF-8");
        ScopedRegionalSettings::announce();
        QCOMPARE(widgets::RegionalSettings::decimalSeparator(), U'\u066B');
        ScopedRegionalSettings::use("C");
        QCOMPARE(widgets::RegionalSettings::decimalSeparator(), U'\u066B'); // not yet announced
        ScopedRegionalSettings::announce();
        QCOMPARE(widgets::RegionalSettings::decimalSeparator(), U'.');
    }

    void decimalSeparatorFallsBackToTheFullStop() {
#ifdef Q_OS_WIN
        QSKIP("Windows' regional settings always hold a decimal separator");
#else
        const ScopedRegionalSettings restore;
        for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
            qunsetenv(variable);
        }
        QCOMPARE(widgets::readSystemDecimalSeparator(), U'.');
        qputenv("LANG", "nonsense");
        QCOMPARE(widgets::readSystemDecimalSeparator(), U'.');
        qputenv("LC_NUMERIC", "de_DE");
        QCOMPARE(widgets::readSystemDecimalSeparator(), U',');
        qputenv("LC_ALL", "en_US.UTF-8");
        QCOMPARE(widgets::readSystemDecimalSeparator(), U'.');
#endif
    }

    void windowReferenceIsSetBeforeTheCreationHandlerRuns() {
        OrderedForm* form = app::createForm(orderedFormReference);
        QCOMPARE(orderedFormReference, form);
        QVERIFY(form->referenceWasSet);
        delete form;
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
