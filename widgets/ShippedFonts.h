// The platform's side of the faces the program brings along: those a platform lacks and the
// program carries as files of its own. One source file per platform.
#pragma once

namespace widgets {

// Makes the program's own font files available to this process only, before any window
// chooses a face. A missing file leaves its labels to the platform's fallback face.
void loadShippedFonts();

} // namespace widgets
