// Project1: creates the calculator window, then the résumé window, and runs the event loop
// until the calculator window closes.
#include "app/CreateForm.h"
#include "app/PlatformOptions.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"
#include "resume/Unit3.h"
#include "widgets/IdlePreparation.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    // The program takes no arguments: Qt sees only the program name.
    static int qtArgc = argc > 0 ? 1 : 0;
    app::choosePlatformOptions();
    QApplication application(qtArgc, argv);
    app::initialiseApplication(application);

    const std::unique_ptr<TForm1> calculator{app::createForm(Form1)};
    const std::unique_ptr<TForm3> resume{app::createForm(Form3)};

    const widgets::IdlePreparation gallery(*Form1, *Form3);
    app::showMainWindow(*Form1);
    QApplication::exec();
    return 0;
}
