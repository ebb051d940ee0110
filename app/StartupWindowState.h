// The platform's side of how the main window is first shown: normally, or maximised or
// minimised when the program was started that way. One source file per platform.
#pragma once

#include <Qt>

namespace app {

// The state the program was asked to show its main window in.
Qt::WindowState startupWindowState();

} // namespace app
