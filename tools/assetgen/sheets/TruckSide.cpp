#include "TruckSide.h"

namespace assetgen::sheets {
namespace {

void wheel(const Drafter& d, QPointF centre) {
    QPainterPath tyre;
    tyre.addEllipse(centre, 520, 520);
    d.fill(tyre, Qt::white);
    d.circle(centre, 520, Stroke::Heavy);
    d.circle(centre, 330, Stroke::Thin);
    d.circle(centre, 110, Stroke::Thin);
}

} // namespace

void drawTruckSide(const Drafter& d, QPointF rearEnd) {
    const auto at = [&](double x, double y) { return rearEnd + QPointF(x, y); };
    // Chassis frame and the tipper body with its ribs and tailgate hinge.
    d.box(at(200, 950), at(8600, 1250));
    const QList<QPointF> body{at(0, 1350), at(6100, 1350), at(6300, 3700), at(0, 3700)};
    d.blank(body);
    d.polygon(body);
    d.line(at(0, 3550), at(6280, 3550), Stroke::Thin);
    for (double x = 900; x < 6000; x += 900) {
        d.line(at(x, 1350), at(x + x / 6100 * 200, 3700), Stroke::Thin);
    }
    d.box(at(-80, 1300), at(80, 3750));
    d.line(at(5200, 1250), at(5900, 1350), Stroke::Thin);
    // Cab: sloped windscreen, side window, door, bumper and steps.
    const QList<QPointF> cab{at(6500, 1250), at(8800, 1250), at(8850, 2300),
                             at(8600, 3350), at(6600, 3450), at(6500, 3300)};
    d.blank(cab);
    d.polygon(cab);
    d.polygon({at(7600, 2450), at(8550, 2450), at(8350, 3200), at(7600, 3250)}, Stroke::Thin);
    d.polygon({at(6750, 2450), at(7450, 2450), at(7450, 3250), at(6750, 3300)}, Stroke::Thin);
    d.line(at(7500, 1350), at(7500, 3250), Stroke::Thin);
    d.box(at(8750, 900), at(8950, 1250));
    d.line(at(7000, 1050), at(7300, 1050), Stroke::Thin);
    d.box(at(6000, 900), at(6450, 1250), Stroke::Thin);
    // Mudguards over the tandem rear axles and the steered front axle.
    for (double x : {1300.0, 2450.0, 7700.0}) {
        d.arc(at(x, 520), 680, 0, 180, Stroke::Visible);
        wheel(d, at(x, 520));
    }
}

} // namespace assetgen::sheets
