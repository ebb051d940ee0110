// Both windows created as start-up creates them, for tests that drive them; each test case
// gets fresh windows so that no state leaks from one case into the next.
#pragma once

#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"

#include <QApplication>
#include <QTest>
#include <memory>

class ProgramWindows {
public:
    ProgramWindows() {
        calculator_.reset(app::createForm(Form1));
        resume_.reset(app::createForm(Form3));
        app::showMainWindow(*Form1);
    }
    ~ProgramWindows() {
        resume_.reset();
        calculator_.reset();
        Form1 = nullptr;
        Form3 = nullptr;
    }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    bool ready() const {
        return QTest::qWaitForWindowExposed(Form1) && QTest::qWaitForWindowActive(Form1);
    }

    // Shows the résumé window too, for tests that look at both windows as they are drawn.
    bool bothShown() const {
        if (!ready()) {
            return false;
        }
        Form3->show();
        return QTest::qWaitForWindowExposed(Form3);
    }

private:
    std::unique_ptr<TForm1> calculator_;
    std::unique_ptr<TForm3> resume_;
};

// A form's component by its object name, as screen readers and the end-to-end tests find it:
// the windows keep their components to themselves. A missing one, or one that is not a
// `Component`, ends the test run.
template <typename Component = QWidget>
Component* component(const QWidget* form, const char* name) {
    auto* found = form->findChild<Component*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no component %s of the kind asked for", name);
    }
    return found;
}

// Keys as the window system delivers them: to the active window's focus widget.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget()->window()->windowHandle(), key, modifiers);
}

inline void typeText(const QString& text) {
    for (const QChar character : text) {
        QTest::keyClick(QApplication::focusWidget()->window()->windowHandle(),
                        character.toLatin1());
    }
}
