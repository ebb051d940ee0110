// reference_window: draws texts it is given in the labels of one of the program's windows,
// saves a picture of the window's client area and prints where each of those labels is, one
// per line: "name<TAB>x y w h<TAB>text".
//
//   reference_window calculator|gallery <picture.png> [<label name> <text>]...
//
// Under Wine no screen reader reaches the program (UI Automation does not cross processes
// there), so the tests read the real program's labels by pixels: the labels of this window,
// with the texts the test expects, must look the same, pixel for pixel, as the program's. The
// texts come from the test alone, never from the program's own calculation, so a wrong result
// cannot agree with itself; the window only lends each label its face and its place.
#include "app/CreateForm.h"
#include "app/PlatformOptions.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"
#include "widgets/AutoSizeLabel.h"

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

// Gives the window's labels their texts ("name", "text", ...) and collects them; false when
// the window has no label of a name.
bool setTexts(QWidget& window, const QStringList& namesAndTexts,
              QList<widgets::AutoSizeLabel*>& labels) {
    for (qsizetype at = 0; at + 1 < namesAndTexts.size(); at += 2) {
        auto* label = window.findChild<widgets::AutoSizeLabel*>(namesAndTexts[at]);
        if (label == nullptr) {
            std::fprintf(stderr, "no label %s\n", qPrintable(namesAndTexts[at]));
            return false;
        }
        label->setText(namesAndTexts[at + 1]);
        labels.append(label);
    }
    return true;
}

int draw(QWidget& window, const QString& path, const QStringList& namesAndTexts) {
    QList<widgets::AutoSizeLabel*> labels;
    if (!setTexts(window, namesAndTexts, labels)) {
        return 1;
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.grab().toImage().save(path)) {
        return 1;
    }
    for (const widgets::AutoSizeLabel* label : labels) {
        const QRect region = label->geometry();
        std::printf("%s\t%d %d %d %d\t%s\n", qPrintable(label->objectName()), region.x(),
                    region.y(), region.width(), region.height(),
                    label->text().toUtf8().constData());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // The program's own platform options, so that its texts are drawn as the program draws them.
    app::choosePlatformOptions();
    QApplication application(argc, argv);
    app::initialiseApplication(application);
    const std::unique_ptr<TForm1> calculatorWindow{app::createForm(Form1)};
    const std::unique_ptr<TForm3> galleryWindow{app::createForm(Form3)};
    // Windows hands the program its command line in UTF-16: the Persian texts arrive whole
    // only through QCoreApplication::arguments(), not through argv.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3 && arguments.size() % 2 == 1) {
        const QStringList namesAndTexts = arguments.mid(3);
        if (arguments[1] == QLatin1String("calculator")) {
            return draw(*Form1, arguments[2], namesAndTexts);
        }
        if (arguments[1] == QLatin1String("gallery")) {
            return draw(*Form3, arguments[2], namesAndTexts);
        }
    }
    std::fputs("usage: reference_window calculator|gallery <picture.png> [<label> <text>]...\n",
               stderr);
    return 2;
}
