// Elevation of the duct run: fan outlet, lower run, bend up, riser with the damper, bend over,
// upper run on hangers; with the expansion joint enlarged.
#include "Annotation.h"
#include "DuctAssembly.h"
#include "Hatching.h"
#include "MachineParts.h"

#include <cmath>

namespace assetgen::sheets::duct {
namespace {

QPointF polar(QPointF centre, double radius, double angleDeg) {
    const double a = qDegreesToRadians(angleDeg);
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// A mitred bend seen square to its plane: the radial direction turns from `fromDeg` by
// `spanDeg`; half gores at both ends, `gores` full ones between.
void segmentedBend(const Drafter& d, QPointF centre, double fromDeg, double spanDeg, int gores) {
    const double step = spanDeg / (gores + 1);
    QList<double> mitres{fromDeg};
    for (int k = 0; k <= gores; ++k) {
        mitres.append(fromDeg + step / 2 + k * step);
    }
    mitres.append(fromDeg + spanDeg);
    const double stretch = 1 / std::cos(qDegreesToRadians(step / 2));
    QList<QPointF> inner, outer;
    for (qsizetype i = 0; i < mitres.size(); ++i) {
        const bool end = i == 0 || i == mitres.size() - 1;
        const double k = end ? 1 : stretch;
        inner.append(polar(centre, (kBendRadius - kRadius) * k, mitres[i]));
        outer.append(polar(centre, (kBendRadius + kRadius) * k, mitres[i]));
        d.line(inner.back(), outer.back(), end ? Stroke::Heavy : Stroke::Thin);
    }
    d.polyline(inner);
    d.polyline(outer);
    d.arc(centre, kBendRadius, fromDeg, spanDeg, Stroke::Centre);
}

// Flange pair across the duct at `at`, the duct's axis along `axis` (a unit vector).
void flange(const Drafter& d, QPointF at, QPointF axis, double reach = kRadius + 100) {
    const QPointF n(-axis.y(), axis.x());
    d.line(at + n * reach, at - n * reach, Stroke::Heavy);
}

void straight(const Drafter& d, QPointF a, QPointF b) {
    const QPointF axis = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-axis.y(), axis.x());
    d.line(a + n * kRadius, b + n * kRadius);
    d.line(a - n * kRadius, b - n * kRadius);
    d.line(a, b, Stroke::Centre);
}

// Fabric expansion joint between flanged collars, with its tie rods.
void expansionJoint(const Drafter& d, QPointF a, QPointF b) {
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF axis = (b - a) / length;
    const QPointF n(-axis.y(), axis.x());
    for (double side : {-1.0, 1.0}) {
        QList<QPointF> bellows;
        const int folds = 4;
        for (int i = 0; i <= folds * 2; ++i) {
            const double rise = i % 2 == 1 ? kRadius + 160 : kRadius + 20;
            bellows.append(a + axis * (length * (0.1 + 0.8 * i / (folds * 2.0))) + n * side * rise);
        }
        d.polyline(bellows);
        d.line(a + n * side * kRadius, a + axis * (length * 0.1) + n * side * kRadius);
        d.line(b + n * side * kRadius, b - axis * (length * 0.1) + n * side * kRadius);
        d.line(a + n * side * (kRadius + 260), b + n * side * (kRadius + 260), Stroke::Hidden);
    }
    flange(d, a, axis, kRadius + 300);
    flange(d, b, axis, kRadius + 300);
}

void damper(const Drafter& d, double y0, double y1) {
    const double x = 6800;
    d.box({x - kRadius, y0}, {x + kRadius, y1});
    flange(d, {x, y0}, {0, 1});
    flange(d, {x, y1}, {0, 1});
    const double mid = (y0 + y1) / 2;
    d.line({x - kRadius + 60, mid - 300}, {x + kRadius - 60, mid + 300}, Stroke::Hidden);
    d.line({x - kRadius - 900, mid}, {x + kRadius + 300, mid}, Stroke::Centre);
    // Shaft bearing, lever and the pneumatic actuator that swings it, on the open side.
    d.box({x - kRadius - 250, mid - 60}, {x - kRadius, mid + 60});
    d.line({x - kRadius - 250, mid}, {x - kRadius - 500, mid + 350});
    d.box({x - kRadius - 1300, mid + 350}, {x - kRadius - 400, mid + 650});
    d.box({x - kRadius - 1500, mid + 440}, {x - kRadius - 1300, mid + 560}, Stroke::Thin);
}

} // namespace

void drawElevation(const Drafter& paper) {
    const Drafter d = paper.view({58, 318}, 0.0194);
    ground(d, -1800, 9400, 0);
    d.box({-1500, 500}, {0, 2700}, Stroke::Phantom);
    d.text({-750, 2900}, QStringLiteral("ID FAN"), kDimensionText, Qt::AlignHCenter);

    // Lower run with the first expansion joint and an inspection door.
    straight(d, {0, 1500}, {2200, 1500});
    expansionJoint(d, {2200, 1500}, {2800, 1500});
    straight(d, {2800, 1500}, {5000, 1500});
    d.box({3700, 1900}, {4300, 2050}, Stroke::Thin);
    for (double x : {0.0, 5000.0}) {
        flange(d, {x, 1500}, {1, 0});
    }
    segmentedBend(d, {5000, 3300}, -90, 90, 3);
    // Riser with the damper, then the bend over to the upper run.
    straight(d, {6800, 3300}, {6800, 5000});
    damper(d, 5000, 5600);
    straight(d, {6800, 5600}, {6800, 8000});
    flange(d, {6800, 3300}, {0, 1});
    flange(d, {6800, 8000}, {0, 1});
    segmentedBend(d, {8600, 8000}, 180, -90, 3);
    straight(d, {8600, 9800}, {10400, 9800});
    expansionJoint(d, {10400, 9800}, {11000, 9800});
    straight(d, {11000, 9800}, {13000, 9800});
    flange(d, {8600, 9800}, {1, 0});
    flange(d, {13000, 9800}, {1, 0});
    d.text({13000, 9800 - kRadius - 500}, QStringLiteral("TO BAG FILTER"), kDimensionText,
           Qt::AlignRight | Qt::AlignTop);

    // Supports: saddles on legs under the lower run, a column bracket under the damper and
    // hangers from the roof beam for the upper run.
    for (double x : {1100.0, 3900.0}) {
        d.polygon({{x - 500, 900}, {x + 500, 900}, {x + 300, 700}, {x - 300, 700}});
        d.box({x - 100, 0}, {x + 100, 700});
        d.box({x - 250, 0}, {x + 250, 40}, Stroke::Thin);
    }
    d.box({8300, 0}, {8700, 11300});
    d.line({8340, 0}, {8340, 11300}, Stroke::Thin);
    d.line({8660, 0}, {8660, 11300}, Stroke::Thin);
    pedestal(d, {8500, -500}, 900, 500);
    d.box({7400, 4500}, {8300, 4800});
    d.line({7400, 4500}, {8300, 3700}, Stroke::Visible);
    d.box({8300, 11300}, {13200, 11700});
    hatch(d, QList<QPointF>{{8300, 11300}, {13200, 11300}, {13200, 11700}, {8300, 11700}}, 3);
    for (double x : {9900.0, 12300.0}) {
        d.line({x, 11300}, {x, 9800 + kRadius + 80});
        d.box({x - 150, 9800 + kRadius}, {x + 150, 9800 + kRadius + 80});
    }

    levelMark(d, {-1600, 1500}, QStringLiteral("CL +1.500"), false);
    levelMark(d, {6150, 9800}, QStringLiteral("CL +9.800"), true);
    dimension(d, {0, 0}, {5000, 0}, -10);
    dimension(d, {5000, 0}, {6800, 0}, -10, QStringLiteral("R1800"));
    dimension(d, {6800, 0}, {8500, 0}, -10);
    dimension(d, {6800 - kRadius, 6500}, {6800 + kRadius, 6500}, 0, QStringLiteral("Ø1200"));
    balloon(d, {1600, 1500 + kRadius}, {0, -16}, 1);
    balloon(d, polar({5000, 3300}, kBendRadius + kRadius, -45), {12, 8}, 2);
    balloon(d, polar({8600, 8000}, kBendRadius + kRadius, 135), {-2, -17}, 3);
    balloon(d, {2500, 1500 - kRadius - 160}, {0, 16}, 4);
    balloon(d, {10500, 9800 - kRadius - 160}, {-14, 10}, 4);
    balloon(d, {6800 + kRadius, 5300}, {12, 4}, 5);
    balloon(d, {3900, 400}, {14, -4}, 7);
    balloon(d, {9900, 10800}, {-14, 0}, 7);
    balloon(d, {4000, 2050}, {0, -14}, 8);
    d.text({5200, 6500}, QStringLiteral("D-1"), kDimensionText, Qt::AlignHCenter);
    viewTitle(paper, {258, 292}, QStringLiteral("ELEVATION"), QStringLiteral("SCALE 1:50"));
}

void drawExpansionJointDetail(const Drafter& paper) {
    // Half section through the top of the joint: the duct wall, its collars, the fabric belt
    // clamped across them and the tie rod outside.
    const double r = kRadius;
    const Drafter d = paper.view({88, 82}, 0.085).shifted({0, -r});
    for (double side : {-1.0, 1.0}) {
        d.line({side * 850, r}, {side * 300, r}, Stroke::Heavy);
        breakLine(d, {side * 850, r - 80}, {side * 850, r + 80});
        const QList<QPointF> collar{{side * 300, r},       {side * 260, r},
                                    {side * 260, r + 300}, {side * 300, r + 300},
                                    {side * 300, r + 40},  {side * 520, r + 40},
                                    {side * 520, r}};
        hatch(d, collar, 1.6);
        d.polygon(collar);
        d.fillPolygon({{side * 330, r + 300},
                       {side * 230, r + 300},
                       {side * 230, r + 345},
                       {side * 330, r + 345}},
                      Qt::black);
        d.line({side * 280, r + 230}, {side * 280, r + 400}, Stroke::Centre);
        // Tie rod lug welded to the shell.
        d.polygon({{side * 600, r}, {side * 680, r}, {side * 680, r + 480}, {side * 600, r + 480}});
        d.box({side * 560, r + 400}, {side * 600, r + 460}, Stroke::Thin);
        d.box({side * 680, r + 400}, {side * 720, r + 460}, Stroke::Thin);
    }
    QPainterPath belt({-260, r + 320});
    belt.cubicTo(-160, r + 560, 160, r + 560, 260, r + 320);
    d.curve(belt, Stroke::Heavy);
    d.line({-760, r + 430}, {760, r + 430});
    d.line({-850, r + 160}, {-700, r + 160}, Stroke::Phantom);
    d.line({700, r + 160}, {850, r + 160}, Stroke::Phantom);
    leader(d, {450, r - 330}, {-40, 0}, QStringLiteral("GAS"));
    dimension(d, {-260, r}, {260, r}, -9, QStringLiteral("520"));
    leader(d, {-100, r + 490}, {-16, -8}, QStringLiteral("FABRIC BELT"));
    leader(d, {720, r + 430}, {10, -12}, QStringLiteral("TIE ROD M20"));
    leader(d, {-280, r + 345}, {-16, -2}, QStringLiteral("CLAMP"));
    viewTitle(paper, {88, 124}, QStringLiteral("DETAIL X - EXPANSION JOINT"),
              QStringLiteral("SCALE 1:10"));
}

} // namespace assetgen::sheets::duct
