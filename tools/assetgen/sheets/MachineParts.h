// Recurring pieces of plant in model coordinates (millimetres, y up): steelwork, drives,
// pulleys and handrails, drawn the way a general-arrangement drawing shows them.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets {

// Quadrilateral steel panel a-b-c-d with cross bracing.
void bracedPanel(const Drafter& d, QPointF a, QPointF b, QPointF c, QPointF e,
                 Stroke stroke = Stroke::Visible);

// Truss with parallel chords: the bottom chord runs from `from` to `to`, the top chord `depth`
// above it (perpendicular to the chord), in `panels` equal N-braced panels.
void truss(const Drafter& d, QPointF from, QPointF to, double depth, int panels);

// Handrail along a walkway from a to b: top rail `height` above, knee rail, posts.
void handrail(const Drafter& d, QPointF a, QPointF b, double height, double postSpacing);

// Electric motor seen from the side, its shaft end at `shaft` pointing along +x (or -x when
// `facingLeft`): finned frame, fan cowl, terminal box and feet.
void motorSide(const Drafter& d, QPointF shaft, double length, double diameter,
               bool facingLeft = false);

// Gear unit housing as a box with its split line and the shaft stubs on either side.
void gearboxSide(const Drafter& d, QPointF lowerLeft, QPointF upperRight);

// Pulley or sprocket seen along its shaft: rim, hub and centre lines.
void pulleyEnd(const Drafter& d, QPointF centre, double radius);

// Hatched concrete pedestal of width w and height h standing on `base` (centre of its bottom).
void pedestal(const Drafter& d, QPointF base, double width, double height);

// Rolled steel sections cut across, drawn solid: an I-beam, a channel opening to +x (or -x),
// and an angle with its legs along +x and +y, all with their reference point at the centre.
void iSection(const Drafter& d, QPointF centre, double depth, double width);
void channelSection(const Drafter& d, QPointF centre, double depth, double width,
                    bool openLeft = false);
void angleSection(const Drafter& d, QPointF corner, double leg, double xSign = 1, double ySign = 1);

// One chain link plate between the pins a and b, as a rounded slot painted over what lies below.
void chainLink(const Drafter& d, QPointF a, QPointF b, double halfWidth,
               Stroke stroke = Stroke::Visible);

// Standing figure of a person for scale, feet at `feet`, `height` tall.
void personFigure(const Drafter& d, QPointF feet, double height);

} // namespace assetgen::sheets
