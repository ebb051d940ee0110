// Front and side elevations of the bucket elevator, full height, the side view sectioned to
// show the bucket chain.
#include "Annotation.h"
#include "BucketElevator.h"
#include "Hatching.h"
#include "MachineParts.h"

#include <cmath>
#include <numbers>

namespace assetgen::sheets::elevator {
namespace {

struct ChainPoint {
    QPointF at, travel, outward;
};

constexpr double kLeg = kHeadY - kBootY;
constexpr double kTurn = std::numbers::pi * kPulleyRadius;

// Position along the chain loop, starting at the bottom of the rising leg.
ChainPoint chainAt(double s) {
    const double r = kPulleyRadius;
    if (s < kLeg) {
        return {{-r, kBootY + s}, {0, 1}, {-1, 0}};
    }
    s -= kLeg;
    if (s < kTurn) {
        const double a = std::numbers::pi - s / r;
        const QPointF radial(std::cos(a), std::sin(a));
        return {QPointF(0, kHeadY) + radial * r, {radial.y(), -radial.x()}, radial};
    }
    s -= kTurn;
    if (s < kLeg) {
        return {{r, kHeadY - s}, {0, -1}, {1, 0}};
    }
    s -= kLeg;
    const double a = -s / r;
    const QPointF radial(std::cos(a), std::sin(a));
    return {QPointF(0, kBootY) + radial * r, {radial.y(), -radial.x()}, radial};
}

void ladderWithCage(const Drafter& d, double x0, double x1, double top) {
    d.line({x0, 0}, {x0, top});
    d.line({x1, 0}, {x1, top});
    for (double y = 300; y < top; y += 300) {
        d.line({x0, y}, {x1, y}, Stroke::Thin);
    }
    const double cage0 = x0 - 250, cage1 = x1 + 250;
    for (double y = 2500; y < top; y += 700) {
        d.line({cage0, y}, {cage1, y}, Stroke::Thin);
    }
    for (double x : {cage0, (cage0 + cage1) / 2, cage1}) {
        d.line({x, 2500}, {x, top}, Stroke::Thin);
    }
}

} // namespace

void drawBucketProfile(const Drafter& d, QPointF at, QPointF travel, QPointF outward) {
    const auto p = [&](double t, double n) { return at + travel * t + outward * n; };
    const QList<QPointF> outline{p(300, 0),   p(0, 0),     p(0, 90),   p(40, 170),
                                 p(100, 215), p(300, 240), p(300, 210)};
    if (d.px(300) < 8) {
        // Too small for an outline to read: the bucket is drawn as a solid shape.
        d.fillPolygon(outline, Qt::black);
        return;
    }
    d.blank(outline);
    d.polyline(outline);
}

void drawChainWithBuckets(const Drafter& d, double fromY, double toY) {
    const double r = kPulleyRadius;
    d.line({-r, std::max(kBootY, fromY)}, {-r, std::min(kHeadY, toY)});
    d.line({r, std::max(kBootY, fromY)}, {r, std::min(kHeadY, toY)});
    if (toY >= kHeadY) {
        d.arc({0, kHeadY}, r, 0, 180);
    }
    if (fromY <= kBootY) {
        d.arc({0, kBootY}, r, 180, 180);
    }
    const double loop = 2 * (kLeg + kTurn);
    for (double s = 120; s < loop; s += kBucketSpacing) {
        const ChainPoint c = chainAt(s);
        if (c.at.y() >= fromY && c.at.y() <= toY) {
            drawBucketProfile(d, c.at, c.travel, c.outward);
        }
    }
}

void drawFrontElevation(const Drafter& paper) {
    const Drafter d = paper.view({84, 360}, 0.0205);
    ground(d, -1800, 3000, 0);
    // Boot with its screw take-ups and the inlet coming towards the viewer.
    d.box({-450, 0}, {450, kBootTop});
    for (double side : {-1.0, 1.0}) {
        d.box({side * 450, 500}, {side * 650, 1500});
        d.line({side * 550, 1500}, {side * 550, 1900}, Stroke::Thin);
    }
    d.box({-300, 1250}, {300, 1800});
    d.box({-360, 1190}, {360, 1860}, Stroke::Thin);
    d.circle({0, kBootY}, 80, Stroke::Thin);
    // Casing sections bolted at their flanges, inspection doors near both ends.
    d.box({-kCasingHalfWidth, kBootTop}, {kCasingHalfWidth, kHeadBottom});
    for (double y = kBootTop + 2400; y < kHeadBottom; y += 2400) {
        d.line({-kCasingHalfWidth - 40, y}, {kCasingHalfWidth + 40, y});
    }
    d.box({-200, 2400}, {200, 3100}, Stroke::Thin);
    d.box({-200, 12600}, {200, 13300}, Stroke::Thin);
    // Head with bearings, the shaft-mounted drive and the drive platform.
    d.box({-450, kHeadBottom}, {450, kHeadTop});
    d.line({-450, kHeadTop - 250}, {450, kHeadTop - 250}, Stroke::Thin);
    d.box({-850, kHeadY - 60}, {850, kHeadY + 60});
    for (double side : {-1.0, 1.0}) {
        d.box({side * 530, kHeadY - 180}, {side * 760, kHeadY + 160});
        d.box({side * 500, kHeadY - 300}, {side * 790, kHeadY - 180}, Stroke::Thin);
    }
    gearboxSide(d, {860, kHeadY - 500}, {1400, kHeadY + 600});
    motorSide(d, {1420, kHeadY + 250}, 1200, 500, true);
    d.line({-1800, kHeadBottom}, {2800, kHeadBottom}, Stroke::Heavy);
    handrail(d, {-1800, kHeadBottom}, {-500, kHeadBottom}, 1100, 650);
    handrail(d, {600, kHeadBottom}, {2800, kHeadBottom}, 1100, 700);
    d.line({-1800, 8000}, {-400, 8000}, Stroke::Heavy);
    handrail(d, {-1800, 8000}, {-400, 8000}, 1100, 700);
    ladderWithCage(d, -1350, -950, kHeadBottom + 1100);
    d.line({0, -300}, {0, kHeadTop + 300}, Stroke::Centre);
    for (double level : {kHeadBottom, 8000.0}) {
        levelMark(d, {-1800, level}, QStringLiteral("+%1").arg(level / 1000, 0, 'f', 3), true);
    }
    levelMark(d, {-1800, 0}, QStringLiteral("±0.000"), true);
    dimension(d, {2200, 0}, {2200, kHeadTop}, 0);
    balloon(d, {0, 1100}, {14, -6}, 9);
    balloon(d, {1130, kHeadY}, {6, -14}, 6);
    balloon(d, {-kCasingHalfWidth, 5000}, {-12, 0}, 5);
    balloon(d, {-950, 4000}, {14, 6}, 11);
    viewTitle(paper, {74, 18}, QStringLiteral("FRONT ELEVATION"), QString());
}

void drawSideElevation(const Drafter& paper) {
    const Drafter d = paper.view({184, 360}, 0.0205);
    ground(d, -2000, 1900, 0);
    // Boot with the inlet chute on the rising leg.
    d.box({-900, 0}, {900, kBootTop});
    d.polygon({{-900, 1100}, {-1800, 2000}, {-1800, 2800}, {-900, 1900}});
    d.text({-1700, 3200}, QStringLiteral("INLET"), kDimensionText, Qt::AlignHCenter);
    // The two legs, drawn open.
    for (double side : {-1.0, 1.0}) {
        const double inner = side * (kPulleyRadius - kTrunkHalf);
        const double outer = side * (kPulleyRadius + kTrunkHalf);
        d.line({inner, kBootTop}, {inner, kHeadBottom});
        d.line({outer, kBootTop}, {outer, kHeadBottom});
        for (double y = kBootTop + 2400; y < kHeadBottom; y += 2400) {
            d.line({inner, y}, {outer, y}, Stroke::Thin);
        }
    }
    // Head with its hood and the discharge chute.
    QPainterPath head({-900, kHeadBottom});
    head.lineTo(-900, kHeadY);
    arcTo(head, {0, kHeadY}, 900, 180, -180);
    head.lineTo(900, kHeadBottom);
    head.closeSubpath();
    d.curve(head);
    d.polygon({{900, kHeadY}, {2300, kHeadY - 1400}, {1800, kHeadY - 1900}, {900, kHeadY - 1000}});
    d.line({2300, kHeadY - 1400}, {1800, kHeadY - 1900}, Stroke::Heavy);
    d.text({2050, kHeadY - 2300}, QStringLiteral("OUTLET"), kDimensionText, Qt::AlignHCenter);
    drawChainWithBuckets(d, 0, kHeadTop);
    pulleyEnd(d, {0, kHeadY}, kPulleyRadius - 60);
    pulleyEnd(d, {0, kBootY}, kPulleyRadius - 60);
    d.line({-1600, kHeadBottom}, {1600, kHeadBottom}, Stroke::Heavy);
    handrail(d, {-1600, kHeadBottom}, {-900, kHeadBottom}, 1100, 700);
    sectionCut(d, {1100, 8400}, {-1100, 8400}, QStringLiteral("D"));
    d.line({0, -300}, {0, kHeadTop + 300}, Stroke::Centre);
    levelMark(d, {1000, kHeadTop - 100}, QStringLiteral("+16.000"));
    balloon(d, {-200, kHeadY + kPulleyRadius - 100}, {-16, -10}, 1);
    balloon(d, {0, kBootY - 200}, {16, 8}, 2);
    balloon(d, {-kPulleyRadius, 6500}, {-14, 0}, 3);
    balloon(d, {-kPulleyRadius - 200, 11000}, {-14, 0}, 4);
    balloon(d, {2100, kHeadY - 1200}, {12, -8}, 7);
    balloon(d, {-1500, 2200}, {-14, 6}, 8);
    balloon(d, {-900, kHeadBottom + 600}, {-12, -8}, 10);
    viewTitle(paper, {184, 18}, QStringLiteral("SIDE ELEVATION"), QString());
}

} // namespace assetgen::sheets::elevator
