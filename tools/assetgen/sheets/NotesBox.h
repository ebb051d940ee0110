// The general notes of a sheet: a heading and numbered notes wrapped to the box's width.
#pragma once

#include "Drafter.h"

#include <QRectF>
#include <QStringList>

namespace assetgen::sheets {

// Writes the notes from the top of `area` down, framed; returns the bottom of the last line.
double drawNotes(const Drafter& paper, QRectF area, const QStringList& notes);

} // namespace assetgen::sheets
