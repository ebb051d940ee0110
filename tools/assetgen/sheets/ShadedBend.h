// A shaded picture of a segmented (mitred) duct bend with flanged straight ends, as a 3D model
// view: grey Lambert shading, silhouettes and the gore seams drawn dark.
#pragma once

#include <QPainter>
#include <QPointF>

namespace assetgen::sheets {

struct BendModel {
    double bendRadius; // centre line radius
    double tubeRadius;
    double angleDeg;   // total turn
    int gores;         // full gores; a half gore sits at each end
    double stubLength; // straight duct beyond each end of the bend
};

struct ViewAngles {
    double yawDeg;   // turn about the vertical
    double pitchDeg; // tilt towards the viewer
};

// Draws the bend centred on `centre` with `pxPerUnit` pixels per model unit.
void drawShadedBend(QPainter& painter, QPointF centre, double pxPerUnit, const BendModel& bend,
                    ViewAngles view);

} // namespace assetgen::sheets
