// Unix desktops have no start-up show state: a window manager decides how windows first appear.
#include "app/StartupWindowState.h"

namespace app {

Qt::WindowState startupWindowState() {
    return Qt::WindowNoState;
}

} // namespace app
