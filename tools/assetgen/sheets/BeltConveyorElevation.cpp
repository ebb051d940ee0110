// Elevation of the belt conveyor: tail section, truss gallery on trestles, head tower.
#include "Annotation.h"
#include "BeltConveyor.h"
#include "Hatching.h"
#include "MachineParts.h"

namespace assetgen::sheets::belt {
namespace {

void trestle(const Drafter& d, double x) {
    const double top = bottomChordY(x);
    const double baseHalf = 1500, topHalf = 900;
    const int panels = static_cast<int>(std::ceil(top / 3200));
    for (int i = 0; i < panels; ++i) {
        const double y0 = top * i / panels, y1 = top * (i + 1) / panels;
        const double h0 = baseHalf + (topHalf - baseHalf) * y0 / top;
        const double h1 = baseHalf + (topHalf - baseHalf) * y1 / top;
        bracedPanel(d, {x - h0, y0}, {x + h0, y0}, {x + h1, y1}, {x - h1, y1});
    }
    pedestal(d, {x - baseHalf, -400}, 900, 700);
    pedestal(d, {x + baseHalf, -400}, 900, 700);
}

void headTower(const Drafter& d) {
    for (int i = 0; i + 1 < static_cast<int>(std::size(kTowerLevels)); ++i) {
        const double y0 = kTowerLevels[i], y1 = kTowerLevels[i + 1];
        if (i < 3) {
            bracedPanel(d, {kTowerLeft, y0}, {kTowerRight, y0}, {kTowerRight, y1},
                        {kTowerLeft, y1});
        } else {
            d.box({kTowerLeft, y0}, {kTowerRight, y1});
        }
        d.line({kTowerLeft - 300, y1}, {kTowerRight + 300, y1}, Stroke::Heavy);
    }
    // Head house roof.
    d.polyline({{kTowerLeft - 600, 20500},
                {(kTowerLeft + kTowerRight) / 2, 21400},
                {kTowerRight + 600, 20500}});
    pedestal(d, {kTowerLeft, -400}, 1000, 700);
    pedestal(d, {kTowerRight, -400}, 1000, 700);
    // Discharge chute from the head pulley down to the next conveyor.
    const QList<QPointF> chute{
        {61800, 16900}, {62600, 16500}, {63200, 7200}, {61900, 7200}, {61300, 16200}};
    d.blank(chute);
    d.polygon(chute);
    d.box({60900, 6500}, {64200, 7200});
    d.text({62550, 5300}, QStringLiteral("TO BC-02"), kDimensionText, Qt::AlignHCenter);
}

void beltAndPulleys(const Drafter& d) {
    // Carrying strand on its idlers, return strand below, the pulleys at both ends.
    const QPointF tailTop(0, beltY(0)), headTop(kHead.x(), beltY(kHead.x()));
    d.line(tailTop, headTop, Stroke::Heavy);
    d.line({0, kTail.y() - kTailRadius}, {kHead.x(), kHead.y() - kHeadRadius}, Stroke::Thin);
    for (double x = 1200; x < kHead.x() - 800; x += 1200) {
        d.circle({x, beltY(x) - 130}, 120, Stroke::Thin);
    }
    pulleyEnd(d, kTail, kTailRadius);
    pulleyEnd(d, kHead, kHeadRadius);
    // Drive: gear unit beside the head pulley, motor on the drive floor.
    gearboxSide(d, {61950, 16500}, {63350, 17900});
    motorSide(d, {63400, 16950}, 2000, 800);
}

void takeUp(const Drafter& d) {
    // Gravity take-up hanging from the gallery near the head end.
    const double x = 52500;
    const double frameTop = bottomChordY(x);
    const double pulleyY = frameTop - 4200;
    d.line({x - 700, frameTop}, {x - 700, pulleyY - 1500});
    d.line({x + 700, frameTop}, {x + 700, pulleyY - 1500});
    d.line({x - 700, pulleyY - 1500}, {x + 700, pulleyY - 1500});
    d.circle({x, pulleyY}, 300);
    d.box({x - 500, pulleyY - 1300}, {x + 500, pulleyY - 500});
    hatch(d,
          QList<QPointF>{{x - 500, pulleyY - 1300},
                         {x + 500, pulleyY - 1300},
                         {x + 500, pulleyY - 500},
                         {x - 500, pulleyY - 500}},
          2.5);
}

} // namespace

void drawElevation(const Drafter& paper) {
    const Drafter d = paper.view({52, 190}, 0.0079);
    ground(d, -2500, 69500, 0);
    // Tail section on ground frames, then the gallery truss spans.
    const double tailFrameTop = topChordY(kTrussStart);
    d.line({-600, topChordY(-600)}, {kTrussStart, tailFrameTop});
    for (double x : {1000.0, 4000.0}) {
        d.line({x, 0}, {x, topChordY(x)});
    }
    const double spans[] = {kTrussStart, kTrestles[0], kTrestles[1], kTrestles[2], kTrussEnd};
    for (int i = 0; i + 1 < static_cast<int>(std::size(spans)); ++i) {
        const QPointF from(spans[i], bottomChordY(spans[i]));
        const QPointF to(spans[i + 1], bottomChordY(spans[i + 1]));
        const int panels = static_cast<int>(std::round((spans[i + 1] - spans[i]) / 2600));
        truss(d, from, to, kTrussDepth, panels);
    }
    handrail(d, {kTrussStart, topChordY(kTrussStart)}, {kTrussEnd, topChordY(kTrussEnd)}, 1100,
             2600);
    trestle(d, kTrussStart);
    for (double x : kTrestles) {
        trestle(d, x);
    }
    headTower(d);
    takeUp(d);
    beltAndPulleys(d);
    // Feed chute over the loading zone.
    d.blank({{800, beltY(800) + 200}, {3600, beltY(3600) + 200}, {4200, 5200}, {200, 5200}});
    d.polygon({{800, beltY(800) + 200}, {3600, beltY(3600) + 200}, {4200, 5200}, {200, 5200}});
    d.text({2200, 5600}, QStringLiteral("FEED"), kDimensionText, Qt::AlignHCenter);

    // Slope, levels and stations.
    leader(d, {27000, beltY(27000) + 1100}, {-18, -26}, QStringLiteral("INCLINATION 14.5°"));
    levelMark(d, {-1500, 0}, QStringLiteral("±0.000"), true);
    levelMark(d, {kTail.x() - 900, kTail.y()}, QStringLiteral("+1.500"), true);
    for (double level : {6500.0, 12500.0, 16500.0, 20500.0}) {
        levelMark(d, {kTowerRight + 900, level},
                  QStringLiteral("+%1").arg(level / 1000, 0, 'f', 3));
    }
    const double stations[] = {0, kTrestles[0], kTrestles[1], kTrestles[2], kTowerLeft, kHead.x()};
    for (int i = 0; i + 1 < static_cast<int>(std::size(stations)); ++i) {
        dimension(d, {stations[i], 0}, {stations[i + 1], 0}, -12);
    }
    dimension(d, {0, 0}, {kHead.x(), 0}, -22, QStringLiteral("61500 (HORIZONTAL CENTRES)"));

    sectionCut(d, {25000, topChordY(25000) + 2600}, {25000, bottomChordY(25000) - 1200},
               QStringLiteral("A"));
    sectionCut(d, {kTrestles[2] + 2600, 4000}, {kTrestles[2] - 2600, 4000}, QStringLiteral("B"));
    balloon(d, kHead + QPointF(-300, 300), {-16, -14}, 1);
    balloon(d, kTail + QPointF(0, -200), {0, 20}, 2);
    balloon(d, {9600, beltY(9600) - 130}, {-4, -20}, 3);
    balloon(d, {13000, beltY(13000)}, {-2, -22}, 5);
    balloon(d, {64600, 17400}, {10, -16}, 6);
    balloon(d, {22000, bottomChordY(22000) + 600}, {4, 18}, 7);
    balloon(d, {kTrestles[1] + 1200, 3000}, {14, 0}, 8);
    balloon(d, {kTowerLeft, 9500}, {-14, 0}, 9);
    balloon(d, {52500, bottomChordY(52500) - 5000}, {-14, 4}, 10);
    balloon(d, {2200, 4200}, {-12, 6}, 11);
    viewTitle(paper, {200, 40}, QStringLiteral("ELEVATION"), QStringLiteral("SCALE 1:250"));
}

} // namespace assetgen::sheets::belt
