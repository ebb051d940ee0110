// Sections and details of the belt conveyor: gallery cross-section, trestle, tail end and the
// head drive seen from above.
#include "Annotation.h"
#include "BeltConveyor.h"
#include "Hatching.h"
#include "MachineParts.h"

namespace assetgen::sheets::belt {
namespace {

constexpr double kGalleryHalf = 1800;
constexpr double kRollRadius = 66;

// A roll of an idler set seen across the belt: its body between `from` and `to` on the axis.
void roll(const Drafter& d, QPointF from, QPointF to) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF n = QPointF(-along.y(), along.x()) / length * kRollRadius;
    d.polygon({from + n, to + n, to - n, from - n});
    d.line(from - along / length * 40, from, Stroke::Visible);
    d.line(to, to + along / length * 40, Stroke::Visible);
}

// The gallery across its width, from the bottom chord at y = -depth to the handrails.
void galleryAcross(const Drafter& d, double depth, bool detailed) {
    const double h = kGalleryHalf;
    for (double side : {-1.0, 1.0}) {
        d.line({side * (h - 40), -depth + 100}, {side * (h - 40), -100}, Stroke::Thin);
        d.line({side * (h + 40), -depth + 100}, {side * (h + 40), -100}, Stroke::Thin);
        channelSection(d, {side * h, -100}, 200, 80, side < 0);
        channelSection(d, {side * h, -depth + 100}, 200, 80, side < 0);
        // Handrail post, rails and toe plate.
        d.line({side * (h - 20), 0}, {side * (h - 20), 1100});
        d.circle({side * (h - 20), 1100}, 30, Stroke::Thin);
        d.circle({side * (h - 20), 550}, 30, Stroke::Thin);
        d.box({side * (h - 60), 0}, {side * (h - 40), 120}, Stroke::Thin);
    }
    // Floor beam with the walkway grating, the bottom beam and the cross bracing between them.
    d.box({-h + 40, -200}, {h - 40, 0});
    d.box({-h + 40, -depth}, {h - 40, -depth + 160});
    d.line({-h + 40, -200}, {h - 40, -depth + 160}, Stroke::Thin);
    d.line({h - 40, -200}, {-h + 40, -depth + 160}, Stroke::Thin);
    if (!detailed) {
        return;
    }
    for (double side : {-1.0, 1.0}) {
        d.box({side * 660, 0}, {side * (h - 60), 40}, Stroke::Thin);
        for (double x = 760; x < h - 100; x += 120) {
            d.line({side * x, 0}, {side * x, 40}, Stroke::Thin);
        }
    }
}

// Troughed carrying idler on its stringers, return idler below, and the belt on both.
void idlerSets(const Drafter& d) {
    const double axis = 430;
    for (double side : {-1.0, 1.0}) {
        channelSection(d, {side * 620, 80}, 160, 65, side > 0);
        d.line({side * 575, 200}, {side * 575, axis + 330}, Stroke::Visible);
        roll(d, {side * 215, axis}, {side * (215 + 380 * 0.819), axis + 380 * 0.574});
        // Return idler bracket hanging under the floor beam.
        d.line({side * 640, -200}, {side * 640, -560});
    }
    d.box({-660, 160}, {660, 200});
    d.line({-200, 200}, {-200, axis}, Stroke::Thin);
    d.line({200, 200}, {200, axis}, Stroke::Thin);
    roll(d, {-190, axis}, {190, axis});
    roll(d, {-575, -520}, {575, -520});

    const double top = axis + kRollRadius + 8;
    const QPointF wing(0.819, 0.574);
    const QPointF left = QPointF(-215, axis) + QPointF(-wing.x(), wing.y()) * 310 +
                         QPointF(-wing.y(), -wing.x()) * (-(kRollRadius + 8));
    const QPointF right(-left.x(), left.y());
    d.polyline({left, {-205, top}, {205, top}, right}, Stroke::Heavy);
    d.line({-500, -520 + kRollRadius + 8}, {500, -520 + kRollRadius + 8}, Stroke::Heavy);
}

} // namespace

