// Linked into a program for the start-up benchmark only: when its first window has been
// painted, prints the monotonic clock and the resident memory, then ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Platform-specific: only Linux reports the resident memory, through /proc; elsewhere it is
// given as -1, unknown.
long residentKilobytes() {
#if defined(Q_OS_LINUX)
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
#endif
    return -1;
}

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // Reported once the paint has finished and reached the screen.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        // The steady clock is the one the benchmark script's time.monotonic_ns() reads.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint-ns %lld rss-kb %ld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    residentKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
