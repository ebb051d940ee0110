// Elevation of the storage bin in its four-level loading structure, a truck under the outlet.
#include "Annotation.h"
#include "Hatching.h"
#include "MachineParts.h"
#include "StorageBin.h"
#include "TruckSide.h"

namespace assetgen::sheets::bin {
namespace {

constexpr double kColumnHalf = 200;

void structure(const Drafter& d) {
    for (double side : {-1.0, 1.0}) {
        const double x = side * kColumnX;
        d.box({x - kColumnHalf, 0}, {x + kColumnHalf, kShellTop + 1100});
        d.line({x - kColumnHalf + 40, 0}, {x - kColumnHalf + 40, kShellTop + 1100}, Stroke::Thin);
        d.line({x + kColumnHalf - 40, 0}, {x + kColumnHalf - 40, kShellTop + 1100}, Stroke::Thin);
        pedestal(d, {x, -600}, 900, 600);
        // Knee braces keep the truck bay open; the upper bays are braced beside the bin.
        d.line({x - side * kColumnHalf, 5000}, {x - side * 1700, 6500 - 500});
        for (int i = 1; i + 1 < static_cast<int>(std::size(kLevels)); ++i) {
            const double y0 = kLevels[i], y1 = kLevels[i + 1];
            d.line({x - side * kColumnHalf, y0}, {x - side * 800, y1 - 200}, Stroke::Thin);
            d.line({x - side * kColumnHalf, y1 - 600}, {x - side * 800, y0 + 600}, Stroke::Thin);
        }
    }
    for (int i = 1; i < static_cast<int>(std::size(kLevels)); ++i) {
        const double y = kLevels[i];
        const double depth = y == kShellBottom ? 900 : 500;
        if (y == kLevels[1] || y == kLevels[3]) {
            // Platforms round the hopper and the shell: beams stop short of the plate.
            const double reach = y == kLevels[1] ? coneRadius(y) + 300 : kShellRadius + 200;
            for (double side : {-1.0, 1.0}) {
                d.box({side * (kColumnX + kColumnHalf), y - depth}, {side * reach, y});
                handrail(d, {side * (kColumnX - kColumnHalf), y}, {side * reach, y}, 1100, 900);
            }
        } else {
            d.box({-kColumnX - kColumnHalf, y - depth}, {kColumnX + kColumnHalf, y});
        }
    }
    for (double side : {-1.0, 1.0}) {
        handrail(d, {side * (kColumnX + kColumnHalf), kShellTop},
                 {side * (kShellRadius + 100), kShellTop}, 1100, 900);
    }
}

void stair(const Drafter& d) {
    // Straight flights up the right-hand side with landings at each level.
    const double x0 = kColumnX + kColumnHalf, x1 = x0 + 2000;
    for (int i = 0; i + 1 < static_cast<int>(std::size(kLevels)); ++i) {
        const double y0 = kLevels[i], y1 = kLevels[i + 1];
        const bool up = i % 2 == 0;
        const QPointF from(up ? x0 + 200 : x1, y0), to(up ? x1 : x0 + 200, y1);
        d.line(from, to);
        d.line(from + QPointF(0, 1000), to + QPointF(0, 1000), Stroke::Thin);
        d.line({x0, y1}, {x1 + 200, y1});
    }
    d.line({x1 + 200, 0}, {x1 + 200, kShellTop});
}

void bin(const Drafter& d) {
    const QList<QPointF> outline{{-kOutletRadius, kOutletY}, {-kShellRadius, kShellBottom},
                                 {-kShellRadius, kShellTop}, {0, kRoofApex},
                                 {kShellRadius, kShellTop},  {kShellRadius, kShellBottom},
                                 {kOutletRadius, kOutletY}};
    d.blank(outline);
    d.polygon(outline, Stroke::Heavy);
    for (double y = kShellBottom + 2000; y < kShellTop; y += 2000) {
        d.line({-kShellRadius, y}, {kShellRadius, y}, Stroke::Thin);
    }
    d.line({-kShellRadius, kShellBottom}, {kShellRadius, kShellBottom}, Stroke::Thin);
    d.line({-kShellRadius, kShellTop}, {kShellRadius, kShellTop}, Stroke::Thin);
    // Ring girder carrying the bin on the support floor.
    d.box({-kShellRadius - 250, kShellBottom - 150}, {kShellRadius + 250, kShellBottom + 450});
    // Roof vent, level indicators and the manhole.
    d.box({-300, kRoofApex - 200}, {300, kRoofApex + 500});
    d.box({-450, kRoofApex + 500}, {450, kRoofApex + 650});
    d.box({1600, kShellTop + 640}, {2200, kShellTop + 900}, Stroke::Thin);
    d.circle({-2300, 16400}, 250, Stroke::Thin);
    d.circle({-2300, 12400}, 250, Stroke::Thin);
    // Slide gate and the telescopic loading spout down to the truck.
    d.box({-500, kOutletY - 400}, {900, kOutletY});
    d.box({900, kOutletY - 300}, {1500, kOutletY - 100}, Stroke::Thin);
    double top = kOutletY - 400, half = 320;
    for (int i = 0; i < 4; ++i) {
        const double bottom = top - 250;
        d.polygon({{-half, top}, {half, top}, {half - 40, bottom}, {-half + 40, bottom}});
        top = bottom;
        half -= 40;
    }
}

} // namespace

void drawElevation(const Drafter& paper) {
    const Drafter d = paper.view({146, 410}, 0.0185);
    ground(d, -6300, 7600, 0);
    structure(d);
    stair(d);
    bin(d);
    drawTruckSide(d, {-3150, 0});
    d.line({0, -900}, {0, kRoofApex + 1200}, Stroke::Centre);

    for (double level : kLevels) {
        levelMark(d, {-kColumnX - 500, level},
                  level == 0 ? QStringLiteral("±0.000")
                             : QStringLiteral("+%1").arg(level / 1000, 0, 'f', 3),
                  true);
    }
    levelMark(d, {-800, kRoofApex}, QStringLiteral("+19.400"), true);
    dimension(d, {-kShellRadius, 16800}, {kShellRadius, 16800}, 0, QStringLiteral("Ø7000"));
    dimension(d, {-kColumnX, 0}, {kColumnX, 0}, -16, QStringLiteral("9000"));
    dimension(d, {kShellRadius - 500, 0}, {kShellRadius - 500, 3700}, 0, QStringLiteral("3700"));
    dimension(d, {-kShellRadius - 700, kOutletY}, {-kShellRadius - 700, kShellBottom}, 0);
    d.text({-2700, 7200}, QStringLiteral("55°"), kDimensionText);
    sectionCut(d, {-kColumnX - 700, 8200}, {kColumnX + 700, 8200}, QStringLiteral("A"));
    balloon(d, {kShellRadius, 15000}, {14, 0}, 1);
    balloon(d, {coneRadius(7600), 7600}, {12, 8}, 2);
    balloon(d, {1200, kShellTop + 720}, {14, -10}, 3);
    balloon(d, {kShellRadius + 250, kShellBottom + 150}, {26, 6}, 5);
    balloon(d, {-kColumnX, 3000}, {-14, 0}, 6);
    balloon(d, {900, kOutletY - 200}, {12, -10}, 9);
    balloon(d, {-300, kOutletY - 900}, {-14, -4}, 10);
    balloon(d, {kColumnX + 1500, 3200}, {14, 0}, 11);
    viewTitle(paper, {146, 22}, QStringLiteral("ELEVATION"), QStringLiteral("SCALE 1:100"));
}

} // namespace assetgen::sheets::bin