void drawGallerySection(const Drafter& paper) {
    const Drafter d = paper.view({82, 270}, 0.0235);
    galleryAcross(d, kTrussDepth, true);
    idlerSets(d);
    // Weather hood over the carrying strand.
    d.arc({0, 200}, 820, 0, 180, Stroke::Thin);
    d.line({0, -kTrussDepth - 300}, {0, 1400}, Stroke::Centre);
    dimension(d, {-kGalleryHalf, 1100}, {kGalleryHalf, 1100}, 7, QStringLiteral("3600"));
    dimension(d, {-kGalleryHalf, -kTrussDepth}, {-kGalleryHalf, 0}, 10);
    dimension(d, {kGalleryHalf, 0}, {kGalleryHalf, 1100}, -8);
    dimension(d, {-500, 640}, {500, 640}, 5, QStringLiteral("B=1000"));
    viewTitle(paper, {82, 323}, QStringLiteral("SECTION A-A"), QStringLiteral("SCALE 1:50"));
}

void drawTrestleView(const Drafter& paper) {
    const double x = kTrestles[2];
    const double top = bottomChordY(x);
    const Drafter d = paper.view({180, 394}, 0.0093);
    const double baseHalf = 2500, topHalf = kGalleryHalf;
    const int panels = 4;
    for (int i = 0; i < panels; ++i) {
        const double y0 = top * i / panels, y1 = top * (i + 1) / panels;
        const double h0 = baseHalf + (topHalf - baseHalf) * y0 / top;
        const double h1 = baseHalf + (topHalf - baseHalf) * y1 / top;
        bracedPanel(d, {-h0, y0}, {h0, y0}, {h1, y1}, {-h1, y1});
    }
    for (double side : {-1.0, 1.0}) {
        pedestal(d, {side * baseHalf, -700}, 1000, 700);
    }
    ground(d, -3600, 3600, 0);
    const Drafter gallery = d.shifted({0, top + kTrussDepth});
    galleryAcross(gallery, kTrussDepth, false);
    gallery.polyline({{-700, 200}, {-400, 520}, {400, 520}, {700, 200}}, Stroke::Heavy);
    d.line({0, -900}, {0, top + kTrussDepth + 1500}, Stroke::Centre);
    dimension(d, {-baseHalf, 0}, {baseHalf, 0}, -15);
    dimension(d, {baseHalf + 500, 0}, {baseHalf + 500, top}, -8,
              QString::number(std::lround(top / 10) * 10));
    levelMark(d, {topHalf + 300, top + kTrussDepth},
              QStringLiteral("+%1").arg((top + kTrussDepth) / 1000, 0, 'f', 3));
    viewTitle(paper, {180, 236}, QStringLiteral("SECTION B-B"), QStringLiteral("SCALE 1:150"));
}

