#include "MachineParts.h"

#include "Annotation.h"
#include "Hatching.h"

#include <cmath>

namespace assetgen::sheets {
namespace {

QPointF lerp(QPointF a, QPointF b, double t) {
    return a + (b - a) * t;
}

} // namespace

void bracedPanel(const Drafter& d, QPointF a, QPointF b, QPointF c, QPointF e, Stroke stroke) {
    d.polygon({a, b, c, e}, stroke);
    d.line(a, c, Stroke::Thin);
    d.line(b, e, Stroke::Thin);
}

void truss(const Drafter& d, QPointF from, QPointF to, double depth, int panels) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF up = QPointF(-along.y(), along.x()) / length * depth;
    d.line(from, to);
    d.line(from + up, to + up);
    for (int i = 0; i <= panels; ++i) {
        const QPointF p = lerp(from, to, static_cast<double>(i) / panels);
        d.line(p, p + up, Stroke::Visible);
        if (i < panels) {
            const QPointF q = lerp(from, to, static_cast<double>(i + 1) / panels);
            // Diagonals fall towards mid-span, as they would in tension under load.
            if (i < panels / 2) {
                d.line(p + up, q, Stroke::Thin);
            } else {
                d.line(p, q + up, Stroke::Thin);
            }
        }
    }
}

void handrail(const Drafter& d, QPointF a, QPointF b, double height, double postSpacing) {
    const QPointF top(0, height), knee(0, height / 2);
    d.line(a + top, b + top, Stroke::Thin);
    d.line(a + knee, b + knee, Stroke::Thin);
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int posts = std::max(1, static_cast<int>(std::round(length / postSpacing)));
    for (int i = 0; i <= posts; ++i) {
        const QPointF p = lerp(a, b, static_cast<double>(i) / posts);
        d.line(p, p + top, Stroke::Thin);
    }
}

void motorSide(const Drafter& d, QPointF shaft, double length, double diameter, bool facingLeft) {
    const double s = facingLeft ? -1 : 1;
    const double r = diameter / 2;
    const auto at = [&](double back, double up) {
        return QPointF(shaft.x() - s * back, shaft.y() + up);
    };
    const double stub = 0.18 * diameter;
    const double body = 0.72 * length;
    // Shaft stub, drive-end shield, finned frame, fan cowl.
    d.box(at(0, -0.09 * diameter), at(stub, 0.09 * diameter));
    d.polygon({at(stub, -0.8 * r), at(stub + 0.06 * length, -r), at(stub + 0.06 * length, r),
               at(stub, 0.8 * r)});
    d.box(at(stub + 0.06 * length, -r), at(stub + body, r));
    for (int i = 1; i < 6; ++i) {
        const double y = -r + 2 * r * i / 6;
        d.line(at(stub + 0.09 * length, y), at(stub + body - 0.02 * length, y), Stroke::Thin);
    }
    d.polygon({at(stub + body, -0.92 * r), at(length - 0.03 * length, -0.92 * r),
               at(length, -0.7 * r), at(length, 0.7 * r), at(length - 0.03 * length, 0.92 * r),
               at(stub + body, 0.92 * r)});
    // Terminal box on top and the feet below.
    d.box(at(stub + 0.3 * length, r), at(stub + 0.52 * length, r + 0.28 * diameter));
    d.box(at(stub + 0.1 * length, -r - 0.1 * diameter), at(stub + 0.24 * length, -r));
    d.box(at(stub + 0.5 * length, -r - 0.1 * diameter), at(stub + 0.64 * length, -r));
}

void gearboxSide(const Drafter& d, QPointF lowerLeft, QPointF upperRight) {
    d.box(lowerLeft, upperRight);
    const double h = upperRight.y() - lowerLeft.y();
    const double split = lowerLeft.y() + 0.55 * h;
    d.line({lowerLeft.x(), split}, {upperRight.x(), split}, Stroke::Thin);
    const double lip = 0.06 * h;
    d.box({lowerLeft.x() - lip, split - lip}, {upperRight.x() + lip, split + lip}, Stroke::Thin);
    // Breather on top.
    const double cx = (lowerLeft.x() + upperRight.x()) / 2;
    d.box({cx - lip, upperRight.y()}, {cx + lip, upperRight.y() + 1.5 * lip}, Stroke::Thin);
}

