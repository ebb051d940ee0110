// Plate developments of the bin's hopper and shell, and the ring girder on which it stands.
#include "Annotation.h"
#include "Hatching.h"
#include "StorageBin.h"

#include <cmath>
#include <numbers>

namespace assetgen::sheets::bin {
namespace {

QPointF polar(double radius, double angleDeg) {
    const double a = qDegreesToRadians(angleDeg);
    return {radius * std::cos(a), radius * std::sin(a)};
}

} // namespace

void drawConeDevelopment(const Drafter& paper) {
    // The frustum unrolls into a ring sector about the cone's apex.
    const double slant = std::hypot(kShellRadius - kOutletRadius, kShellBottom - kOutletY);
    const double outer = kShellRadius * slant / (kShellRadius - kOutletRadius);
    const double inner = outer - slant;
    const double sweep = 360 * kShellRadius / outer;
    const double from = 270 - sweep / 2;
    const Drafter d = paper.view({330, 180}, 0.0078);
    d.arc({0, 0}, outer, from, sweep, Stroke::Heavy);
    d.arc({0, 0}, inner, from, sweep, Stroke::Heavy);
    for (int i = 0; i <= 4; ++i) {
        const double a = from + sweep * i / 4;
        d.line(polar(inner, a), polar(outer, a), i == 0 || i == 4 ? Stroke::Heavy : Stroke::Thin);
        if (i < 4) {
            const double mid = from + sweep * (i + 0.5) / 4;
            d.text(polar((inner + outer) / 2, mid), QStringLiteral("P%1").arg(i + 1),
                   kDimensionText, Qt::AlignHCenter | Qt::AlignVCenter);
        }
    }
    d.line(polar(inner, from), {0, 0}, Stroke::Centre);
    d.line(polar(inner, from + sweep), {0, 0}, Stroke::Centre);
    d.text({0, 700}, QStringLiteral("%1°").arg(sweep, 0, 'f', 1), kDimensionText, Qt::AlignHCenter);
    d.text(polar(outer + 250, from + sweep - 8), QStringLiteral("R%1").arg(std::lround(outer)),
           kDimensionText, Qt::AlignLeft | Qt::AlignVCenter);
    d.text({0, -inner + 250}, QStringLiteral("R%1").arg(std::lround(inner)), kDimensionText,
           Qt::AlignHCenter);
    viewTitle(paper, {330, 240}, QStringLiteral("DEVELOPMENT - HOPPER"),
              QStringLiteral("4 PLATES t=12"));
}

void drawShellDevelopment(const Drafter& paper) {
    const double girth = std::numbers::pi * 2 * kShellRadius;
    const double height = kShellTop - kShellBottom;
    const Drafter d = paper.view({420, 235}, 0.0074);
    d.box({0, 0}, {girth, height}, Stroke::Heavy);
    const char* thickness[] = {"t=10", "t=8", "t=8", "t=6"};
    for (int course = 0; course < 4; ++course) {
        const double y0 = course * 2000, y1 = y0 + 2000;
        if (course > 0) {
            d.line({0, y0}, {girth, y0});
        }
        // Vertical seams staggered by half a plate from one course to the next.
        const double plate = girth / 3;
        for (double x = course % 2 == 0 ? plate : plate / 2; x < girth - 1; x += plate) {
            d.line({x, y0}, {x, y1}, Stroke::Thin);
        }
        d.text({girth + 300, (y0 + y1) / 2}, QString::fromLatin1(thickness[course]), kDimensionText,
               Qt::AlignLeft | Qt::AlignVCenter);
    }
    d.box({girth * 0.62, 5000}, {girth * 0.62 + 600, 5600}, Stroke::Thin);
    dimension(d, {0, height}, {girth, height}, 6,
              QStringLiteral("%1 (πD)").arg(std::lround(girth)));
    dimension(d, {0, 0}, {0, height}, 8);
    viewTitle(paper, {500, 247}, QStringLiteral("DEVELOPMENT - SHELL"), QString());
}

void drawRingGirderDetail(const Drafter& paper) {
    const Drafter d = paper.view({354, 300}, 0.05);
    // Shell and hopper plates meeting at the girder, all cut through.
    const QList<QPointF> shell{{-12, 0}, {12, 0}, {12, 900}, {-12, 900}};
    d.fillPolygon(shell, Qt::black);
    d.fillPolygon({{-12, 0}, {12, 0}, {-12 - 420, -600}, {-36 - 420, -600}}, Qt::black);
    hatch(d, QList<QPointF>{{12, 430}, {612, 430}, {612, 450}, {12, 450}}, 1.5);
    d.box({12, 430}, {612, 450});
    d.box({12, -150}, {612, -130});
    hatch(d, QList<QPointF>{{12, -150}, {612, -150}, {612, -130}, {12, -130}}, 1.5);
    d.fillPolygon({{300, -130}, {324, -130}, {324, 430}, {300, 430}}, Qt::black);
    // Floor beam under the girder, cut across.
    d.box({-200, -550}, {900, -150});
    hatch(d, QList<QPointF>{{-200, -550}, {900, -550}, {900, -150}, {-200, -150}}, 3, -45);
    leader(d, {-8, 700}, {-14, -6}, QStringLiteral("SHELL t=10"));
    leader(d, {-250, -350}, {-10, 4}, QStringLiteral("HOPPER t=12"));
    leader(d, {450, 440}, {8, -12}, QStringLiteral("HEB 300"));
    viewTitle(paper, {346, 342}, QStringLiteral("DETAIL C - RING GIRDER"),
              QStringLiteral("SCALE 1:20"));
}

} // namespace assetgen::sheets::bin
