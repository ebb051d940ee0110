// The checks of one embedded file against its row of the table. Each gives what is wrong, or an
// empty string when nothing is.
#pragma once

#include "AssetTable.h"

#include <QByteArray>
#include <QString>

// The file layout the program's loaders accept, and the pixel size.
QString formatProblem(const QByteArray& bytes, const Asset& asset);

// A picture drawn again at twice the pixels of its designed size: "@2x" in its name.
bool isDoubleSize(const Asset& asset);

// A double-size picture's designed-size twin, "Form1/Image9.bmp" for "Form1/Image9@2x.png";
// none when the table lacks it.
const Asset* designedTwin(const Asset& asset);

// For a keyed picture: the bottom-left pixel is the expected key, and the key colour makes
// background see-through, neither (nearly) all nor none of the picture, nor spots inside
// content that has no holes.
QString keyProblem(const QByteArray& bytes, const Asset& asset);

// For a double-size picture against its designed-size twin: twice the pixels, the same key
// colour, and the same drawing rather than the twin's pixels doubled.
QString twinProblem(const QByteArray& doubledBytes, const Asset& doubled,
                    const QByteArray& designedBytes, const Asset& designed);
