// Linked into a program for the start-up benchmark only. When the program's first window has
// been painted and handed to the screen, prints the monotonic clock and the resident memory
// (whose reading marks the end of the instructions counted under callgrind), then ends the
// program. With STARTUP_PROBE=settled in the environment it goes on instead: a second later
// it prints the resident memory again, then opens the program's hidden dialog, if it has one,
// the way its button does (exec), and prints once that window's first frame is out too.
//
// Where the frame ends: Qt 6 paints a top-level widget and flushes its backing store in one
// synchronous call of its repaint manager, made while the widget's window handles an Expose
// event (the first frame, once the window is mapped) or the widget handles an UpdateRequest.
// Every Paint of the window's widgets is sent from inside that call, and the flush, which
// writes the image to the display server, follows before it returns. So the probe delivers
// those two events itself, from its application-wide filter, and stamps as soon as a delivery
// that painted a top-level window returns: the frame is on its way to the screen, and none of
// the work the program queued for later (idle-time preparation, posted events) has run yet.
#include "ResidentMemory.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

constexpr int kSettleMilliseconds = 1000;

long long monotonicNanoseconds() {
    // The steady clock is the one the benchmark script's time.monotonic_ns() reads.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void printLine(const char* what, long long value) {
    const ResidentMemory memory = residentMemory();
    std::printf("%s %lld rss-kb %ld anon-kb %ld\n", what, value, memory.totalKilobytes,
                memory.anonymousKilobytes);
    std::fflush(stdout);
}

bool paintsWindow(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Expose:
        return watched->isWindowType();
    case QEvent::UpdateRequest:
        return watched->isWindowType() ||
               (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow());
    default:
        return false;
    }
}

class FrameProbe : public QObject {
public:
    FrameProbe() : goesOn_(qgetenv("STARTUP_PROBE") == "settled") {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (delivering_) {
            if (event->type() == QEvent::Paint && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->isWindow()) {
                painted_ = static_cast<QWidget*>(watched);
            }
            return false;
        }
        if (waitingFor_ == Waiting::Nothing || !paintsWindow(watched, event)) {
            return false;
        }
        delivering_ = true;
        painted_ = nullptr;
        // The rest of the delivery (the object's own filters, then the object) runs here, so
        // that the probe sees it end; the original delivery stops at this filter.
        QCoreApplication::sendEvent(watched, event);
        delivering_ = false;
        if (painted_ != nullptr) {
            frameOut(painted_);
        }
        return true;
    }

private:
    enum class Waiting { FirstWindow, Dialog, Nothing };

    void frameOut(QWidget* window) {
        const long long now = monotonicNanoseconds();
        if (waitingFor_ == Waiting::FirstWindow) {
            printLine("first-frame-ns", now);
            if (!goesOn_) {
                finish();
                return;
            }
            waitingFor_ = Waiting::Nothing;
            QTimer::singleShot(kSettleMilliseconds, this, &FrameProbe::settled);
        } else if (waitingFor_ == Waiting::Dialog && window == dialog_) {
            printLine("dialog-frame-us", (now - dialogOpenedAt_) / 1000);
            finish();
        }
    }

    void settled() {
        printLine("settled-ms", kSettleMilliseconds);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(window); dialog && !dialog->isVisible()) {
                dialog_ = dialog;
                break;
            }
        }
        if (dialog_ == nullptr) {
            finish();
            return;
        }
        waitingFor_ = Waiting::Dialog;
        dialogOpenedAt_ = monotonicNanoseconds();
        dialog_->exec();
    }

    void finish() {
        waitingFor_ = Waiting::Nothing;
        // Leaves a dialog's loop as well as the program's.
        QCoreApplication::exit(0);
    }

    const bool goesOn_;
    Waiting waitingFor_ = Waiting::FirstWindow;
    bool delivering_ = false;
    QPointer<QWidget> painted_;
    QPointer<QDialog> dialog_;
    long long dialogOpenedAt_ = 0;
};

void installProbe() {
    // Installed before the program's own filters, so it sees each event after them.
    QCoreApplication::instance()->installEventFilter(new FrameProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
