// Windows has no Titr. The program ships it as a file of its own beside the executable (it is
// licensed separately, under the GPL) and adds it for this process only, leaving the system's
// fonts as they are.
#include "widgets/ShippedFonts.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace widgets {

void loadShippedFonts() {
    QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/titr.ttf"));
}

} // namespace widgets
