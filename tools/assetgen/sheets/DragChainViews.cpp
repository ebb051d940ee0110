// Full-length elevation and plan of the drag chain conveyor on its support frames.
#include "Annotation.h"
#include "DragChain.h"
#include "Hatching.h"
#include "MachineParts.h"

namespace assetgen::sheets::dragchain {
namespace {

constexpr double kHeadFrom = 35200, kHeadTo = 36900;
constexpr double kTailFrom = -900, kTailTo = 600;

// Support frames stand midway between the casing flanges.
template <typename F> void forEachSupport(F&& f) {
    for (double x = kSectionLength / 2; x < kHeadFrom; x += kSectionLength) {
        f(x);
    }
}

} // namespace

void drawElevation(const Drafter& paper) {
    const Drafter d = paper.view({66, 54}, 0.0124);
    ground(d, -1600, kHeadTo + 1200, kFloor);
    // Casing in its bolted sections, with the head and tail housings.
    d.box({kTailTo, kCasingBottom}, {kHeadFrom, kCasingTop});
    for (double x = kSectionLength; x < kHeadFrom; x += kSectionLength) {
        d.line({x, kCasingBottom - 40}, {x, kCasingTop + 40});
    }
    d.polygon({{kTailFrom, -900},
               {kTailTo, -900},
               {kTailTo, 700},
               {kTailFrom + 300, 700},
               {kTailFrom, 400}});
    d.box({kTailFrom - 700, -120}, {kTailFrom, 120}, Stroke::Thin);
    d.line({kTailFrom - 900, 0}, {kTailFrom - 700, 0});
    d.polygon({{kHeadFrom, -900},
               {kHeadTo, -900},
               {kHeadTo, 500},
               {kHeadTo - 500, 1000},
               {kHeadFrom, 1000}});
    // The chain inside, carrying along the bottom and returning on the top rails.
    d.line({0, -kSprocketRadius}, {kCentres, -kSprocketRadius}, Stroke::Hidden);
    d.line({0, kSprocketRadius}, {kCentres, kSprocketRadius}, Stroke::Hidden);
    for (double x : {0.0, kCentres}) {
        d.circle({x, 0}, kSprocketRadius, Stroke::Hidden);
        centreCross(d, {x, 0}, kSprocketRadius);
    }
    // Inlets on top, the outlet under the head, inspection doors along the side.
    for (double x : kInlets) {
        d.box({x - 300, kCasingTop}, {x + 300, 1100});
        d.box({x - 380, 1100}, {x + 380, 1180});
    }
    d.box({kOutlet[0], -1700}, {kOutlet[1], -900});
    d.box({kOutlet[0] - 80, -1780}, {kOutlet[1] + 80, -1700});
    for (double x : {6000.0, 19500.0, 28500.0}) {
        d.box({x - 250, -300}, {x + 250, 300}, Stroke::Thin);
    }
    // Drive on the head shaft: gear unit, motor and the torque arm to the head frame.
    gearboxSide(d, {kCentres - 450, -450}, {kCentres + 500, 550});
    motorSide(d, {kCentres + 520, 300}, 1500, 560, true);
    d.line({kCentres + 300, -450}, {kCentres + 300, -1400});
    // Support frames, braced in every second bay.
    forEachSupport([&](double x) {
        d.box({x - 100, kFloor}, {x + 100, kCasingBottom});
        d.box({x - 220, kFloor}, {x + 220, kFloor + 40}, Stroke::Thin);
    });
    for (double x : {kSectionLength / 2, kSectionLength * 4.5}) {
        bracedPanel(d, {x + 100, kFloor + 40}, {x + kSectionLength - 100, kFloor + 40},
                    {x + kSectionLength - 100, kCasingBottom - 150}, {x + 100, kCasingBottom - 150},
                    Stroke::Thin);
    }
    for (double x : {kHeadFrom + 200, kHeadTo - 200}) {
        d.box({x - 100, kFloor}, {x + 100, -900});
    }
    d.line({kHeadFrom + 300, -1400}, {kHeadTo - 300, -1400});
    d.box({kTailFrom + 100, kFloor}, {kTailFrom + 300, -900});
    d.box({kTailTo - 300, kFloor}, {kTailTo - 100, -900});

    d.line({kTailFrom - 1000, 0}, {kHeadTo + 2200, 0}, Stroke::Centre);
    for (int i = 0; i < 3; ++i) {
        d.text({kInlets[i], 1400}, QStringLiteral("INLET %1").arg(i + 1), kDimensionText,
               Qt::AlignHCenter);
    }
    d.text({(kOutlet[0] + kOutlet[1]) / 2, -2000}, QStringLiteral("OUTLET"), kDimensionText,
           Qt::AlignHCenter | Qt::AlignTop);
    dimension(d, {0, kFloor}, {kCentres, kFloor}, -20, QStringLiteral("36000 SPROCKET CENTRES"));
    double previous = 0;
    forEachSupport([&](double x) {
        dimension(d, {previous, kFloor}, {x, kFloor}, -10);
        previous = x;
    });
    dimension(d, {previous, kFloor}, {kCentres, kFloor}, -10);
    levelMark(d, {kTailFrom - 200, kCasingBottom}, QStringLiteral("+2.400"), true);
    levelMark(d, {kTailFrom - 200, kFloor}, QStringLiteral("±0.000"), true);
    sectionCut(d, {12500, kCasingTop + 700}, {12500, kCasingBottom - 700}, QStringLiteral("B"));
    balloon(d, {kCentres, 0}, {-20, -22}, 1);
    balloon(d, {0, 0}, {14, -22}, 2);
    balloon(d, {24000, -kSprocketRadius}, {0, 16}, 3);
    balloon(d, {22000, kCasingTop}, {0, -14}, 4);
    balloon(d, {kCentres + 1200, 500}, {12, -12}, 6);
    balloon(d, {kInlets[2] + 380, 1150}, {14, 8}, 7);
    balloon(d, {kOutlet[0] - 80, -1740}, {-12, -10}, 8);
    balloon(d, {20250, -1800}, {14, 0}, 9);
    balloon(d, {19500, 200}, {10, -16}, 10);
    viewTitle(paper, {200, 20}, QStringLiteral("ELEVATION"), QStringLiteral("SCALE 1:100"));
}

void drawPlan(const Drafter& paper) {
    const Drafter d = paper.view({66, 152}, 0.0124);
    const double w = kCasingHalfWidth;
    d.box({kTailTo, -w}, {kHeadFrom, w});
    for (double x = kSectionLength; x < kHeadFrom; x += kSectionLength) {
        d.line({x, -w - 40}, {x, w + 40});
    }
    d.box({kTailFrom, -w - 200}, {kTailTo, w + 200});
    d.box({kHeadFrom, -w - 200}, {kHeadTo, w + 200});
    for (double side : {-1.0, 1.0}) {
        d.box({kTailFrom - 700, side * 250 - 60}, {kTailFrom, side * 250 + 60}, Stroke::Thin);
    }
    for (double x : kInlets) {
        d.box({x - 380, -380}, {x + 380, 380});
        d.line({x - 300, -300}, {x + 300, 300}, Stroke::Thin);
        d.line({x - 300, 300}, {x + 300, -300}, Stroke::Thin);
    }
    d.box({kOutlet[0], -w}, {kOutlet[1], w}, Stroke::Hidden);
    // Head shaft through both bearings, the drive hanging on its far end.
    d.line({kCentres, -w - 900}, {kCentres, w + 500});
    d.box({kCentres - 200, w + 200}, {kCentres + 200, w + 450});
    d.box({kCentres - 200, -w - 450}, {kCentres + 200, -w - 200});
    d.box({kCentres - 450, -w - 1300}, {kCentres + 500, -w - 500});
    d.box({kCentres + 500, -w - 1150}, {kCentres + 1400, -w - 650});
    for (double y = -w - 1100; y <= -w - 700; y += 100) {
        d.line({kCentres + 560, y}, {kCentres + 1360, y}, Stroke::Thin);
    }
    d.polygon({{kCentres + 1400, -w - 1120},
               {kCentres + 1900, -w - 1120},
               {kCentres + 2000, -w - 1020},
               {kCentres + 2000, -w - 780},
               {kCentres + 1900, -w - 680},
               {kCentres + 1400, -w - 680}});
    forEachSupport([&](double x) {
        for (double side : {-1.0, 1.0}) {
            d.box({x - 100, side * (w + 50)}, {x + 100, side * (w + 250)}, Stroke::Hidden);
        }
    });
    d.line({kTailFrom - 1000, 0}, {kHeadTo + 2200, 0}, Stroke::Centre);
    viewTitle(paper, {200, 182}, QStringLiteral("PLAN"), QString());
}

} // namespace assetgen::sheets::dragchain
