// A second yardstick for the start-up benchmark: the bare window with one line of text, so
// that the cost of bringing up the font system, which any window with text pays, shows apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(385, 455);
    QLabel label(QStringLiteral("Pipe Weight (Sch)"), &window);
    label.move(40, 160);
    window.show();
    return QApplication::exec();
}
