// palette_probe: prints the window colour, as #rrggbb, of the palette that a Qt widget program
// with no palette of its own gets from the desktop it starts on. The dark desktop test starts
// it in the program's very environment, to know that the desktop's colour scheme reaches Qt
// there before it compares the program's pixels with a plain desktop's.
#include <QApplication>
#include <QPalette>
#include <cstdio>

int main(int argc, char** argv) {
    const QApplication application(argc, argv);
    std::printf("%s\n", qPrintable(QApplication::palette().color(QPalette::Window).name()));
    return 0;
}
