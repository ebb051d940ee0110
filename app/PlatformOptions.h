// The platform's side of how Qt's platform is started: options chosen before the application
// object loads it. One source file per platform.
#pragma once

namespace app {

// Chooses the options; to be called before the application object is made. A platform named in
// QT_QPA_PLATFORM is left as it is.
void choosePlatformOptions();

} // namespace app
