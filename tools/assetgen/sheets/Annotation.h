// The annotation of a drawing: dimensions, item balloons, level marks, view titles, section
// cuts and break lines. Positions are model points of the view; offsets and sizes are pixels.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets {

inline constexpr TextStyle kDimensionText{6};

// Aligned dimension from a to b, its line `offsetPx` to the left of the direction a to b
// (above for a dimension running left to right). The text defaults to the measured length.
void dimension(const Drafter& d, QPointF a, QPointF b, double offsetPx, const QString& text = {});

// Item balloon: a numbered circle `offsetPx` away from the part it points at.
void balloon(const Drafter& d, QPointF target, QPointF offsetPx, int item);

// Leader with a note: a line from the part to a shoulder and the text beyond it.
void leader(const Drafter& d, QPointF target, QPointF offsetPx, const QString& text);

// Level mark: a triangle standing on the level with the value beside it, e.g. "+12.500".
void levelMark(const Drafter& d, QPointF at, const QString& value, bool textLeft = false);

// A view's name, underlined, with its scale below, centred on `centre` (sheet pixels).
void viewTitle(const Drafter& sheet, QPointF centre, const QString& name,
               const QString& scale = {});

// Cutting plane from a to b with the viewing arrows on the left of a to b and the letter.
void sectionCut(const Drafter& d, QPointF a, QPointF b, const QString& letter);

// Break line across a part shortened in the view, with its zigzag in the middle.
void breakLine(const Drafter& d, QPointF a, QPointF b);

// Centre lines through a circle, overshooting it a little.
void centreCross(const Drafter& d, QPointF centre, double radius);

} // namespace assetgen::sheets
