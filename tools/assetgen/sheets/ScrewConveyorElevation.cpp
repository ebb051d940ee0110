// Side elevation of the screw conveyor with its trough broken open over the flight, and the plan.
#include "Annotation.h"
#include "Hatching.h"
#include "MachineParts.h"
#include "ScrewConveyor.h"

#include <cmath>
#include <numbers>

namespace assetgen::sheets::screw {
namespace {

constexpr double kCutFrom = 1150, kCutTo = 5880;

// A curve along the flight edge of the given radius over [from, to], where the flight's phase
// starts at x0 on the underside.
QList<QPointF> flightEdge(double x0, double from, double to, double radius) {
    QList<QPointF> points;
    const int steps = std::max(2, static_cast<int>((to - from) / (kPitch / 40)));
    for (int i = 0; i <= steps; ++i) {
        const double x = from + (to - from) * i / steps;
        const double phase = 2 * std::numbers::pi * (x - x0) / kPitch - std::numbers::pi / 2;
        points.append({x, radius * std::sin(phase)});
    }
    return points;
}

QPainterPath pathThrough(const QList<QPointF>& points) {
    QPainterPath path(points.front());
    for (qsizetype i = 1; i < points.size(); ++i) {
        path.lineTo(points[i]);
    }
    return path;
}

void driveSide(const Drafter& d) {
    d.box({kLength + 20, -110}, {kLength + 150, 110});
    d.box({kLength + 150, -45}, {kLength + 300, 45});
    d.box({kLength + 300, -130}, {kLength + 450, 130});
    gearboxSide(d, {kLength + 450, -300}, {kLength + 1050, 330});
    motorSide(d, {kLength + 1060, -20}, 1150, 440, true);
    // Drive base on its own stand.
    d.box({kLength + 380, -520}, {kLength + 2260, -300});
    for (double x : {kLength + 480, kLength + 2160}) {
        d.box({x - 50, kFloor}, {x + 50, -520});
        d.box({x - 110, kFloor}, {x + 110, kFloor + 25}, Stroke::Thin);
    }
}

void supportLeg(const Drafter& d, double x) {
    d.box({x - 50, kFloor + 25}, {x + 50, kTroughBottom - 20});
    d.box({x - 150, kTroughBottom - 20}, {x + 150, kTroughBottom});
    d.box({x - 120, kFloor}, {x + 120, kFloor + 25}, Stroke::Thin);
}

} // namespace

void drawFlight(const Drafter& d, double x0, double x1) {
    // Far edges first, broken where the pipe hides them; then the pipe; then each near
    // half-turn painted over what it hides, with two lines across its face for the twist.
    for (double start = x0 - kPitch; start < x1; start += kPitch) {
        const double from = std::max(x0, start + kPitch / 2), to = std::min(x1, start + kPitch);
        if (from >= to) {
            continue;
        }
        QList<QPointF> run;
        for (const QPointF& p : flightEdge(x0, from, to, kFlightRadius)) {
            if (std::abs(p.y()) > kPipeRadius) {
                run.append(p);
            } else if (run.size() > 1) {
                d.curve(pathThrough(run), Stroke::Visible);
                run.clear();
            } else {
                run.clear();
            }
        }
        if (run.size() > 1) {
            d.curve(pathThrough(run), Stroke::Visible);
        }
    }
    d.line({x0, kPipeRadius}, {x1, kPipeRadius});
    d.line({x0, -kPipeRadius}, {x1, -kPipeRadius});
    for (double start = x0 - kPitch; start < x1; start += kPitch) {
        const double from = std::max(x0, start), to = std::min(x1, start + kPitch / 2);
        if (from >= to) {
            continue;
        }
        const QList<QPointF> outer = flightEdge(x0, from, to, kFlightRadius);
        const QList<QPointF> inner = flightEdge(x0, from, to, kPipeRadius);
        QList<QPointF> face = outer;
        for (qsizetype i = inner.size() - 1; i >= 0; --i) {
            face.append(inner[i]);
        }
        d.blank(face);
        for (double share : {0.4, 0.7}) {
            const double radius = kPipeRadius + share * (kFlightRadius - kPipeRadius);
            d.curve(pathThrough(flightEdge(x0, from, to, radius)), Stroke::Thin);
        }
        d.curve(pathThrough(outer), Stroke::Visible);
        d.curve(pathThrough(inner), Stroke::Thin);
    }
}

void drawElevation(const Drafter& paper) {
    const Drafter d = paper.view({74, 86}, 0.0385);
    ground(d, -1900, kLength + 2500, kFloor);

    // Trough shell, its top flange, and the end plates with their bearings.
    d.box({0, kTroughBottom}, {kLength, kTroughTop});
    d.line({0, kTroughTop - 45}, {kLength, kTroughTop - 45}, Stroke::Thin);
    for (double x = 1500; x < kLength; x += 1500) {
        d.line({x, kTroughTop - 45}, {x, kTroughTop + 12}, Stroke::Thin);
    }
    d.box({0, kTroughTop}, {kLength, kTroughTop + 12}, Stroke::Thin);
    // Broken out between the break lines to show the flight.
    const QList<QPointF> opening{{kCutFrom, kTroughBottom + 35},
                                 {kCutTo, kTroughBottom + 35},
                                 {kCutTo, kTroughTop - 45},
                                 {kCutFrom, kTroughTop - 45}};
    d.blank(opening);
    drawFlight(d, kCutFrom, kHanger - kHangerGap / 2);
    drawFlight(d, kHanger + kHangerGap / 2, kCutTo);
    d.box({kHanger - kHangerGap / 2, -45}, {kHanger + kHangerGap / 2, 45});
    d.box({kHanger - 45, 60}, {kHanger + 45, kTroughTop - 45});
    d.box({kHanger - 80, -75}, {kHanger + 80, 75});
    d.line({kCutFrom, kTroughBottom + 35}, {kCutTo, kTroughBottom + 35}, Stroke::Thin);
    breakLine(d, {kCutFrom, kTroughBottom + 35}, {kCutFrom, kTroughTop - 45});
    breakLine(d, {kCutTo, kTroughBottom + 35}, {kCutTo, kTroughTop - 45});
    for (double x : {-20.0, kLength}) {
        d.box({x, kTroughBottom - 20}, {x + 20, kTroughTop + 20}, Stroke::Heavy);
    }
    d.box({-150, -110}, {-20, 110});
    d.box({-220, -45}, {-150, 45});

    // Inlet and outlet spouts with their flanges.
    d.box({kInlet[0], kTroughTop + 12}, {kInlet[1], 780});
    d.box({kInlet[0] - 60, 780}, {kInlet[1] + 60, 820});
    d.box({kOutlet[0], -700}, {kOutlet[1], kTroughBottom});
    d.box({kOutlet[0] - 60, -740}, {kOutlet[1] + 60, -700});
    d.text({(kInlet[0] + kInlet[1]) / 2, 900}, QStringLiteral("INLET"), kDimensionText,
           Qt::AlignHCenter);
    d.text({(kOutlet[0] + kOutlet[1]) / 2, -800}, QStringLiteral("OUTLET"), kDimensionText,
           Qt::AlignHCenter | Qt::AlignTop);
    for (double x : kLegs) {
        supportLeg(d, x);
    }
    driveSide(d);
    personFigure(d, {-1250, kFloor}, 1750);

    d.line({-400, 0}, {kLength + 2400, 0}, Stroke::Centre);
    dimension(d, {0, kFloor}, {kLength, kFloor}, -12);
    dimension(d, {kLength, kFloor}, {kLength + 2260, kFloor}, -12, QStringLiteral("2260"));
    dimension(d, {0, kFloor}, {kLegs[0], kFloor}, -5, QStringLiteral("700"));
    dimension(d, {-500, kFloor}, {-500, 0}, 0);
    sectionCut(d, {2100, 1050}, {2100, kTroughBottom - 250}, QStringLiteral("A"));
    leader(d, {4330, kFlightRadius * 0.8}, {26, -26}, QStringLiteral("Ø600 x P600"));
    balloon(d, {800, kTroughBottom + 60}, {-6, 18}, 1);
    balloon(d, {1900, -kFlightRadius * 0.4}, {0, 20}, 2);
    balloon(d, {3600, kPipeRadius}, {6, -22}, 3);
    balloon(d, {kHanger, kTroughTop - 60}, {-6, -22}, 4);
    balloon(d, {-100, 100}, {-2, -20}, 5);
    balloon(d, {kLength + 750, 330}, {0, -18}, 8);
    balloon(d, {kLength - 1200, kTroughTop + 12}, {0, -16}, 9);
    balloon(d, {kLegs[1], -900}, {-14, 0}, 10);
    balloon(d, {kInlet[1] + 60, 800}, {12, -6}, 11);
    balloon(d, {kOutlet[1] + 60, -720}, {12, 6}, 12);
    viewTitle(paper, {240, 26}, QStringLiteral("SIDE ELEVATION"),
              QStringLiteral("SCALE 1:25 - TROUGH BROKEN OUT"));
}

void drawPlan(const Drafter& paper) {
    const Drafter d = paper.view({74, 186}, 0.0385);
    const double flange = kTroughHalfWidth + 40;
    d.box({-20, -flange}, {kLength + 20, flange});
    d.box({0, -kTroughHalfWidth}, {kLength, kTroughHalfWidth}, Stroke::Thin);
    for (double x = 1500; x < kLength; x += 1500) {
        d.line({x, -flange}, {x, flange}, Stroke::Thin);
    }
    d.line({0, kFlightRadius}, {kLength, kFlightRadius}, Stroke::Hidden);
    d.line({0, -kFlightRadius}, {kLength, -kFlightRadius}, Stroke::Hidden);
    d.box({kOutlet[0], -250}, {kOutlet[1], 250}, Stroke::Hidden);
    d.box({kInlet[0] - 60, -310}, {kInlet[1] + 60, 310});
    d.box({kInlet[0], -250}, {kInlet[1], 250});
    d.line({kInlet[0], -250}, {kInlet[1], 250}, Stroke::Thin);
    d.line({kInlet[0], 250}, {kInlet[1], -250}, Stroke::Thin);
    // Drive seen from above: bearing, coupling, gear unit, motor, base frame.
    d.box({kLength + 20, -130}, {kLength + 150, 130});
    d.box({kLength + 150, -45}, {kLength + 300, 45});
    d.box({kLength + 300, -130}, {kLength + 450, 130});
    d.box({kLength + 450, -300}, {kLength + 1050, 300});
    d.box({kLength + 1050, -40}, {kLength + 1110, 40});
    d.box({kLength + 1110, -200}, {kLength + 1200, 200});
    d.box({kLength + 1200, -220}, {kLength + 1920, 220});
    for (double y = -150; y <= 150; y += 75) {
        d.line({kLength + 1260, y}, {kLength + 1880, y}, Stroke::Thin);
    }
    d.polygon({{kLength + 1920, -200},
               {kLength + 2150, -200},
               {kLength + 2210, -140},
               {kLength + 2210, 140},
               {kLength + 2150, 200},
               {kLength + 1920, 200}});
    d.box({kLength + 1450, -220}, {kLength + 1700, -360});
    d.box({kLength + 380, -420}, {kLength + 2260, 420}, Stroke::Hidden);
    d.line({-400, 0}, {kLength + 2400, 0}, Stroke::Centre);
    d.line({kHanger, -flange - 200}, {kHanger, flange + 200}, Stroke::Centre);
    dimension(d, {-20, flange}, {-20, -flange}, -6, QStringLiteral("740"));
    viewTitle(paper, {240, 222}, QStringLiteral("PLAN"), QString());
}

} // namespace assetgen::sheets::screw
