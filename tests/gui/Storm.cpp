#include "Storm.h"

#include "RealInput.h"
#include "SlideCatalogue.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

const QEvent::Type kStepEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Long enough for the slowest single step under the sanitizers; a step that never comes means
// the input stalled in a loop that nothing drives.
constexpr int kStallMilliseconds = 60000;
// How many of the last inputs a failure report lists.
constexpr int kRecentInputs = 40;

QString nameOf(const QObject* object) {
    if (object == nullptr) {
        return QStringLiteral("none");
    }
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

QList<QWidget*> componentsOf(const QWidget& window) {
    return window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

int openModalWindows() {
    int open = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        open += window->isVisible() && window->isModal() ? 1 : 0;
    }
    return open;
}

// Counts an input as under way while it is being handled.
class Underway {
public:
    explicit Underway(int& count) : count_(++count) {}
    ~Underway() { --count_; }
    Underway(const Underway&) = delete;
    Underway& operator=(const Underway&) = delete;

private:
    int& count_;
};

} // namespace

Storm::Storm(std::uint64_t seed, int events) : random_(seed), events_(events) {
    stallGuard_.setSingleShot(true);
    stallGuard_.setInterval(kStallMilliseconds);
    connect(&stallGuard_, &QTimer::timeout, this, [this] {
        qFatal("The storm stalled after step %d:\n%s", steps_, qPrintable(recent_.join(u'\n')));
    });
    qApp->installEventFilter(this);
}

Storm::~Storm() {
    qApp->removeEventFilter(this);
}

QString Storm::run() {
    restart();
    scheduleStep();
    loop_.exec();
    if (!finished_) {
        fail(QStringLiteral("the event loop ended before the storm did"));
    } else if (const QString broken = checks_.broken(); !broken.isEmpty()) {
        fail(broken);
    }
    stallGuard_.stop();
    windows_.reset();
    return failure_;
}

bool Storm::event(QEvent* event) {
    if (event->type() != kStepEvent) {
        return QObject::event(event);
    }
    stepPosted_ = false;
    // Inside the handling of an input that has not finished (an outer loop may take posted
    // events while it handles it), unless that input opened a modal window whose loop this is.
    if (inputsUnderway_ <= openModalWindows()) {
        step();
    }
    scheduleStep();
    return true;
}

bool Storm::eventFilter(QObject* watched, QEvent* event) {
    // A box or the gallery about to run its own loop: the next step runs inside it.
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched) != nullptr) {
        ++(watched == Form3 ? galleryOpenings_ : errorBoxes_);
        scheduleStep();
    }
    return false;
}

void Storm::scheduleStep() {
    if (stepPosted_ || finished_) {
        return;
    }
    stepPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kStepEvent), Qt::LowEventPriority);
}

void Storm::step() {
    ++steps_;
    stallGuard_.start();
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* popup = QApplication::activePopupWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (failure_.isEmpty()) {
        const QString broken = box != nullptr ? checks_.brokenBox(*box) : checks_.broken();
        if (!broken.isEmpty()) {
            fail(broken);
        }
    }
    fold(QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
             .arg(component<QLabel>(Form1, "Label7")->text(),
                  component<QLabel>(Form1, "Label13")->text(),
                  component<QLabel>(Form1, "Label14")->text(),
                  component<QLineEdit>(Form1, "Edit1")->text(),
                  component<QLineEdit>(Form1, "Edit2")->text(),
                  component<QComboBox>(Form1, "ComboBox1")->currentText(),
                  component<QLineEdit>(Form3, "Edit1")->text(), nameOf(modal),
                  nameOf(QApplication::focusWidget())));
    if (delivered_ >= events_ || !failure_.isEmpty()) {
        windDown(modal, popup);
    } else if (box != nullptr) {
        actOnErrorBox(*box);
    } else if (popup != nullptr) {
        actOnPopup(*popup);
    } else if (modal == Form3) {
        actOnGallery();
    } else {
        actOnCalculator();
    }
}

void Storm::windDown(QWidget* modal, QWidget* popup) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        clickOk(*box);
    } else if (popup != nullptr) {
        press(*popup, Qt::Key_Escape);
    } else if (modal == Form3) {
        pressAltF4(*Form3);
    } else {
        finished_ = true;
        loop_.quit();
    }
}

