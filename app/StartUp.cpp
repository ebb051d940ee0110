#include "app/StartUp.h"

#include "app/ProgramTitle.h"
#include "app/StartupWindowState.h"
#include "pictures/IconDecoder.h"
#include "widgets/ClassicPalette.h"
#include "widgets/ErrorDisplay.h"
#include "widgets/RegionalSettings.h"
#include "widgets/ShippedFonts.h"
#include "widgets/StandInFonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace app {
namespace {

QWidget* firstTabStop(QWidget& window) {
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window) &&
            widget->isEnabledTo(&window)) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

void initialiseApplication(QApplication& application) {
    const QString title = programTitle(QCoreApplication::applicationFilePath());
    // Not the display name: Qt would append that to every window's caption.
    QCoreApplication::setApplicationName(title);
    QGuiApplication::setDesktopFileName(QStringLiteral(PIPEWEIGHT_APP_ID));
    QApplication::setWindowIcon(pictures::readIcon(QStringLiteral(":/MAINICON.ico")));
    widgets::loadShippedFonts();
    widgets::mapStandInFonts();
    // The windows' own font, MS Sans Serif 8 point: controls lay out their text with the
    // application's font before their window's reaches them, which would otherwise load a face
    // that nothing shows.
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    QApplication::setFont(widgets::withStandIn(windowFont));
    // The classic bevelled controls the windows were laid out for, in their own light colours,
    // on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    widgets::useClassicPalette(application);
    widgets::ErrorDisplay::install(application, title);
    widgets::RegionalSettings::install(application);
}

void showMainWindow(QWidget& window) {
    window.setWindowState(startupWindowState());
    window.show();
    // A bare X server has no window manager to activate the first window.
    window.activateWindow();
    if (window.focusWidget() == nullptr) {
        if (QWidget* first = firstTabStop(window)) {
            first->setFocus(Qt::TabFocusReason);
        }
    }
}

} // namespace app
