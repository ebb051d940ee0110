// The parts list that stands on the title block: numbered rows growing upwards from the column
// headings, as the items are numbered in the views.
#pragma once

#include "Drafter.h"

#include <QList>

namespace assetgen::sheets {

struct Part {
    QString description;
    int quantity;
    QString material;
    QString weight; // kg, blank for bought-out items
};

// Draws the list across [left, right] with its bottom edge on `bottom`; returns its top edge.
double drawPartsList(const Drafter& paper, double left, double right, double bottom,
                     const QList<Part>& parts);

} // namespace assetgen::sheets
