// Unix platforms draw text with FreeType whatever their options: the defaults are what the
// windows were laid out for.
#include "app/PlatformOptions.h"

namespace app {

void choosePlatformOptions() {}

} // namespace app
