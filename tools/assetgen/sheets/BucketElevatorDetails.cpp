// Details of the bucket elevator: head and boot at a larger scale, one bucket on its chain, and
// the casing cut across.
#include "Annotation.h"
#include "BucketElevator.h"
#include "Hatching.h"
#include "MachineParts.h"

#include <cmath>
#include <numbers>

namespace assetgen::sheets::elevator {
namespace {

constexpr double kChainPitch = 150;

void sprocket(const Drafter& d, QPointF centre, double radius, int teeth) {
    QList<QPointF> outline;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = 2 * std::numbers::pi * i / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? radius + 40 : radius - 30;
        outline.append(centre + QPointF(r * std::cos(a), r * std::sin(a)));
    }
    d.blank(outline);
    d.polygon(outline, Stroke::Visible);
    d.circle(centre, radius * 0.3, Stroke::Thin);
    d.circle(centre, radius * 0.14);
    centreCross(d, centre, radius + 40);
}

// The casing walls of both legs between two heights, ending in break lines.
void legWalls(const Drafter& d, double y0, double y1) {
    for (double side : {-1.0, 1.0}) {
        for (double x :
             {side * (kPulleyRadius - kTrunkHalf), side * (kPulleyRadius + kTrunkHalf)}) {
            d.line({x, y0}, {x, y1});
        }
        breakLine(d, {side * (kPulleyRadius - kTrunkHalf), y0},
                  {side * (kPulleyRadius + kTrunkHalf), y0});
    }
}

} // namespace

void drawHeadDetail(const Drafter& paper) {
    const Drafter d = paper.view({292, 74}, 0.04).shifted({0, -kHeadY});
    QPainterPath hood({-900, kHeadBottom});
    hood.lineTo(-900, kHeadY);
    arcTo(hood, {0, kHeadY}, 900, 180, -180);
    hood.lineTo(900, kHeadBottom);
    d.curve(hood, Stroke::Heavy);
    d.line({-900, kHeadBottom}, {-kPulleyRadius - kTrunkHalf, kHeadBottom});
    d.line({900, kHeadBottom}, {kPulleyRadius + kTrunkHalf, kHeadBottom});
    d.polygon({{900, kHeadY}, {1900, kHeadY - 1000}, {1450, kHeadY - 1450}, {900, kHeadY - 900}},
              Stroke::Heavy);
    legWalls(d, kHeadY - 1350, kHeadBottom);
    drawChainWithBuckets(d, kHeadY - 1300, kHeadTop);
    sprocket(d, {0, kHeadY}, kPulleyRadius - 50, 14);
    // Material thrown off the buckets as they turn over the top.
    for (double lift : {0.0, 150.0, 300.0}) {
        QPainterPath path({150 + lift, kHeadY + 780 - lift * 0.3});
        path.quadTo(900 + lift, kHeadY + 700 - lift, 1300 + lift * 0.6, kHeadY - 700 - lift);
        d.curve(path, Stroke::Phantom);
    }
    // Hood rubber deflector and the inspection door.
    d.line({900, kHeadY + 100}, {1250, kHeadY - 250}, Stroke::Visible);
    d.box({-900, kHeadY - 700}, {-820, kHeadY - 100}, Stroke::Thin);
    d.text({1600, kHeadY - 250}, QStringLiteral("45°"), kDimensionText);
    viewTitle(paper, {292, 138}, QStringLiteral("DETAIL A - HEAD"), QStringLiteral("SCALE 1:50"));
}

void drawBootDetail(const Drafter& paper) {
    const Drafter d = paper.view({292, 222}, 0.04).shifted({0, -kBootY});
    pedestal(d, {0, -300}, 2200, 300);
    ground(d, -1400, -1100, 0);
    ground(d, 1100, 1400, 0);
    d.box({-900, 0}, {900, kBootTop}, Stroke::Heavy);
    d.polygon({{-900, 1100}, {-1700, 1900}, {-1700, 2600}, {-900, 1800}}, Stroke::Heavy);
    d.text({-1500, 2750}, QStringLiteral("INLET"), kDimensionText, Qt::AlignHCenter);
    legWalls(d, kBootTop + 600, kBootTop);
    // Material lying in the boot where the buckets dig through it.
    d.polyline({{-900, 350}, {-400, 420}, {400, 380}, {900, 330}}, Stroke::Phantom);
    drawChainWithBuckets(d, 0, kBootTop + 550);
    sprocket(d, {0, kBootY}, kPulleyRadius - 50, 14);
    // Screw take-up: the bearing slides in its guide, pulled up by the screw.
    d.box({-140, kBootY - 260}, {140, kBootY + 420}, Stroke::Thin);
    d.line({0, kBootY + 80}, {0, kBootTop + 300});
    d.box({-90, kBootTop + 300}, {90, kBootTop + 380});
    d.box({600, 150}, {880, 600}, Stroke::Thin);
    dimension(d, {-900, 0}, {900, 0}, -12, QStringLiteral("1800"));
    viewTitle(paper, {292, 282}, QStringLiteral("DETAIL B - BOOT"), QStringLiteral("SCALE 1:50"));
}

