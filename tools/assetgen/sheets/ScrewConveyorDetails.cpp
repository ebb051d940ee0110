// End view, trough section, hanger bearing detail and the flight blank of the screw conveyor.
#include "Annotation.h"
#include "Hatching.h"
#include "MachineParts.h"
#include "ScrewConveyor.h"

#include <cmath>
#include <numbers>

namespace assetgen::sheets::screw {
namespace {

// U-trough outline across the conveyor: straight sides down to the half-round bottom.
QPainterPath troughOutline(double radius, double top) {
    QPainterPath path({-radius, top});
    path.lineTo(-radius, 0);
    arcTo(path, {0, 0}, radius, 180, 180);
    path.lineTo(radius, top);
    return path;
}

// The trough plate cut across, as a solid band between two outlines.
QPainterPath troughPlate(double radius, double thickness, double top) {
    QPainterPath path = troughOutline(radius + thickness, top);
    const QPainterPath inner = troughOutline(radius, top).toReversed();
    path.lineTo(inner.elementAt(0));
    path.connectPath(inner);
    path.closeSubpath();
    return path;
}

void troughAcross(const Drafter& d, bool cut) {
    const double r = kTroughHalfWidth;
    if (cut) {
        d.fill(troughPlate(r, 14, kTroughTop), Qt::black);
    } else {
        d.curve(troughOutline(r + 14, kTroughTop));
        d.curve(troughOutline(r, kTroughTop), Stroke::Thin);
    }
    // Flange angles and the cover with its seal.
    for (double side : {-1.0, 1.0}) {
        if (cut) {
            angleSection(d, {side * (r + 14), kTroughTop}, 60, side, -1);
        } else {
            d.box({side * (r + 14), kTroughTop - 60}, {side * (r + 74), kTroughTop});
        }
    }
    d.box({-r - 90, kTroughTop}, {r + 90, kTroughTop + 14}, cut ? Stroke::Heavy : Stroke::Visible);
}

} // namespace

void drawEndView(const Drafter& paper) {
    const Drafter d = paper.view({478, 74}, 0.046);
    ground(d, -900, 900, kFloor);
    for (double side : {-1.0, 1.0}) {
        d.polygon({{side * 300, kTroughBottom - 20},
                   {side * 420, kTroughBottom - 20},
                   {side * 560, kFloor + 25},
                   {side * 440, kFloor + 25}});
        d.box({side * 410, kFloor}, {side * 620, kFloor + 25}, Stroke::Thin);
    }
    d.line({-370, -800}, {370, -800});
    d.line({-360, -760}, {360, -760}, Stroke::Thin);
    d.box({-kTroughHalfWidth - 60, kTroughBottom - 20}, {kTroughHalfWidth + 60, kTroughBottom});
    troughAcross(d, false);
    d.circle({0, 0}, kFlightRadius, Stroke::Hidden);
    // Inlet spout on the cover and the tail bearing on the end plate.
    d.box({-250, kTroughTop + 14}, {250, 780});
    d.box({-310, 780}, {310, 820});
    d.box({-115, -115}, {115, 115});
    for (double x : {-80.0, 80.0}) {
        for (double y : {-80.0, 80.0}) {
            d.circle({x, y}, 14, Stroke::Thin);
        }
    }
    d.circle({0, 0}, 45);
    centreCross(d, {0, 0}, 130);
    d.box({-250, -700}, {250, kTroughBottom - 20}, Stroke::Hidden);
    dimension(d, {-kTroughHalfWidth - 90, 820}, {kTroughHalfWidth + 90, 820}, 6,
              QStringLiteral("840"));
    dimension(d, {700, kFloor}, {700, 0}, 0);
    viewTitle(paper, {478, 146}, QStringLiteral("END VIEW X  1:30"));
}

void drawDriveEndView(const Drafter& paper) {
    const Drafter d = paper.view({44, 172}, 0.03);
    ground(d, -700, 700, kFloor);
    // The trough beyond, then the drive stand, gear unit and motor in front of it.
    troughAcross(d, false);
    d.box({-250, kTroughTop + 14}, {250, 780});
    d.box({-310, 780}, {310, 820});
    for (double side : {-1.0, 1.0}) {
        d.box({side * 320, kFloor}, {side * 420, -520});
    }
    d.box({-460, -520}, {460, -300});
    const QList<QPointF> gear{{-300, -300}, {300, -300}, {300, 330}, {-300, 330}};
    d.blank(gear);
    d.polygon(gear);
    QPainterPath cowl;
    cowl.addEllipse(QPointF(0, -20), 205, 205);
    d.fill(cowl, Qt::white);
    d.circle({0, -20}, 205);
    d.circle({0, -20}, 150, Stroke::Thin);
    d.circle({0, -20}, 40, Stroke::Thin);
    centreCross(d, {0, -20}, 205);
    viewTitle(paper, {44, 222}, QStringLiteral("VIEW Y"), QString());
}

void drawTroughSection(const Drafter& paper) {
    const Drafter d = paper.view({68, 274}, 0.082);
    troughAcross(d, true);
    d.circle({0, 0}, kFlightRadius);
    // The flight cut where the plane crosses it, the pipe ring and the coupling shaft inside.
    const double a = qDegreesToRadians(35.0);
    const QPointF u(std::cos(a), std::sin(a)), n(-u.y(), u.x());
    d.fillPolygon({u * kPipeRadius + n * 5, u * kFlightRadius + n * 5, u * kFlightRadius - n * 5,
                   u * kPipeRadius - n * 5},
                  Qt::black);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), kPipeRadius, kPipeRadius);
    ring.addEllipse(QPointF(0, 0), kPipeRadius - 12, kPipeRadius - 12);
    d.fill(ring, Qt::black);
    // Material at the design loading.
    const double level = -kFlightRadius + 0.45 * 2 * kFlightRadius;
    const double halfChord = std::sqrt(kTroughHalfWidth * kTroughHalfWidth - level * level);
    d.line({-halfChord, level}, {halfChord, level}, Stroke::Phantom);
    d.text({halfChord + 20, level}, QStringLiteral("45%"), kDimensionText,
           Qt::AlignLeft | Qt::AlignVCenter);
    centreCross(d, {0, 0}, kFlightRadius);
    dimension(d, {-kFlightRadius, -kTroughBottom + 120}, {kFlightRadius, -kTroughBottom + 120}, 0,
              QStringLiteral("Ø600"));
    dimension(d, {-kTroughHalfWidth - 90, kTroughBottom - 14}, {-kTroughHalfWidth - 90, kTroughTop},
              6, QStringLiteral("689"));
    viewTitle(paper, {68, 314}, QStringLiteral("SECTION A-A"), QStringLiteral("SCALE 1:10"));
}

