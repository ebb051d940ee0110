// What a screen reader finds in both windows: a name for every control, schedule buttons named
// as the captions over their thumbnails, result labels that read with their caption and follow
// their text, and gallery buttons that do what their names say.
#include "ProgramWindows.h"
#include "RealInput.h"

#include <QAccessible>
#include <QSet>
#include <algorithm>

namespace {

QAccessibleInterface* accessibleOf(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    Q_ASSERT(accessible != nullptr);
    return accessible;
}

QString nameOf(QObject* object) {
    return accessibleOf(object)->text(QAccessible::Name);
}

// The components that take the focus, which a screen reader announces as it arrives.
QList<QWidget*> controlsOf(QWidget* form) {
    QList<QWidget*> controls;
    for (QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(form)) {
            controls.append(widget);
        }
    }
    return controls;
}

template <typename Widget> QList<Widget*> leftToRight(QList<Widget*> widgets) {
    std::sort(widgets.begin(), widgets.end(),
              [](const Widget* a, const Widget* b) { return a->x() < b->x(); });
    return widgets;
}

QList<widgets::AutoSizeLabel*> resultLabels() {
    return {Form1->ui.Label7, Form1->ui.Label13, Form1->ui.Label14};
}

void expectResultsReadAsShown() {
    for (widgets::AutoSizeLabel* label : resultLabels()) {
        QCOMPARE(nameOf(label), label->accessibleCaption() + QStringLiteral(": ") + label->text());
    }
}

QAccessibleInterface* childNamed(QWidget* window, const QString& name) {
    QAccessibleInterface* accessible = accessibleOf(window);
    for (int index = 0; index < accessible->childCount(); ++index) {
        QAccessibleInterface* child = accessible->child(index);
        if (child != nullptr && child->text(QAccessible::Name) == name) {
            return child;
        }
    }
    return nullptr;
}

// Presses a button as a screen reader does, through its accessible press action; false when
// the window has no button of that name.
bool pressNamed(QWidget* window, const QString& name) {
    QAccessibleInterface* button = childNamed(window, name);
    if (button == nullptr || button->actionInterface() == nullptr) {
        return false;
    }
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::initialiseApplication(*qApp); }

    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->ready());
    }

    void cleanup() { windows.reset(); }

    void everyControlHasItsOwnName() {
        // Those that show no caption of their own are among the controls checked.
        for (QWidget* captionless : std::initializer_list<QWidget*>{
                 Form1->ui.RadioButton1, Form1->ui.RadioButton2, Form1->ui.RadioButton3,
                 Form1->ui.RadioButton4, Form1->ui.ComboBox1, Form1->ui.Edit1, Form1->ui.Edit2,
                 Form3->ui.BitBtn1, Form3->ui.BitBtn2}) {
            QVERIFY2(controlsOf(captionless->window()).contains(captionless),
                     qPrintable(captionless->objectName()));
        }
        for (QWidget* form : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form3)}) {
            QSet<QString> names;
            const QList<QWidget*> controls = controlsOf(form);
            for (QWidget* control : controls) {
                const QString name = nameOf(control).trimmed();
                QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
                QVERIFY2(!names.contains(name), qPrintable(name));
                names.insert(name);
            }
        }
    }

    void scheduleButtonsAreNamedAsTheCaptionsOverTheirThumbnails() {
        QList<widgets::AutoSizeLabel*> captions;
        for (auto* label : Form1->findChildren<widgets::AutoSizeLabel*>()) {
            if (label->text().startsWith(QLatin1String("Sch "))) {
                captions.append(label);
            }
        }
        const QList<widgets::RadioButton*> buttons =
            leftToRight(Form1->findChildren<widgets::RadioButton*>());
        QCOMPARE(buttons.size(), 4);
        QCOMPARE(captions.size(), buttons.size());
        captions = leftToRight(captions);
        for (qsizetype index = 0; index < buttons.size(); ++index) {
            QCOMPARE(nameOf(buttons[index]), captions[index]->text());
            QVERIFY(buttons[index]->text().isEmpty());
        }
    }

    void resultLabelsReadTheirCaptionAndFollowTheirText() {
        QSet<QString> captions;
        for (widgets::AutoSizeLabel* label : resultLabels()) {
            QVERIFY(!label->accessibleCaption().isEmpty());
            captions.insert(label->accessibleCaption());
        }
        QCOMPARE(captions.size(), 3);
        expectResultsReadAsShown();

        click(Form1->ui.Edit1);
        Form1->ui.Edit1->selectAll();
        typeText(QStringLiteral("6000"));
        click(Form1->ui.BitBtn1);
        expectResultsReadAsShown();
        for (widgets::AutoSizeLabel* label : resultLabels()) {
            QVERIFY(!label->text().contains(QLatin1String("*")));
            // The caption is heard, not drawn.
            QVERIFY(!label->text().contains(label->accessibleCaption()));
        }

        // Editing the length blanks the inch result, and its name with it.
        click(Form1->ui.Edit1);
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(Form1->ui.Label14->text(), QStringLiteral("******"));
        expectResultsReadAsShown();
    }

    void galleryButtonsDoWhatTheirNamesSay() {
        Form3->setWindowModality(Qt::ApplicationModal);
        Form3->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form3));
        QCOMPARE(Form3->ui.Edit1->text(), QStringLiteral("0"));
        // The press is animated: the button clicks a moment later.
        QVERIFY(pressNamed(Form3, QStringLiteral("Next slide")));
        QTRY_COMPARE(Form3->ui.Edit1->text(), QStringLiteral("1"));
        QVERIFY(pressNamed(Form3, QStringLiteral("Next slide")));
        QTRY_COMPARE(Form3->ui.Edit1->text(), QStringLiteral("2"));
        QVERIFY(pressNamed(Form3, QStringLiteral("Previous slide")));
        QTRY_COMPARE(Form3->ui.Edit1->text(), QStringLiteral("1"));
    }

private:
    std::unique_ptr<ProgramWindows> windows;
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