void drawBucketDetail(const Drafter& paper) {
    // Side: chain links on the left, the bucket bolted to its attachment.
    const Drafter side = paper.view({398, 66}, 0.16);
    for (int i = -2; i < 2; ++i) {
        const QPointF a(0, i * kChainPitch + kChainPitch / 2);
        const QPointF b(0, (i + 1) * kChainPitch + kChainPitch / 2);
        chainLink(side, a, b, i % 2 == 0 ? 46 : 40);
    }
    for (int i = -2; i <= 2; ++i) {
        const QPointF pin(0, i * kChainPitch + kChainPitch / 2);
        side.circle(pin, 24, Stroke::Thin);
        side.circle(pin, 15);
    }
    const QPointF root(-60, -150);
    const auto p = [&](double t, double n) { return root + QPointF(-n, t); };
    side.fillPolygon({p(300, 0), p(0, 0), p(0, 90), p(40, 170), p(100, 215), p(300, 240),
                      p(300, 210), p(110, 190), p(58, 156), p(22, 84), p(20, 20), p(300, 20)},
                     Qt::white);
    side.polyline({p(300, 0), p(0, 0), p(0, 90), p(40, 170), p(100, 215), p(300, 240), p(300, 210)},
                  Stroke::Heavy);
    side.polyline({p(300, 20), p(20, 20), p(22, 84), p(58, 156), p(110, 190), p(285, 212)},
                  Stroke::Thin);
    for (double t : {70.0, 230.0}) {
        side.box(root + QPointF(-25, t - 14), root + QPointF(90, t + 14), Stroke::Thin);
        side.box(root + QPointF(-40, t - 22), root + QPointF(-25, t + 22));
    }
    dimension(side, {0, -kChainPitch / 2}, {0, kChainPitch / 2}, -18, QStringLiteral("P150"));
    dimension(side, p(300, 0), p(300, 240), 6, QStringLiteral("240"));

    // Front: the bucket between the two chain strands.
    const Drafter front = paper.view({488, 66}, 0.16);
    QPainterPath body;
    body.addRoundedRect(QRectF(-200, -150, 400, 300), 40, 40);
    front.curve(body, Stroke::Heavy);
    front.line({-200, 120}, {200, 120}, Stroke::Thin);
    for (double x : {-240.0, 240.0}) {
        front.box({x - 22, -280}, {x + 22, 280});
        for (double y = -225; y <= 225; y += kChainPitch) {
            front.line({x - 30, y}, {x + 30, y});
        }
        front.box({x > 0 ? 200.0 : -218.0, -90}, {x > 0 ? 218.0 : -200.0, 90}, Stroke::Thin);
    }
    dimension(front, {-200, -150}, {200, -150}, -10, QStringLiteral("400"));
    viewTitle(paper, {444, 122}, QStringLiteral("DETAIL C - BUCKET AND CHAIN"),
              QStringLiteral("SCALE 1:5"));
}

void drawCasingSection(const Drafter& paper) {
    const Drafter d = paper.view({398, 165}, 0.043);
    for (double side : {-1.0, 1.0}) {
        const double inner = side * (kPulleyRadius - kTrunkHalf);
        const double outer = side * (kPulleyRadius + kTrunkHalf);
        d.box({inner, -kCasingHalfWidth}, {outer, kCasingHalfWidth}, Stroke::Heavy);
        for (double y : {-kCasingHalfWidth, kCasingHalfWidth}) {
            angleSection(d, {outer, y}, 70, side, y < 0 ? -1 : 1);
        }
        // The bucket stands out from its chain strands on the outer side.
        const double chain = side * kPulleyRadius;
        d.box({chain, -200}, {chain + side * 240, 200});
        for (double y : {-235.0, 235.0}) {
            d.box({chain - 25, y - 22}, {chain + 25, y + 22});
        }
    }
    d.line({0, -kCasingHalfWidth - 150}, {0, kCasingHalfWidth + 150}, Stroke::Centre);
    dimension(d, {-kPulleyRadius - kTrunkHalf, kCasingHalfWidth},
              {kPulleyRadius + kTrunkHalf, kCasingHalfWidth}, 6);
    viewTitle(paper, {398, 192}, QStringLiteral("SECTION D-D  1:25"));
}

} // namespace assetgen::sheets::elevator
