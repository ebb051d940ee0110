#include "Hatching.h"

#include <cmath>

namespace assetgen::sheets {

void hatch(const Drafter& d, const QPainterPath& area, double spacingPx, double angleDeg) {
    const QPainterPath region = d.map(area);
    const QRectF bounds = region.boundingRect();
    const double a = qDegreesToRadians(angleDeg);
    const QPointF along(std::cos(a), -std::sin(a));
    const QPointF across(-along.y(), along.x());
    const QPointF centre = bounds.center();
    const double reach = std::hypot(bounds.width(), bounds.height()) / 2 + 1;
    QPainter& p = d.painter();
    p.save();
    p.setClipPath(region, Qt::IntersectClip);
    p.setPen(QPen(Qt::black, 0.6));
    // Lines are laid from a fixed sheet origin so that neighbouring areas' hatching lines up.
    const double phase = std::fmod(QPointF::dotProduct(centre, across), spacingPx);
    for (double t = -phase - std::ceil(reach / spacingPx) * spacingPx; t <= reach; t += spacingPx) {
        const QPointF c = centre + across * t;
        p.drawLine(c - along * reach, c + along * reach);
    }
    p.restore();
}

void hatch(const Drafter& d, const QList<QPointF>& area, double spacingPx, double angleDeg) {
    QPainterPath path;
    path.addPolygon(QPolygonF(area));
    path.closeSubpath();
    hatch(d, path, spacingPx, angleDeg);
}

void ground(const Drafter& d, double x0, double x1, double y) {
    d.line({x0, y}, {x1, y}, Stroke::Visible);
    const Drafter sheet = d.sheet();
    const QPointF a = d.map({x0, y}), b = d.map({x1, y});
    for (double x = std::min(a.x(), b.x()) + 2; x < std::max(a.x(), b.x()) - 2; x += 5) {
        sheet.line({x, a.y() + 1}, {x - 3, a.y() + 4}, Stroke::Thin);
    }
}

} // namespace assetgen::sheets
