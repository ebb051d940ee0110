// A small two-column table of design data (duty, speeds, drive ratings) with its heading.
#pragma once

#include "Drafter.h"

#include <QList>
#include <utility>

namespace assetgen::sheets {

using DataRows = QList<std::pair<QString, QString>>;

// Draws the table from `topLeft` down; returns its bottom edge.
double drawDataTable(const Drafter& paper, QPointF topLeft, double keyWidth, double valueWidth,
                     const QString& heading, const DataRows& rows);

} // namespace assetgen::sheets
