// Unix: the faces come from the system's font packages, which the program's package depends
// on (Titr from fonts-farsiweb); nothing is shipped beside the program.
#include "widgets/ShippedFonts.h"

namespace widgets {

void loadShippedFonts() {}

} // namespace widgets
