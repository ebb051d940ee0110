// The yardstick for the start-up benchmark: a Qt Widgets program with one empty window of
// the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(385, 455);
    window.show();
    return QApplication::exec();
}
