// Windows: a shortcut's "Run" setting (or any launcher) asks for a show state in the start-up
// information. Qt shows its windows with a state of its own choosing, so the program reads it.
#include "app/StartupWindowState.h"

#include <windows.h>

namespace app {

Qt::WindowState startupWindowState() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0) {
        return Qt::WindowNoState;
    }
    switch (startup.wShowWindow) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        return Qt::WindowMinimized;
    case SW_SHOWMAXIMIZED:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

} // namespace app
