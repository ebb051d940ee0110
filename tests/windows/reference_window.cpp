// reference_window: shows one of the program's windows in a known state, built and driven
// through its own handlers in this process, saves a picture of its client area and prints the
// regions the end-to-end tests compare, one per line: "name<TAB>x y w h<TAB>text".
//
//   reference_window calculator <schedule 1-4> <size index> <length> <quantity> <picture.png>
//   reference_window gallery <slide 1-10> <picture.png>
//
// Under Wine no screen reader reaches the program (UI Automation does not cross processes
// there), so the tests read the real program's windows by comparing these regions pixel for
// pixel: the same code, fonts and Wine draw the same text the same way.
#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

void print(const char* name, const QRect& region, const QString& text) {
    std::printf("%s\t%d %d %d %d\t%s\n", name, region.x(), region.y(), region.width(),
                region.height(), text.toUtf8().constData());
}

void print(const QLabel* label) {
    print(label->objectName().toLatin1().constData(), label->geometry(), label->text());
}

bool save(QWidget& window, const char* path) {
    if (!QTest::qWaitForWindowExposed(&window)) {
        return false;
    }
    QTest::qWait(100);
    return window.grab().toImage().save(QString::fromLocal8Bit(path));
}

int calculator(char** argv) {
    Ui::TForm1& ui = Form1->ui;
    widgets::RadioButton* const schedules[] = {ui.RadioButton1, ui.RadioButton2, ui.RadioButton3,
                                               ui.RadioButton4};
    schedules[std::atoi(argv[0]) - 1]->setChecked(true);
    ui.ComboBox1->setCurrentIndex(std::atoi(argv[1]));
    Form1->ComboBox1Change();
    ui.Edit1->setText(QString::fromLocal8Bit(argv[2]));
    Form1->Edit1Exit();
    ui.Edit2->setText(QString::fromLocal8Bit(argv[3]));
    Form1->Edit2Exit();
    Form1->BitBtn1Click();
    if (!save(*Form1, argv[4])) {
        return 1;
    }
    print(ui.Label7);
    print(ui.Label13);
    print(ui.Label14);
    return 0;
}

int gallery(char** argv) {
    for (int slide = std::atoi(argv[0]); slide > 0; --slide) {
        Form3->BitBtn1Click();
    }
    Form3->show();
    if (!save(*Form3, argv[1])) {
        return 1;
    }
    print(Form3->ui.TntLabel1);
    print(Form3->ui.TntLabel3);
    print("slide", QRect(8, 8, 425, 313), Form3->ui.Edit1->text());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::initialiseApplication(application);
    const std::unique_ptr<TForm1> calculatorWindow{app::createForm(Form1)};
    const std::unique_ptr<TForm3> galleryWindow{app::createForm(Form3)};
    const QByteArray window = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (window == "calculator" && argc == 7) {
        app::showMainWindow(*Form1);
        return calculator(argv + 2);
    }
    if (window == "gallery" && argc == 4) {
        return gallery(argv + 2);
    }
    std::fputs("usage: reference_window calculator <schedule> <size> <length> <qty> <png>\n"
               "       reference_window gallery <slide> <png>\n",
               stderr);
    return 2;
}