void drawHangerDetail(const Drafter& paper) {
    const Drafter d = paper.view({180, 278}, 0.15);
    // Pipe ends either side, coupling shaft through the hanger bearing, all cut on the axis.
    for (double side : {-1.0, 1.0}) {
        const double inner = side * 130, outer = side * 300;
        hatch(d,
              QList<QPointF>{{inner, kPipeRadius - 12},
                             {outer, kPipeRadius - 12},
                             {outer, kPipeRadius},
                             {inner, kPipeRadius}},
              2);
        hatch(d,
              QList<QPointF>{{inner, -kPipeRadius},
                             {outer, -kPipeRadius},
                             {outer, -kPipeRadius + 12},
                             {inner, -kPipeRadius + 12}},
              2);
        d.box({inner, -kPipeRadius}, {outer, kPipeRadius});
        d.line({inner, kPipeRadius - 12}, {outer, kPipeRadius - 12}, Stroke::Thin);
        d.line({inner, -kPipeRadius + 12}, {outer, -kPipeRadius + 12}, Stroke::Thin);
        d.line({side * 200, -kPipeRadius - 25}, {side * 200, kPipeRadius + 25}, Stroke::Centre);
    }
    d.box({-300, -40}, {300, 40});
    // Housing and bronze bush, hatched in opposite directions.
    const QList<QPointF> housing{{-75, -95}, {75, -95}, {75, 95}, {-75, 95}};
    const QList<QPointF> bush{{-60, -52}, {60, -52}, {60, 52}, {-60, 52}};
    hatch(d, housing, 2.5, 45);
    d.blank(bush);
    hatch(d, bush, 1.6, -45);
    d.blank({{-60, -40}, {60, -40}, {60, 40}, {-60, 40}});
    d.box({-60, -40}, {60, 40});
    d.polygon(housing);
    d.polygon(bush);
    d.box({-30, 95}, {30, 300});
    d.box({-80, 300}, {80, 330}, Stroke::Thin);
    d.line({-340, 0}, {340, 0}, Stroke::Centre);
    leader(d, {20, 52}, {16, -16}, QStringLiteral("BRONZE BUSH"));
    leader(d, {-280, kPipeRadius}, {-4, -16}, QStringLiteral("PIPE"));
    viewTitle(paper, {180, 314}, QStringLiteral("DETAIL B"), QStringLiteral("HANGER BEARING 1:5"));
}

void drawFlightDevelopment(const Drafter& paper) {
    // A flat ring that stretches into one pitch of flight: inner and outer edge lengths fix it.
    const double outerEdge = std::hypot(std::numbers::pi * 2 * kFlightRadius, kPitch);
    const double innerEdge = std::hypot(std::numbers::pi * 2 * kPipeRadius, kPitch);
    const double width = kFlightRadius - kPipeRadius;
    const double innerR = width * innerEdge / (outerEdge - innerEdge);
    const double outerR = innerR + width;
    const double sweep = qRadiansToDegrees(outerEdge / outerR);
    const double gap = 360 - sweep;
    const Drafter d = paper.view({295, 270}, 0.085);
    const double start = 90 + gap / 2;
    d.arc({0, 0}, outerR, start, sweep);
    d.arc({0, 0}, innerR, start, sweep);
    for (double angle : {start, start + sweep}) {
        const QPointF u(std::cos(qDegreesToRadians(angle)), std::sin(qDegreesToRadians(angle)));
        d.line(u * innerR, u * outerR);
    }
    centreCross(d, {0, 0}, innerR * 0.3);
    d.text({0, outerR + 60}, QStringLiteral("GAP %1°").arg(std::lround(gap)), kDimensionText,
           Qt::AlignHCenter);
    dimension(d, {-outerR, 0}, {outerR, 0}, -(outerR * d.px(1) + 6),
              QStringLiteral("Ø%1").arg(std::lround(2 * outerR)));
    dimension(d, {-innerR, 0}, {innerR, 0}, 0, QStringLiteral("Ø%1").arg(std::lround(2 * innerR)));
    viewTitle(paper, {295, 314}, QStringLiteral("FLIGHT BLANK"), QStringLiteral("t=8, 1:10"));
}

} // namespace assetgen::sheets::screw
