// Both windows created as start-up creates them, for tests that drive them; each test case
// gets fresh windows so that no state leaks from one case into the next.
#pragma once

#include "app/CreateForm.h"
#include "app/PlatformOptions.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>

// How long a test waits for the window system to expose or activate a window or to hand over
// the focus: under Wine on a busy machine an activation took longer than QtTest's 5 seconds.
constexpr int kWindowSystemWait = 20000;

// Qt's platform started with the program's options: chosen before QTEST_MAIN makes the
// application object.
inline const bool kProgramPlatformOptions = (app::choosePlatformOptions(), true);

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
        return QTest::qWaitForWindowExposed(Form1, kWindowSystemWait) &&
               QTest::qWaitForWindowActive(Form1, kWindowSystemWait);
    }

    // Shows the résumé window too, for tests that look at both windows as they are drawn.
    bool bothShown() const {
        if (!ready()) {
            return false;
        }
        Form3->show();
        return QTest::qWaitForWindowExposed(Form3, kWindowSystemWait);
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

// The window whose focus widget keys go to, once there is one: after a popup or a box closes,
// the focus comes back in the window system's own time (under Wine, with its activation).
// Fails the test when none ever has the focus.
inline QWindow* windowWithFocus() {
    if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; },
                         kWindowSystemWait)) {
        QTest::qFail("no widget has the keyboard focus", __FILE__, __LINE__);
        return nullptr;
    }
    return QApplication::focusWidget()->window()->windowHandle();
}

// Keys as the window system delivers them: to the active window's focus widget.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWindow* window = windowWithFocus()) {
        QTest::keyClick(window, key, modifiers);
    }
}

inline void typeText(const QString& text) {
    for (const QChar character : text) {
        if (QWindow* window = windowWithFocus()) {
            QTest::keyClick(window, character.toLatin1());
        }
    }
}
