// The program icon's file, read without Qt's icon plugin.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>

namespace pictures {

// The images of an icon file whose entries are 32-bit bitmaps with an alpha channel, the kind
// the program icon is, decoded here: loading Qt's icon plugin would cost start-up a plugin
// search and a library to map. A file of any other kind goes to Qt's reader; a damaged one
// gives a null icon.
QIcon decodeIcon(const QByteArray& data);

// The icon in the file at `path` (a resource or a file).
QIcon readIcon(const QString& path);

} // namespace pictures
