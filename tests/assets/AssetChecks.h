// The checks of one embedded file against its row of the table. Each gives what is wrong, or an
// empty string when nothing is.
#pragma once

#include "AssetTable.h"

#include <QByteArray>
#include <QString>

// The file layout the program's loaders accept, and the pixel size.
QString formatProblem(const QByteArray& bytes, const Asset& asset);

// For a keyed picture: the bottom-left pixel is the expected key, and the key colour makes
// background see-through, neither (nearly) all nor none of the picture, nor spots inside
// content that has no holes.
QString keyProblem(const QByteArray& bytes, const Asset& asset);
