// Linked into a program for the start-up benchmark only: when its first window has been
// painted, prints the monotonic clock and the resident memory, then ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
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
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-paint-ns %lld rss-kb %ld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
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
