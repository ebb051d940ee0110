// Prints how long the résumé window takes to open the first time and to change slides, each
// measured from the action to the end of the window's repaint (pictures decoded and drawn),
// against the budget of one 60 Hz frame. Runs on the offscreen platform unless told otherwise;
// QT_SCALE_FACTOR=2 measures it on a screen of two device pixels per logical pixel.
//   resume_benchmark                        as the program runs: the gallery got ready in the
//                                           idle time after start-up
//   resume_benchmark --without-preparation  everything left to the first opening
#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"
#include "widgets/IdlePreparation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr double kFrameMilliseconds = 1000.0 / 60.0;

// The action, then everything it leaves to the event loop, until the window is on the screen
// and has been repainted whole.
template <typename Action> double millisecondsFor(Action action) {
    QElapsedTimer timer;
    timer.start();
    action();
    while (Form3->windowHandle() == nullptr || !Form3->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    Form3->repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void printSeries(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-32s median %6.2f ms   max %6.2f ms   %s\n", what, times[times.size() / 2],
                times.back(),
                times.back() <= kFrameMilliseconds ? "within a frame" : "OVER A FRAME");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    app::initialiseApplication(application);
    const std::unique_ptr<TForm1> calculator{app::createForm(Form1)};
    const std::unique_ptr<TForm3> resume{app::createForm(Form3)};
    const bool prepared = !(argc > 1 && QByteArray(argv[1]) == "--without-preparation");
    std::unique_ptr<widgets::IdlePreparation> gallery;
    if (prepared) {
        gallery = std::make_unique<widgets::IdlePreparation>(*Form1, *Form3);
    }
    app::showMainWindow(*Form1);
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    std::printf("%s, %.2f device pixels per logical pixel\n",
                prepared ? "gallery prepared in the idle time after start-up"
                         : "gallery left to its first opening",
                Form3->devicePixelRatioF());

    const double opening = millisecondsFor([] { Form3->show(); });
    std::printf("%-32s %6.2f ms   %s\n", "first opening", opening,
                opening <= kFrameMilliseconds ? "within a frame" : "OVER A FRAME");

    // The next button, found as a screen reader finds it.
    auto* next = Form3->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"));
    std::vector<double> firstVisits;
    std::vector<double> laterVisits;
    for (int press = 0; press < 20; ++press) {
        const double change = millisecondsFor([next] { next->click(); });
        (press < 10 ? firstVisits : laterVisits).push_back(change);
    }
    printSeries("slide change, first visit", firstVisits);
    printSeries("slide change, later visits", laterVisits);
    std::printf("(one 60 Hz frame is %.2f ms)\n", kFrameMilliseconds);
    return 0;
}
