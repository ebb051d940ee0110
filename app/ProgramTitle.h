// The program's title, made from its executable's file name.
#pragma once

#include <QString>

namespace app {

// The file name without its directory, cut at its first full stop, the first character
// unchanged and the rest in lower case: PIPE.EXE gives Pipe, my.app.exe gives my.
QString programTitle(const QString& executablePath);

} // namespace app
