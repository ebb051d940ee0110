// Drive end view, casing section and the chain with its flights for the drag chain conveyor.
#include "Annotation.h"
#include "DragChain.h"
#include "Hatching.h"
#include "MachineParts.h"

namespace assetgen::sheets::dragchain {
namespace {

constexpr double kChainPitch = 142;
constexpr double kStrand = 250; // each chain strand's distance from the centre line

// A flight bar across the casing with the two chain strands cut through beside it.
void flightAcross(const Drafter& d, double y, double depth) {
    d.fillPolygon({{-370, y}, {370, y}, {370, y + depth}, {-370, y + depth}}, Qt::black);
    for (double side : {-1.0, 1.0}) {
        QPainterPath link;
        link.addEllipse(QPointF(side * kStrand, y + depth / 2), 32, 52);
        d.fill(link, Qt::black);
    }
}

} // namespace

void drawDriveEndView(const Drafter& paper) {
    const Drafter d = paper.view({66, 244}, 0.027);
    ground(d, -1300, 2000, kFloor);
    for (double side : {-1.0, 1.0}) {
        d.box({side * 600, kFloor}, {side * 800, -900});
        d.box({side * 500, kFloor}, {side * 900, kFloor + 40}, Stroke::Thin);
    }
    d.line({-600, kFloor + 200}, {600, -1000}, Stroke::Thin);
    d.line({600, kFloor + 200}, {-600, -1000}, Stroke::Thin);
    d.box({-400, -1700}, {400, -900});
    d.box({-480, -1780}, {480, -1700});
    d.polygon({{-600, -900}, {600, -900}, {600, 700}, {300, 1000}, {-300, 1000}, {-600, 700}},
              Stroke::Heavy);
    // Head shaft across the housing, its bearings, and the drive on the far end.
    d.box({-1000, -60}, {1000, 60});
    for (double side : {-1.0, 1.0}) {
        d.box({side * 680, -150}, {side * 920, 150});
        d.box({side * 640, -230}, {side * 960, -150}, Stroke::Thin);
    }
    gearboxSide(d, {1000, -450}, {1700, 550});
    QPainterPath motor;
    motor.addEllipse(QPointF(1350, 300), 280, 280);
    d.fill(motor, Qt::white);
    d.circle({1350, 300}, 280);
    d.circle({1350, 300}, 200, Stroke::Thin);
    centreCross(d, {1350, 300}, 280);
    d.line({1500, -450}, {1500, -1400});
    d.box({1400, -1500}, {1600, -1400});
    d.line({0, kFloor - 200}, {0, 1300}, Stroke::Centre);
    dimension(d, {-600, 1000}, {600, 1000}, 6, QStringLiteral("1200"));
    dimension(d, {-1150, kFloor}, {-1150, 0}, 0);
    viewTitle(paper, {72, 344}, QStringLiteral("VIEW A - DRIVE END"), QStringLiteral("SCALE 1:40"));
}

void drawCasingSection(const Drafter& paper) {
    const Drafter d = paper.view({170, 262}, 0.072);
    const double w = kCasingHalfWidth;
    d.box({-w, kCasingBottom}, {w, kCasingTop}, Stroke::Heavy);
    d.box({-w - 60, kCasingTop}, {w + 60, kCasingTop + 16}, Stroke::Heavy);
    for (double side : {-1.0, 1.0}) {
        angleSection(d, {side * w, kCasingTop}, 60, side, -1);
        // Return rail: an angle along each wall carrying the returning flights.
        angleSection(d, {side * (w - 8), kSprocketRadius - 60}, 70, -side, -1);
    }
    const QList<QPointF> liner{{-w + 8, kCasingBottom + 8},
                               {w - 8, kCasingBottom + 8},
                               {w - 8, kCasingBottom + 40},
                               {-w + 8, kCasingBottom + 40}};
    hatch(d, liner, 1.5);
    d.polygon(liner, Stroke::Thin);
    flightAcross(d, kCasingBottom + 40, 70);
    flightAcross(d, kSprocketRadius - 60, 70);
    d.line({-w + 8, -220}, {w - 8, -220}, Stroke::Phantom);
    d.text({0, -200}, QStringLiteral("MATERIAL BED"), kDimensionText, Qt::AlignHCenter);
    d.line({0, kCasingBottom - 150}, {0, kCasingTop + 150}, Stroke::Centre);
    dimension(d, {-w - 60, kCasingTop + 16}, {w + 60, kCasingTop + 16}, 6);
    dimension(d, {w, kCasingBottom}, {w, kCasingTop}, -10);
    leader(d, {-200, kCasingBottom + 25}, {-14, 18}, QStringLiteral("LINER t=10"));
    viewTitle(paper, {170, 318}, QStringLiteral("SECTION B-B"), QStringLiteral("SCALE 1:15"));
}

void drawChainDetail(const Drafter& paper) {
    const Drafter d = paper.view({282, 236}, 0.1);
    // Two strands of forged links, plan view, with one flight bolted across them.
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 6; ++i) {
            const QPointF a(-426 + i * kChainPitch, side * kStrand);
            const QPointF b(a.x() + kChainPitch, a.y());
            chainLink(d, a, b, i % 2 == 0 ? 34 : 27);
        }
        for (int i = 0; i <= 6; ++i) {
            d.circle({-426 + i * kChainPitch, side * kStrand}, 12, Stroke::Thin);
        }
    }
    const QList<QPointF> flight{{-35, -370}, {35, -370}, {35, 370}, {-35, 370}};
    d.blank(flight);
    d.polygon(flight, Stroke::Heavy);
    for (double side : {-1.0, 1.0}) {
        d.box({-75, side * kStrand - 45}, {75, side * kStrand + 45});
        for (double x : {-50.0, 50.0}) {
            d.circle({x, side * kStrand}, 11, Stroke::Thin);
        }
    }
    d.line({-480, 0}, {480, 0}, Stroke::Centre);
    dimension(d, {-426 + kChainPitch * 4, kStrand}, {-426 + kChainPitch * 5, kStrand}, 10,
              QStringLiteral("P142"));
    dimension(d, {35, -370}, {35, 370}, -10, QStringLiteral("740"));
    dimension(d, {-426, -kStrand}, {-426, kStrand}, -8, QStringLiteral("500"));
    viewTitle(paper, {282, 290}, QStringLiteral("DETAIL C - CHAIN AND FLIGHT"),
              QStringLiteral("SCALE 1:10"));
}

} // namespace assetgen::sheets::dragchain