void drawTailDetail(const Drafter& paper) {
    const Drafter world = paper.view({238, 306}, 0.026);
    const double angle = qRadiansToDegrees(std::atan(kSlope));
    const Drafter d = world.rotated(angle);
    const double r = kTailRadius;
    // Belt round the tail pulley, impact idlers under the loading zone, skirt boards above.
    d.line({0, r + 6}, {5600, r + 6}, Stroke::Heavy);
    d.line({0, -r - 6}, {5600, -r - 6}, Stroke::Heavy);
    d.arc({0, 0}, r + 6, 90, 180, Stroke::Heavy);
    pulleyEnd(d, {0, 0}, r);
    for (double x = 700; x <= 3500; x += 350) {
        d.circle({x, r - kRollRadius}, kRollRadius);
    }
    for (double x = 4300; x <= 5600; x += 1200) {
        d.circle({x, r - kRollRadius}, kRollRadius);
    }
    d.box({500, r + 60}, {3700, r + 420});
    d.line({500, r + 120}, {3700, r + 120}, Stroke::Thin);
    // Stringer, screw take-up frame and the belt cleaner on the return strand.
    d.box({400, -180}, {5600, -20});
    d.box({-700, -130}, {700, 130}, Stroke::Thin);
    d.line({700, 0}, {1300, 0});
    d.box({-250, -230}, {250, -130});
    d.polygon({{900, -r + 40}, {1400, -r + 40}, {1150, -r + 250}});
    breakLine(d, {5600, -r - 200}, {5600, r + 200});
    // Feed chute standing on the skirt boards, its walls plumb.
    const QTransform toWorld = QTransform().rotate(angle);
    const QPointF skirtLeft = toWorld.map(QPointF(500, r + 420));
    const QPointF skirtRight = toWorld.map(QPointF(3700, r + 420));
    const double chuteTop = skirtRight.y() + 500;
    world.polyline({skirtLeft, {skirtLeft.x() - 300, chuteTop}, {skirtLeft.x() - 500, chuteTop}});
    world.polyline(
        {skirtRight, {skirtRight.x() + 300, chuteTop}, {skirtRight.x() + 500, chuteTop}});
    world.text({(skirtLeft.x() + skirtRight.x()) / 2, chuteTop + 150}, QStringLiteral("FEED"),
               kDimensionText, Qt::AlignHCenter);
    dimension(d, {500, -r - 6}, {3700, -r - 6}, -7, QStringLiteral("3200"));
    leader(d, {-0.7 * r, 0.7 * r}, {-12, -14}, QStringLiteral("Ø630"));
    viewTitle(paper, {340, 318}, QStringLiteral("DETAIL C - TAIL END"),
              QStringLiteral("SCALE 1:40"));
}

void drawDrivePlan(const Drafter& paper) {
    const Drafter d = paper.view({262, 376}, 0.028);
    // Pulley face with the belt running across it, shaft and bearings.
    d.box({-700, -400}, {700, 400});
    d.line({-700, 370}, {700, 370}, Stroke::Thin);
    d.line({-700, -370}, {700, -370}, Stroke::Thin);
    for (double side : {-1.0, 1.0}) {
        d.line({side * 500, 400}, {side * 500, 900}, Stroke::Phantom);
        d.line({side * 500, -400}, {side * 500, -900}, Stroke::Phantom);
    }
    d.box({-1250, -80}, {-700, 80});
    d.box({700, -80}, {1400, 80});
    for (double x : {-950.0, 950.0}) {
        d.box({x - 150, -220}, {x + 150, 220});
        d.box({x - 110, -300}, {x + 110, 300}, Stroke::Thin);
    }
    // Coupling, gear unit, coupling, motor on a common base frame.
    d.box({1400, -230}, {1600, 230});
    d.box({1650, -450}, {2550, 450});
    d.box({2550, -90}, {2700, 90});
    d.box({2700, -150}, {2850, 150});
    d.box({2850, -300}, {3850, 300});
    for (double y = -200; y <= 200; y += 100) {
        d.line({2950, y}, {3800, y}, Stroke::Thin);
    }
    d.polygon({{3850, -280}, {4150, -280}, {4250, -180}, {4250, 180}, {4150, 280}, {3850, 280}});
    d.box({3150, 300}, {3500, 520});
    d.box({1500, -600}, {4350, 600}, Stroke::Hidden);
    d.line({-1400, 0}, {4400, 0}, Stroke::Centre);
    d.line({0, -1000}, {0, 1000}, Stroke::Centre);
    dimension(d, {-700, -400}, {700, -400}, -8, QStringLiteral("1400"));
    dimension(d, {-950, 300}, {950, 300}, 12);
    d.text({3100, -800}, QStringLiteral("75 kW - 1480 rpm"), kDimensionText, Qt::AlignHCenter);
    viewTitle(paper, {312, 414}, QStringLiteral("DETAIL D - HEAD DRIVE (PLAN)"), QString());
}

} // namespace assetgen::sheets::belt