void pulleyEnd(const Drafter& d, QPointF centre, double radius) {
    d.circle(centre, radius);
    d.circle(centre, radius * 0.3, Stroke::Thin);
    d.circle(centre, radius * 0.12, Stroke::Thin);
    centreCross(d, centre, radius);
}

void pedestal(const Drafter& d, QPointF base, double width, double height) {
    const QList<QPointF> outline{base + QPointF(-width / 2, 0), base + QPointF(width / 2, 0),
                                 base + QPointF(width / 2, height),
                                 base + QPointF(-width / 2, height)};
    hatch(d, outline, 3, 45);
    d.polygon(outline);
}

void iSection(const Drafter& d, QPointF c, double depth, double width) {
    const double tf = std::max(depth * 0.08, 1.0 / d.px(1)), tw = tf * 0.7;
    const double h = depth / 2, b = width / 2;
    d.fillPolygon({c + QPointF(-b, -h), c + QPointF(b, -h), c + QPointF(b, -h + tf),
                   c + QPointF(tw / 2, -h + tf), c + QPointF(tw / 2, h - tf),
                   c + QPointF(b, h - tf), c + QPointF(b, h), c + QPointF(-b, h),
                   c + QPointF(-b, h - tf), c + QPointF(-tw / 2, h - tf),
                   c + QPointF(-tw / 2, -h + tf), c + QPointF(-b, -h + tf)},
                  Qt::black);
}

void channelSection(const Drafter& d, QPointF c, double depth, double width, bool openLeft) {
    const double s = openLeft ? -1 : 1;
    const double t = std::max(depth * 0.08, 1.0 / d.px(1));
    const double h = depth / 2;
    const double back = c.x() - s * width / 2;
    const auto p = [&](double x, double y) { return QPointF(back + s * x, c.y() + y); };
    d.fillPolygon({p(0, -h), p(width, -h), p(width, -h + t), p(t, -h + t), p(t, h - t),
                   p(width, h - t), p(width, h), p(0, h)},
                  Qt::black);
}

void angleSection(const Drafter& d, QPointF corner, double leg, double xSign, double ySign) {
    const double t = std::max(leg * 0.12, 1.0 / d.px(1));
    const auto p = [&](double x, double y) { return corner + QPointF(xSign * x, ySign * y); };
    d.fillPolygon({p(0, 0), p(leg, 0), p(leg, t), p(t, t), p(t, leg), p(0, leg)}, Qt::black);
}

void chainLink(const Drafter& d, QPointF a, QPointF b, double halfWidth, Stroke stroke) {
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    const QPointF u = along / length, n(-u.y(), u.x());
    // Half-circle ends round each pin.
    QPainterPath path(a + n * halfWidth);
    path.lineTo(b + n * halfWidth);
    const double angle = qRadiansToDegrees(std::atan2(n.y(), n.x()));
    arcTo(path, b, halfWidth, angle, -180);
    path.lineTo(a - n * halfWidth);
    arcTo(path, a, halfWidth, angle + 180, -180);
    path.closeSubpath();
    d.fill(path, Qt::white);
    d.curve(path, stroke);
}

void personFigure(const Drafter& d, QPointF feet, double height) {
    // Right half of the outline from the neck down, in units of the figure's height.
    const QList<QPointF> half{
        {0.035, 0.855}, {0.12, 0.818}, {0.142, 0.76},  {0.152, 0.62}, {0.148, 0.47}, {0.132, 0.42},
        {0.108, 0.43},  {0.112, 0.55}, {0.098, 0.715}, {0.092, 0.6},  {0.096, 0.5},  {0.088, 0.3},
        {0.078, 0.045}, {0.098, 0.0},  {0.02, 0.0},    {0.022, 0.1},  {0.014, 0.3},  {0.0, 0.462}};
    QList<QPointF> outline;
    for (const QPointF& p : half) {
        outline.append(feet + p * height);
    }
    for (qsizetype i = half.size() - 2; i >= 0; --i) {
        outline.append(feet + QPointF(-half[i].x(), half[i].y()) * height);
    }
    d.blank(outline);
    d.polygon(outline);
    const QPointF head = feet + QPointF(0, 0.925) * height;
    d.circle(head, 0.058 * height);
    // Safety helmet with its brim.
    d.arc(head + QPointF(0, 0.01 * height), 0.064 * height, 0, 180);
    d.line(head + QPointF(-0.085 * height, 0.01 * height),
           head + QPointF(0.085 * height, 0.01 * height));
}

} // namespace assetgen::sheets