void Storm::actOnCalculator() {
    QWidget& window = *Form1;
    const int choice = random_.below(1000);
    if (choice < 40) {
        clickSomewhereIn(*component(Form1, "BitBtn1"));
    } else if (choice < 350) {
        clickSomewhereInOneOf(componentsOf(window));
    } else if (choice < 400) {
        clickSomewhereIn(window);
    } else if (choice < 680) {
        press(window,
              random_.pick({Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape,
                            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                            Qt::Key_PageUp, Qt::Key_PageDown}),
              random_.percent(20) ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (choice < 960) {
        if (random_.percent(50)) {
            press(window, Qt::Key_A, Qt::ControlModifier);
        }
        type(window, random_.text());
    } else if (choice < 980) {
        press(window, Qt::Key_A, Qt::ControlModifier);
        paste(window, random_.longText());
    } else if (choice < 998) {
        for (int presses = 1 + random_.below(8); presses > 0; --presses) {
            press(window, Qt::Key_Backspace);
        }
    } else {
        // Closing the main window ends the program; the next run starts afresh.
        pressAltF4(window);
        if (Form1->isVisible()) {
            fail(QStringLiteral("the main window stayed open after Alt+F4"));
        }
        ++restarts_;
        restart();
    }
}

void Storm::actOnGallery() {
    QWidget& window = *Form3;
    const int choice = random_.below(100);
    if (choice < 30) {
        clickSomewhereIn(*component(Form3, random_.percent(50) ? "BitBtn1" : "BitBtn2"));
    } else if (choice < 50) {
        QList<QWidget*> slidePictures;
        for (int number = 1; number <= kSlideCount; ++number) {
            slidePictures.append(slideOf(number).picture);
        }
        clickSomewhereInOneOf(slidePictures);
    } else if (choice < 60) {
        clickSomewhereInOneOf(componentsOf(window));
    } else if (choice < 70) {
        clickSomewhereIn(window);
    } else if (choice < 90) {
        press(window,
              random_.pick({Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                            Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_Backspace, Qt::Key_A}),
              random_.percent(20) ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (choice < 93) {
        // The calculator takes no input while the gallery is open.
        clickSomewhereIn(*Form1);
    } else {
        pressAltF4(window);
    }
}

void Storm::actOnErrorBox(QMessageBox& box) {
    const int choice = random_.below(100);
    if (choice < 10) {
        clickSomewhereIn(*Form1);
    } else if (choice < 15) {
        type(box, random_.text());
    } else if (choice < 35) {
        clickOk(box);
    } else if (choice < 85) {
        press(box, random_.pick({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}));
    } else {
        pressAltF4(box);
    }
}

void Storm::actOnPopup(QWidget& popup) {
    const int choice = random_.below(100);
    if (choice < 55) {
        press(popup, random_.pick({Qt::Key_Up, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}));
    } else if (choice < 85) {
        // A list is blind to a release shortly after it opened unless the pointer moved on
        // it first; moving from corner to corner makes the choice independent of the time.
        {
            const Underway underway(inputsUnderway_);
            QTest::mouseMove(popup.windowHandle(), QPoint(1, 1));
            QTest::mouseMove(popup.windowHandle(), QPoint(popup.width() - 2, popup.height() - 2));
        }
        clickSomewhereIn(*component<QComboBox>(Form1, "ComboBox1")->view()->viewport());
    } else {
        clickSomewhereIn(*Form1);
    }
}

QString Storm::summary() const {
    return QStringLiteral("%1 input events in %2 steps: %3 calculations, %4 error boxes, %5 "
                          "openings of the gallery, %6 restarts")
        .arg(QString::number(delivered_), QString::number(steps_),
             QString::number(checks_.calculations()), QString::number(errorBoxes_),
             QString::number(galleryOpenings_), QString::number(restarts_));
}

void Storm::restart() {
    windows_.reset();
    windows_ = std::make_unique<ProgramWindows>();
    if (!windows_->ready()) {
        fail(QStringLiteral("the main window did not come up"));
    }
    checks_.watch();
    note(QStringLiteral("start"));
}

void Storm::fail(const QString& what) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = QStringLiteral("after step %1 and %2 input events: %3")
                   .arg(QString::number(steps_), QString::number(delivered_), what);
    qWarning().noquote() << "The last inputs before it:\n" + recent_.join(u'\n');
}

void Storm::click(QWidget& window, QPoint position, const QString& what) {
    note(QStringLiteral("click %1 at %2,%3 in %4")
             .arg(what, QString::number(position.x()), QString::number(position.y()),
                  nameOf(&window)));
    ++delivered_;
    const Underway underway(inputsUnderway_);
    clickInWindow(&window, position);
}

void Storm::clickOk(QMessageBox& box) {
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    click(box, ok->mapTo(&box, ok->rect().center()), QStringLiteral("OK"));
}

void Storm::clickSomewhereIn(QWidget& widget) {
    const QPoint inside(random_.below(std::max(1, widget.width())),
                        random_.below(std::max(1, widget.height())));
    click(*widget.window(), widget.mapTo(widget.window(), inside), nameOf(&widget));
}

void Storm::clickSomewhereInOneOf(const QList<QWidget*>& widgets) {
    clickSomewhereIn(*widgets[random_.below(static_cast<int>(widgets.size()))]);
}

void Storm::press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    note(QStringLiteral("key %1 in %2")
             .arg(QKeySequence(QKeyCombination(modifiers, key)).toString(), nameOf(&window)));
    ++delivered_;
    const Underway underway(inputsUnderway_);
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

void Storm::type(QWidget& window, const QString& text) {
    note(QStringLiteral("type '%1' in %2").arg(text, nameOf(&window)));
    const Underway underway(inputsUnderway_);
    for (const QChar character : text) {
        ++delivered_;
        if (character.unicode() < 0x80) {
            QTest::keyClick(window.windowHandle(), static_cast<char>(character.unicode()));
        } else {
            // A key of a Persian or Arabic keyboard layout: its code is the character's.
            QTest::sendKeyEvent(QTest::Click, window.windowHandle(),
                                static_cast<Qt::Key>(character.unicode()), QString(character),
                                Qt::NoModifier);
        }
    }
}

void Storm::paste(QWidget& window, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    note(QStringLiteral("paste %1 characters").arg(text.size()));
    press(window, Qt::Key_V, Qt::ControlModifier);
}

void Storm::pressAltF4(QWidget& window) {
    press(window, Qt::Key_F4, Qt::AltModifier);
    // What a window manager makes of the keys.
    window.close();
}

void Storm::note(const QString& what) {
    fold(what);
    recent_.append(what);
    if (recent_.size() > kRecentInputs) {
        recent_.removeFirst();
    }
}

void Storm::fold(const QString& text) {
    // FNV-1a, the same on every run and machine.
    for (const QChar character : text) {
        digest_ = (digest_ ^ character.unicode()) * 16777619u;
    }
}
