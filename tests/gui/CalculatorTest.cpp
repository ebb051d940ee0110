// The calculator window driven with real mouse clicks, key presses and focus changes.
#include "ErrorBoxWatcher.h"
#include "ProgramWindows.h"
#include "RealInput.h"
#include "ScopedRegionalSettings.h"
#include "WindowComponents.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>

namespace {

CalculatorComponents ui() {
    return {};
}

QStringList entriesOf(const QComboBox* box) {
    QStringList entries;
    for (int index = 0; index < box->count(); ++index) {
        entries.append(box->itemText(index));
    }
    return entries;
}

QList<QWidget*> visibleDiagrams() {
    QList<QWidget*> shown;
    for (QWidget* diagram :
         {static_cast<QWidget*>(ui().Image5), static_cast<QWidget*>(ui().Image6),
          static_cast<QWidget*>(ui().Image7), static_cast<QWidget*>(ui().Image8)}) {
        if (diagram->isVisible()) {
            shown.append(diagram);
        }
    }
    return shown;
}

// Puts the focus in a text box by clicking it and replaces its text by typing.
void retype(QLineEdit* box, const QString& text) {
    click(box);
    box->selectAll();
    if (text.isEmpty()) {
        pressKey(Qt::Key_Delete);
    } else {
        typeText(text);
    }
}

// Opens the size box's list with a click on its arrow.
void openSizeList() {
    widgets::SizeBox* box = ui().ComboBox1;
    clickInWindow(Form1, box->mapTo(Form1, QPoint(box->width() - 6, box->height() / 2)));
    QTRY_VERIFY(box->view()->isVisible());
}

void chooseSize(int index) {
    openSizeList();
    ui().ComboBox1->view()->setCurrentIndex(ui().ComboBox1->model()->index(index, 0));
    pressKey(Qt::Key_Return);
    QTRY_VERIFY(!ui().ComboBox1->view()->isVisible());
}

// Opens a text box's context menu with a right click and returns it (null when none opens);
// the menu deletes itself once closed.
QPointer<QMenu> openContextMenu(QLineEdit* box) {
    click(box, Qt::RightButton);
    QMenu* menu = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr && menu->isVisible();
        },
        kWindowSystemWait);
    return shown ? menu : nullptr;
}

// A menu's commands as written, mnemonic marks included, without the shortcut column.
QStringList commandsOf(const QMenu* menu) {
    QStringList commands;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            commands.append(action->text().section(u'\t', 0, 0));
        }
    }
    return commands;
}

// Waits for a menu to close, or to be gone.
bool menuClosed(const QPointer<QMenu>& menu) {
    return QTest::qWaitFor([menu] { return menu.isNull() || !menu->isVisible(); },
                           kWindowSystemWait);
}

// Clicks a command of a menu and waits for the menu to close; false when there is no menu or no
// such command.
bool chooseCommand(const QPointer<QMenu>& menu, const QString& command) {
    if (menu == nullptr) {
        return false;
    }
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == command) {
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              menu->actionGeometry(action).center());
            return menuClosed(menu);
        }
    }
    return false;
}

bool chooseFromContextMenu(QLineEdit* box, const QString& command) {
    return chooseCommand(openContextMenu(box), command);
}

void pressShortcut(QKeySequence::StandardKey command) {
    const QKeyCombination keys = QKeySequence::keyBindings(command).constFirst()[0];
    pressKey(keys.key(), keys.keyboardModifiers());
}

} // namespace

class CalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::initialiseApplication(*qApp); }

    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->ready());
    }

    void cleanup() { windows.reset(); }

    void startUpState() {
        QVERIFY(ui().RadioButton1->isChecked());
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("1/2\" inch"));
        QCOMPARE(ui().ComboBox1->currentIndex(), 0);
        QCOMPARE(ui().ComboBox1->count(), 27);
        QCOMPARE(visibleDiagrams(), QList<QWidget*>{ui().Image6});
        for (QLabel* result :
             {static_cast<QLabel*>(ui().Label7), static_cast<QLabel*>(ui().Label13),
              static_cast<QLabel*>(ui().Label14)}) {
            QCOMPARE(result->text(), QStringLiteral("******"));
        }
        QCOMPARE(QApplication::focusWidget(), ui().RadioButton1);
        QCOMPARE(Form1->WeightPerFoot, 0.671L);
        QCOMPARE(Form1->PipeLength, 0.0L);
        QCOMPARE(Form1->Quantity, 1);
        QCOMPARE(ui().Edit1->text(), QStringLiteral("0"));
        QCOMPARE(ui().Edit2->text(), QStringLiteral("1"));
    }

    void pressingCalculateAtStartUp() {
        click(ui().BitBtn1);
        QCOMPARE(ui().Label7->text(), QStringLiteral(" 0.0 kg"));
        QCOMPARE(ui().Label13->text(), QStringLiteral(" 0.0 Lb"));
        QCOMPARE(ui().Label14->text(), QStringLiteral("0.00        (inch)"));
    }

    void choosingSch40RefillsAndResets() {
        chooseSize(10);
        QCOMPARE(Form1->WeightPerFoot, 7.77L);
        click(ui().RadioButton2);
        QVERIFY(ui().RadioButton2->isChecked());
        QVERIFY(!ui().RadioButton1->isChecked());
        QCOMPARE(ui().ComboBox1->count(), 23);
        QCOMPARE(ui().ComboBox1->currentIndex(), 0);
        QCOMPARE(Form1->WeightPerFoot, 0.851L);
        QCOMPARE(visibleDiagrams(), QList<QWidget*>{ui().Image5});
        QCOMPARE(entriesOf(ui().ComboBox1).last(), QStringLiteral("36\" inch"));
    }

    void largestSizes() {
        click(ui().Image2);
        chooseSize(22);
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("36\" inch"));
        QCOMPARE(Form1->WeightPerFoot, 282.3L);
        click(ui().Image4);
        QCOMPARE(ui().ComboBox1->count(), 21);
        openSizeList();
        pressKey(Qt::Key_Escape);
        for (int press = 0; press < 25; ++press) {
            pressKey(Qt::Key_Down);
        }
        QCOMPARE(ui().ComboBox1->currentIndex(), 20);
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("24\" inch"));
        QCOMPARE(Form1->WeightPerFoot, 296.4L);
    }

    void thumbnailSelectsItsSchedule() {
        click(ui().Image4);
        QVERIFY(ui().RadioButton4->isChecked());
        QCOMPARE(visibleDiagrams(), QList<QWidget*>{ui().Image8});
        QCOMPARE(ui().ComboBox1->count(), 21);
        QCOMPARE(Form1->WeightPerFoot, 1.088L);
        click(ui().Image3);
        QVERIFY(ui().RadioButton3->isChecked());
        QCOMPARE(visibleDiagrams(), QList<QWidget*>{ui().Image7});
        QCOMPARE(ui().ComboBox1->count(), 27);
        QCOMPARE(entriesOf(ui().ComboBox1)[14], QStringLiteral("12\" inch"));
    }

    void reclickingTheSelectedThumbnailChangesNothing() {
        chooseSize(5);
        const QSignalSpy changes(ui().ComboBox1, &widgets::SizeBox::userChanged);
        click(ui().Image1);
        QCOMPARE(ui().ComboBox1->currentIndex(), 5);
        QCOMPARE(Form1->WeightPerFoot, 2.638L);
        QCOMPARE(visibleDiagrams(), QList<QWidget*>{ui().Image6});
        QCOMPARE(changes.count(), 0);
    }

    void programRefillsRaiseNoSizeChange() {
        const QSignalSpy changes(ui().ComboBox1, &widgets::SizeBox::userChanged);
        click(ui().RadioButton4);
        click(ui().Image2);
        click(ui().RadioButton1);
        QCOMPARE(changes.count(), 0);
    }

    void typedLengthIsUsedForAllThreeResults() {
        retype(ui().Edit1, QStringLiteral("6000"));
        click(ui().BitBtn1);
        QCOMPARE(Form1->PipeLength, 6000.0L);
        QCOMPARE(ui().Label7->text(), QStringLiteral(" 6.0 kg"));
        QCOMPARE(ui().Label13->text(), QStringLiteral("13.2 Lb"));
        QCOMPARE(ui().Label14->text(), QStringLiteral("236.22        (inch)"));
    }

    void quantityIsCommittedWhenTheFocusLeaves() {
        click(ui().Image4);
        chooseSize(11);
        retype(ui().Edit1, QStringLiteral("6000"));
        retype(ui().Edit2, QStringLiteral("4"));
        click(ui().BitBtn1);
        QCOMPARE(Form1->Quantity, 4);
        QCOMPARE(ui().Label7->text(), QStringLiteral("1020.3 kg"));
        QCOMPARE(ui().Label13->text(), QStringLiteral("2249.7 Lb"));
        QCOMPARE(ui().Label14->text(), QStringLiteral("236.22        (inch)"));
    }

    void editingTheLengthBlanksOnlyTheInchResult() {
        retype(ui().Edit1, QStringLiteral("6000"));
        click(ui().BitBtn1);
        click(ui().Edit1);
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(ui().Label14->text(), QStringLiteral("******"));
        QCOMPARE(ui().Label7->text(), QStringLiteral(" 6.0 kg"));
        QCOMPARE(ui().Label13->text(), QStringLiteral("13.2 Lb"));
    }

    // The text boxes edit as every Windows text box does: the keyboard's editing commands,
    // and the context menu with its seven commands, mnemonics included, that do what they say.
    void textBoxesHaveTheEditingKeysAndMenu() {
        QLineEdit* box = ui().Edit1;
        retype(box, QStringLiteral("1500"));
        pressShortcut(QKeySequence::SelectAll);
        pressShortcut(QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1500"));
        pressShortcut(QKeySequence::Cut);
        QCOMPARE(box->text(), QString());
        pressShortcut(QKeySequence::Undo);
        QCOMPARE(box->text(), QStringLiteral("1500"));
        pressShortcut(QKeySequence::Redo);
        QCOMPARE(box->text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("2540"));
        pressShortcut(QKeySequence::Paste);
        QCOMPARE(box->text(), QStringLiteral("2540"));

        QPointer<QMenu> menu = openContextMenu(box);
        QVERIFY(menu != nullptr);
        QCOMPARE(commandsOf(menu), (QStringList{QStringLiteral("&Undo"), QStringLiteral("&Redo"),
                                                QStringLiteral("Cu&t"), QStringLiteral("&Copy"),
                                                QStringLiteral("&Paste"), QStringLiteral("Delete"),
                                                QStringLiteral("Select All")}));
        QVERIFY(chooseCommand(menu, QStringLiteral("Select All")));
        QCOMPARE(box->selectedText(), QStringLiteral("2540"));
        QGuiApplication::clipboard()->setText(QStringLiteral("3000"));
        menu = openContextMenu(box);
        QVERIFY(menu != nullptr);
        // Chosen by its mnemonic, as the keyboard chooses it.
        QTest::keyClick(menu->windowHandle(), Qt::Key_P);
        QVERIFY(menuClosed(menu));
        QCOMPARE(box->text(), QStringLiteral("3000"));
        menu = openContextMenu(box);
        QVERIFY(menu != nullptr);
        QTest::keyClick(menu->windowHandle(), Qt::Key_U);
        QVERIFY(menuClosed(menu));
        QCOMPARE(box->text(), QStringLiteral("2540"));
        pressKey(Qt::Key_End);
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("Select All")));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("Cu&t")));
        QCOMPARE(box->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2540"));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Paste")));
        QCOMPARE(box->text(), QStringLiteral("2540"));
        QGuiApplication::clipboard()->setText(QStringLiteral("0"));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("Select All")));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Copy")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2540"));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("Delete")));
        QCOMPARE(box->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2540"));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Undo")));
        QCOMPARE(box->text(), QStringLiteral("2540"));
        QVERIFY(chooseFromContextMenu(box, QStringLiteral("&Redo")));
        QCOMPARE(box->text(), QString());
        // The menu took the focus for a moment, and gave it back without an exit.
        QCOMPARE(QApplication::focusWidget(), box);
    }

    void wrongLengthKeepsTheOldValueAndThePressDoesNothing() {
        retype(ui().Edit1, QStringLiteral("6000"));
        pressKey(Qt::Key_Tab);
        retype(ui().Edit1, QStringLiteral("abc"));
        ErrorBoxWatcher watcher;
        click(ui().BitBtn1);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.front().text,
                 QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(watcher.seen.front().title, QCoreApplication::applicationName());
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn1);
        QCOMPARE(Form1->PipeLength, 6000.0L);
        QCOMPARE(ui().Edit1->text(), QStringLiteral("abc"));
        QCOMPARE(ui().Label7->text(), QStringLiteral("******"));

        // Every later exit shows it again.
        click(ui().Edit1);
        pressKey(Qt::Key_Tab);
        QTRY_COMPARE(watcher.seen.size(), 2);
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), ui().Edit2);

        // The calculation from the keyboard writes kilograms and pounds from the committed
        // length, then fails on the inches.
        pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn1);
        pressKey(Qt::Key_Space);
        QTRY_COMPARE(watcher.seen.size(), 3);
        QCOMPARE(watcher.seen.back().text,
                 QStringLiteral("'abc' is not a valid floating point value."));
        QCOMPARE(ui().Label7->text(), QStringLiteral(" 6.0 kg"));
        QCOMPARE(ui().Label13->text(), QStringLiteral("13.2 Lb"));
        QCOMPARE(ui().Label14->text(), QStringLiteral("******"));
    }

    void wrongQuantityKeepsTheOldValue() {
        retype(ui().Edit2, QStringLiteral("1.5"));
        ErrorBoxWatcher watcher;
        pressKey(Qt::Key_Tab);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.front().text, QStringLiteral("'1.5' is not a valid integer value."));
        QCOMPARE(Form1->Quantity, 1);
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn1);
    }

    void badInputNeverChangesTheCommittedValues_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("quantity");
        const auto row = [](const char* name, const QString& length, const QString& quantity) {
            QTest::newRow(name) << length << quantity;
        };
        row("empty", "", "");
        row("blanks", "   ", "   ");
        row("tab", "\t5", "\t5");
        row("format characters", "%s %n %1", "%s %n %1");
        row("Arabic-Indic digits", QString::fromUtf8("٦٠٠٠"), QString::fromUtf8("٤"));
        row("huge", QString(5000, u'9'), "99999999999");
        row("trailing blank quantity", "1e99999", "4 ");
    }
    void badInputNeverChangesTheCommittedValues() {
        QFETCH(QString, length);
        QFETCH(QString, quantity);
        ErrorBoxWatcher watcher;
        ui().Edit1->setText(length);
        ui().Edit2->setText(quantity);
        click(ui().Edit1);
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Tab);
        QTRY_COMPARE(watcher.seen.size(), 2);
        QCOMPARE(watcher.seen[0].text,
                 QStringLiteral("'%1' is not a valid floating point value.").arg(length));
        QCOMPARE(watcher.seen[1].text,
                 QStringLiteral("'%1' is not a valid integer value.").arg(quantity));
        QCOMPARE(Form1->PipeLength, 0.0L);
        QCOMPARE(Form1->Quantity, 1);
    }

    void theDecimalSeparatorOfTheRegionalSettingsIsUsed() {
        {
            const ScopedRegionalSettings restore;
            ScopedRegionalSettings::use("de_DE.UTF-8");
            ScopedRegionalSettings::announce();
            retype(ui().Edit1, QStringLiteral("2540,0"));
            click(ui().BitBtn1);
            QCOMPARE(Form1->PipeLength, 2540.0L);
            QCOMPARE(ui().Label14->text(), QStringLiteral("100.00        (inch)"));
        }
        ScopedRegionalSettings::announce();
    }

    void typingInTheSizeBoxCompletes() {
        QSignalSpy changes(ui().ComboBox1, &widgets::SizeBox::userChanged);
        openSizeList();
        pressKey(Qt::Key_Escape);
        ui().ComboBox1->lineEdit()->selectAll();
        typeText(QStringLiteral("1 1"));
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("1 1/4\" inch"));
        QCOMPARE(ui().ComboBox1->lineEdit()->selectedText(), QStringLiteral("/4\" inch"));
        QCOMPARE(ui().ComboBox1->currentIndex(), 3);
        QCOMPARE(Form1->WeightPerFoot, 1.806L);
        // "1" kept 1/2" selected (no change), "1 " moved to 1 1/4" (a change), "1 1" stayed.
        QCOMPARE(changes.count(), 1);

        typeText(QStringLiteral("x"));
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("1 1x"));
        QCOMPARE(ui().ComboBox1->currentIndex(), -1);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(Form1->WeightPerFoot, 1.806L);

        pressKey(Qt::Key_Backspace);
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("1 1"));
        QCOMPARE(ui().ComboBox1->currentIndex(), -1);
        QCOMPARE(changes.count(), 3);

        typeText(QStringLiteral("/2"));
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("1 1/2\" inch"));
        QCOMPARE(ui().ComboBox1->currentIndex(), 4);
        QCOMPARE(Form1->WeightPerFoot, 2.085L);
    }

    // Qt's editable list would choose the entry that a pasted text names when Return is
    // pressed or the focus leaves, to the opened list or another window too: a change of size
    // that the user did not make. One way to a row: Qt's line edit reports an edit finished
    // once, so that a way tried after another would find nothing left to report.
    void aPastedSizeIsNotChosenByReturnOrLeaving_data() {
        QTest::addColumn<QString>("way");
        for (const char* way :
             {"Return", "Tab", "a click on the length box", "opening the list", "another window"}) {
            QTest::newRow(way) << QString::fromLatin1(way);
        }
    }
    void aPastedSizeIsNotChosenByReturnOrLeaving() {
        QFETCH(QString, way);
        click(ui().ComboBox1->lineEdit());
        ui().ComboBox1->lineEdit()->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("6\" inch"));
        pressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("6\" inch"));
        QCOMPARE(ui().ComboBox1->currentIndex(), -1);
        QSignalSpy changes(ui().ComboBox1, &widgets::SizeBox::userChanged);
        QWidget otherWindow;
        if (way == "Return") {
            pressKey(Qt::Key_Return);
        } else if (way == "Tab") {
            pressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ui().Edit1);
        } else if (way == "a click on the length box") {
            click(ui().Edit1);
            QCOMPARE(QApplication::focusWidget(), ui().Edit1);
        } else if (way == "opening the list") {
            openSizeList();
            pressKey(Qt::Key_Escape);
            QTRY_VERIFY(!ui().ComboBox1->view()->isVisible());
        } else {
            otherWindow.show();
            otherWindow.activateWindow();
            QTRY_VERIFY(otherWindow.isActiveWindow());
        }
        // Qt chooses, if at all, as it handles the key or the focus change, which are done.
        QCOMPARE(ui().ComboBox1->currentIndex(), -1);
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("6\" inch"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(Form1->WeightPerFoot, 0.671L);
    }

    void completionIgnoresCaseButKeepsWhatWasTyped() {
        openSizeList();
        pressKey(Qt::Key_Escape);
        ui().ComboBox1->lineEdit()->selectAll();
        chooseSize(6);
        ui().ComboBox1->lineEdit()->selectAll();
        typeText(QStringLiteral("3\" I"));
        QCOMPARE(ui().ComboBox1->currentText(), QStringLiteral("3\" Inch"));
        QCOMPARE(ui().ComboBox1->currentIndex(), 7);
        QCOMPARE(Form1->WeightPerFoot, 4.332L);
    }

    void upAndDownChooseEntries() {
        QSignalSpy changes(ui().ComboBox1, &widgets::SizeBox::userChanged);
        openSizeList();
        pressKey(Qt::Key_Escape);
        pressKey(Qt::Key_Down);
        pressKey(Qt::Key_Down);
        QCOMPARE(ui().ComboBox1->currentIndex(), 2);
        QCOMPARE(Form1->WeightPerFoot, 1.404L);
        pressKey(Qt::Key_Up);
        QCOMPARE(Form1->WeightPerFoot, 0.857L);
        QCOMPARE(changes.count(), 3);
        pressKey(Qt::Key_Up);
        pressKey(Qt::Key_Up); // already the first entry
        QCOMPARE(changes.count(), 4);
        QCOMPARE(ui().ComboBox1->maxVisibleItems(), 8);
    }

    void arrowKeysCheckTheNextRadioButton() {
        QCOMPARE(QApplication::focusWidget(), ui().RadioButton1);
        pressKey(Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), ui().RadioButton2);
        QVERIFY(ui().RadioButton2->isChecked());
        QCOMPARE(ui().ComboBox1->count(), 23);
        pressKey(Qt::Key_Down);
        QVERIFY(ui().RadioButton3->isChecked());
        pressKey(Qt::Key_Right);
        QVERIFY(ui().RadioButton4->isChecked());
        QCOMPARE(Form1->WeightPerFoot, 1.088L);
        pressKey(Qt::Key_Right);
        QVERIFY(ui().RadioButton1->isChecked());
        pressKey(Qt::Key_Left);
        QVERIFY(ui().RadioButton4->isChecked());
    }

    void aClickAnywhereInARadioBoxChecksIt_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("position");
        // Each corner of the 17 x 17 box, well away from the indicator.
        const QPoint corners[] = {{0, 0}, {16, 0}, {0, 16}, {16, 16}, {15, 15}};
        for (int button = 2; button <= 4; ++button) {
            for (const QPoint corner : corners) {
                QTest::addRow("RadioButton%d at %d,%d", button, corner.x(), corner.y())
                    << button << corner;
            }
        }
        QTest::addRow("RadioButton1 at 16,16 after another") << 1 << QPoint(16, 16);
    }
    void aClickAnywhereInARadioBoxChecksIt() {
        QFETCH(int, button);
        QFETCH(QPoint, position);
        widgets::RadioButton* const buttons[] = {ui().RadioButton1, ui().RadioButton2,
                                                 ui().RadioButton3, ui().RadioButton4};
        if (button == 1) {
            click(ui().RadioButton4);
        }
        widgets::RadioButton* clicked = buttons[button - 1];
        QSignalSpy becameChecked(clicked, &widgets::RadioButton::becameChecked);
        clickInWindow(Form1, clicked->mapTo(Form1, position));
        QVERIFY(clicked->isChecked());
        QCOMPARE(becameChecked.count(), 1);
        QCOMPARE(visibleDiagrams().count(), 1);
        // A second click on the checked button raises nothing.
        clickInWindow(Form1, clicked->mapTo(Form1, position));
        QCOMPARE(becameChecked.count(), 1);
        // Just outside the box is not the button.
        const QPoint outside = clicked->mapTo(Form1, QPoint(17, 17));
        QVERIFY(Form1->childAt(outside) != clicked);
    }

    void onlyTheCheckedRadioButtonIsATabStop() {
        QList<QWidget*> order;
        for (int step = 0; step < 7; ++step) {
            order.append(QApplication::focusWidget());
            pressKey(Qt::Key_Tab);
        }
        QCOMPARE(order, (QList<QWidget*>{ui().RadioButton1, ui().ComboBox1, ui().Edit1, ui().Edit2,
                                         ui().BitBtn1, ui().BitBtn2, ui().RadioButton1}));
        // The size list is built when first opened, long after the window's tab order was set:
        // the order stays.
        openSizeList();
        pressKey(Qt::Key_Escape);
        QTRY_VERIFY(!ui().ComboBox1->view()->isVisible());
        order.clear();
        for (int step = 0; step < 7; ++step) {
            order.append(QApplication::focusWidget());
            pressKey(Qt::Key_Tab);
        }
        QCOMPARE(order, (QList<QWidget*>{ui().ComboBox1, ui().Edit1, ui().Edit2, ui().BitBtn1,
                                         ui().BitBtn2, ui().RadioButton1, ui().ComboBox1}));
        click(ui().Image3);
        click(ui().Edit2);
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), ui().RadioButton3);
    }

    void clicksOnPicturesAndLabelsDoNotLeaveTheBox() {
        retype(ui().Edit1, QStringLiteral("abc"));
        ErrorBoxWatcher watcher;
        const QSignalSpy exits(ui().Edit1, &widgets::ExitEdit::exited);
        click(ui().Image9);
        click(ui().Label3);
        click(ui().Image11);
        watcher.catchUp();
        QCOMPARE(exits.count(), 0);
        QCOMPARE(watcher.seen.size(), 0);
        QCOMPARE(QApplication::focusWidget(), ui().Edit1);
    }

    void companyButtonShowsTheResumeWindowModally() {
        retype(ui().Edit1, QStringLiteral("1500"));
        bool modal = false;
        QTimer::singleShot(100, Form3, [&] {
            modal = QApplication::activeModalWidget() == Form3;
            Form3->close();
        });
        click(ui().BitBtn2);
        QTRY_VERIFY(!Form3->isVisible());
        QVERIFY(modal);
        // The press committed the edited length first; nothing else changed.
        QCOMPARE(Form1->PipeLength, 1500.0L);
        QCOMPARE(Form1->WeightPerFoot, 0.671L);
        QCOMPARE(ui().Label7->text(), QStringLiteral("******"));
    }

private:
    std::unique_ptr<ProgramWindows> windows;
};

QTEST_MAIN(CalculatorTest)
#include "CalculatorTest.moc"
