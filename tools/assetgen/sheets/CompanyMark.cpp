#include "CompanyMark.h"

namespace assetgen::sheets {

void drawCompanyMark(const Drafter& paper, QRectF box) {
    const double s = std::min(box.width(), box.height());
    const QPointF o = box.center() - QPointF(s / 2, s / 2);
    const auto at = [&](double u, double v) { return o + QPointF(u * s, v * s); };
    paper.fillPolygon({at(0.05, 0.12), at(0.33, 0.12), at(0.5, 0.62), at(0.67, 0.12),
                       at(0.95, 0.12), at(0.62, 0.92), at(0.38, 0.92)},
                      Qt::black);
    paper.fillPolygon({at(0.28, 0.12), at(0.5, 0.75), at(0.72, 0.12), at(0.6, 0.12), at(0.5, 0.42),
                       at(0.4, 0.12)},
                      Qt::white);
    paper.line(at(0.0, 1.0), at(1.0, 1.0), Stroke::Heavy);
}

} // namespace assetgen::sheets
