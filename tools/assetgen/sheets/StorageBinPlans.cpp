// Plans of the storage bin: the roof framing with its bracing, and the section through the
// structure below the bin.
#include "Annotation.h"
#include "MachineParts.h"
#include "StorageBin.h"

#include <cmath>
#include <numbers>

namespace assetgen::sheets::bin {
namespace {

constexpr int kRafters = 16;

QPointF polar(double radius, double angleDeg) {
    const double a = qDegreesToRadians(angleDeg);
    return {radius * std::cos(a), radius * std::sin(a)};
}

} // namespace

void drawRoofBracing(const Drafter& paper) {
    const Drafter d = paper.view({334, 82}, 0.0132);
    const double inner = 600, purlin = 2100;
    d.circle({0, 0}, kShellRadius, Stroke::Heavy);
    d.circle({0, 0}, kShellRadius - 120, Stroke::Thin);
    d.circle({0, 0}, inner);
    d.circle({0, 0}, purlin, Stroke::Thin);
    for (int i = 0; i < kRafters; ++i) {
        const double a = 360.0 * i / kRafters;
        d.line(polar(inner, a), polar(kShellRadius - 120, a));
        // Every fourth bay is braced across both rings.
        if (i % 4 == 0) {
            const double b = 360.0 * (i + 1) / kRafters;
            d.line(polar(inner, a), polar(purlin, b), Stroke::Thin);
            d.line(polar(inner, b), polar(purlin, a), Stroke::Thin);
            d.line(polar(purlin, a), polar(kShellRadius - 120, b), Stroke::Thin);
            d.line(polar(purlin, b), polar(kShellRadius - 120, a), Stroke::Thin);
        }
    }
    d.box({-250, -250}, {250, 250});
    d.box({1700, 400}, {2300, 900});
    centreCross(d, {0, 0}, kShellRadius);
    dimension(d, {-kShellRadius, -kShellRadius}, {kShellRadius, -kShellRadius}, -6,
              QStringLiteral("Ø7000"));
    leader(d, polar(2800, 101.25), {-18, -8}, QStringLiteral("UPN 140"));
    viewTitle(paper, {334, 150}, QStringLiteral("ROOF BRACING ASSEMBLY"),
              QStringLiteral("SCALE 1:75"));
}

void drawPlanSection(const Drafter& paper) {
    const Drafter d = paper.view({484, 82}, 0.0102);
    const double c = kColumnX;
    // Columns and the floor beams of the +6.500 platform around the hopper.
    for (double x : {-c, c}) {
        for (double y : {-c, c}) {
            iSection(d, {x, y}, 400, 400);
        }
    }
    for (double y : {-c, c}) {
        d.box({-c + 200, y - 100}, {c - 200, y + 100});
        d.box({y - 100, -c + 200}, {y + 100, c - 200});
    }
    const double hole = coneRadius(6500) + 300;
    for (double side : {-1.0, 1.0}) {
        d.box({-c + 200, side * hole}, {c - 200, side * (hole + 160)}, Stroke::Thin);
    }
    d.box({-hole, -hole}, {hole, hole}, Stroke::Thin);
    d.line({-c, -c}, {-c + 1800, -c + 1800}, Stroke::Thin);
    d.line({c, c}, {c - 1800, c - 1800}, Stroke::Thin);
    d.line({c, -c}, {c - 1800, -c + 1800}, Stroke::Thin);
    d.line({-c, c}, {-c + 1800, c - 1800}, Stroke::Thin);
    // The hopper cut at the section, the cone below it, the shell above shown hidden.
    d.circle({0, 0}, coneRadius(8200), Stroke::Heavy);
    d.circle({0, 0}, kOutletRadius);
    for (int i = 0; i < 8; ++i) {
        const double a = 45.0 * i + 22.5;
        d.line(polar(kOutletRadius, a), polar(coneRadius(8200), a), Stroke::Thin);
    }
    d.circle({0, 0}, kShellRadius, Stroke::Hidden);
    d.box({-1250, -c - 700}, {1250, c + 700}, Stroke::Phantom);
    d.text({0, -c - 1000}, QStringLiteral("TRUCK LANE"), kDimensionText,
           Qt::AlignHCenter | Qt::AlignTop);
    d.line({-c - 600, 0}, {c + 600, 0}, Stroke::Centre);
    d.line({0, -c - 600}, {0, c + 600}, Stroke::Centre);
    dimension(d, {-c, c}, {c, c}, 8, QStringLiteral("9000"));
    viewTitle(paper, {484, 150}, QStringLiteral("SECTION A-A"), QStringLiteral("SCALE 1:100"));
}

} // namespace assetgen::sheets::bin
