// What a screen reader finds in both windows: a name for every control, schedule buttons named
// as the captions over their thumbnails, result labels that read with their caption and follow
// their text, and gallery buttons that do what their names say.
#include "ProgramWindows.h"
#include "RealInput.h"
#include "widgets/AutoSizeLabel.h"
#include "widgets/RadioButton.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
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
    return {component<widgets::AutoSizeLabel>(Form1, "Label7"),
            component<widgets::AutoSizeLabel>(Form1, "Label13"),
            component<widgets::AutoSizeLabel>(Form1, "Label14")};
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
        for (const auto& [form, name] :
             std::initializer_list<std::pair<QWidget*, const char*>>{{Form1, "RadioButton1"},
                                                                     {Form1, "RadioButton2"},
                                                                     {Form1, "RadioButton3"},
                                                                     {Form1, "RadioButton4"},
                                                                     {Form1, "ComboBox1"},
                                                                     {Form1, "Edit1"},
                                                                     {Form1, "Edit2"},
                                                                     {Form3, "BitBtn1"},
                                                                     {Form3, "BitBtn2"}}) {
            QVERIFY2(controlsOf(form).contains(component(form, name)), name);
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

        auto* length = component<QLineEdit>(Form1, "Edit1");
        click(length);
        length->selectAll();
        typeText(QStringLiteral("6000"));
        click(component(Form1, "BitBtn1"));
        expectResultsReadAsShown();
        for (widgets::AutoSizeLabel* label : resultLabels()) {
            QVERIFY(!label->text().contains(QLatin1String("*")));
            // The caption is heard, not drawn.
            QVERIFY(!label->text().contains(label->accessibleCaption()));
        }

        // Whatever sets a label's text, the name follows it.
        QLabel* inches = resultLabels().constLast();
        inches->setText(QStringLiteral("%s %n %1"));
        expectResultsReadAsShown();

        // Editing the length blanks the inch result, and its name with it.
        click(length);
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(component<QLabel>(Form1, "Label14")->text(), QStringLiteral("******"));
        expectResultsReadAsShown();
    }

    void galleryButtonsDoWhatTheirNamesSay() {
        Form3->setWindowModality(Qt::ApplicationModal);
        Form3->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form3));
        const auto* slideNumber = component<QLineEdit>(Form3, "Edit1");
        QCOMPARE(slideNumber->text(), QStringLiteral("0"));
        // The press is animated: the button clicks a moment later.
        QVERIFY(pressNamed(Form3, QStringLiteral("Next slide")));
        QTRY_COMPARE(slideNumber->text(), QStringLiteral("1"));
        QVERIFY(pressNamed(Form3, QStringLiteral("Next slide")));
        QTRY_COMPARE(slideNumber->text(), QStringLiteral("2"));
        QVERIFY(pressNamed(Form3, QStringLiteral("Previous slide")));
        QTRY_COMPARE(slideNumber->text(), QStringLiteral("1"));
    }

private:
    std::unique_ptr<ProgramWindows> windows;
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
