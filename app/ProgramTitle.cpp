#include "app/ProgramTitle.h"

#include <QFileInfo>

namespace app {

QString programTitle(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).fileName().section(u'.', 0, 0);
    if (name.isEmpty()) {
        return name;
    }
    return name.left(1) + name.mid(1).toLower();
}

} // namespace app
