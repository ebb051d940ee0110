#include "ShadedBend.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace assetgen::sheets {
namespace {

struct Vec {
    double x, y, z;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(Vec o) const { return x * o.x + y * o.y + z * o.z; }
};

Vec normalised(Vec v) {
    return v * (1 / std::sqrt(v.dot(v)));
}

constexpr int kAround = 48;

// One painted face of the model, its edges to ink, and where it sits in depth.
struct Face {
    std::vector<Vec> corners; // in view space
    Vec normal;               // in view space
    std::vector<std::pair<Vec, Vec>> inked;
    bool inside = false;
};

class Projector {
public:
    explicit Projector(ViewAngles view)
        : cy_(std::cos(qDegreesToRadians(view.yawDeg))),
          sy_(std::sin(qDegreesToRadians(view.yawDeg))),
          cp_(std::cos(qDegreesToRadians(view.pitchDeg))),
          sp_(std::sin(qDegreesToRadians(view.pitchDeg))) {}

    // Model: the bend lies in the x-y plane with y up; view: x right, y up, z to the viewer.
    Vec toView(Vec m) const {
        const Vec yawed{cy_ * m.x + sy_ * m.z, m.y, -sy_ * m.x + cy_ * m.z};
        return {yawed.x, cp_ * yawed.y - sp_ * yawed.z, sp_ * yawed.y + cp_ * yawed.z};
    }

private:
    double cy_, sy_, cp_, sp_;
};

// A straight run of tube: its axis point and direction, the end planes given by their normals
// through a point, sampled round the circumference.
struct Ring {
    std::vector<Vec> points;
};

Vec radialAt(double phi) {
    return {std::cos(phi), std::sin(phi), 0};
}
Vec tangentAt(double phi) {
    return {-std::sin(phi), std::cos(phi), 0};
}

// Points of the tube around `axisPoint` along `axis`, cut by the plane through `planePoint`
// with normal `planeNormal`.
Ring cut(Vec axisPoint, Vec axis, Vec outward, double radius, Vec planePoint, Vec planeNormal) {
    Ring ring;
    const Vec up{0, 0, 1};
    for (int i = 0; i < kAround; ++i) {
        const double t = 2 * std::numbers::pi * i / kAround;
        const Vec p = axisPoint + (up * std::cos(t) + outward * std::sin(t)) * radius;
        const double s = (planePoint - p).dot(planeNormal) / axis.dot(planeNormal);
        ring.points.push_back(p + axis * s);
    }
    return ring;
}

void band(std::vector<Face>& faces, const Projector& view, const Ring& a, const Ring& b,
          Vec outward, bool inkA, bool inkB) {
    const Vec up{0, 0, 1};
    const Vec toViewer{0, 0, 1};
    std::vector<Vec> normals;
    std::vector<bool> front;
    for (int i = 0; i < kAround; ++i) {
        const double t = 2 * std::numbers::pi * (i + 0.5) / kAround;
        const Vec n = view.toView(up * std::cos(t) + outward * std::sin(t));
        normals.push_back(n);
        front.push_back(n.dot(toViewer) > 0);
    }
    for (int i = 0; i < kAround; ++i) {
        const int j = (i + 1) % kAround;
        Face f;
        f.corners = {view.toView(a.points[i]), view.toView(a.points[j]), view.toView(b.points[j]),
                     view.toView(b.points[i])};
        f.normal = normals[i];
        f.inside = !front[i];
        if (front[i]) {
            if (inkA) {
                f.inked.emplace_back(f.corners[0], f.corners[1]);
            }
            if (inkB) {
                f.inked.emplace_back(f.corners[3], f.corners[2]);
            }
            // Silhouette where the neighbouring face turns away.
            if (!front[j]) {
                f.inked.emplace_back(f.corners[1], f.corners[2]);
            }
            if (!front[(i + kAround - 1) % kAround]) {
                f.inked.emplace_back(f.corners[0], f.corners[3]);
            }
        }
        faces.push_back(std::move(f));
    }
}

void flange(std::vector<Face>& faces, const Projector& view, Vec centre, Vec axis, Vec outward,
            double inner, double outer) {
    const Vec up{0, 0, 1};
    const Vec n = view.toView(axis);
    for (int i = 0; i < kAround; ++i) {
        const double t0 = 2 * std::numbers::pi * i / kAround,
                     t1 = 2 * std::numbers::pi * (i + 1) / kAround;
        const Vec d0 = up * std::cos(t0) + outward * std::sin(t0);
        const Vec d1 = up * std::cos(t1) + outward * std::sin(t1);
        Face f;
        f.corners = {view.toView(centre + d0 * inner), view.toView(centre + d1 * inner),
                     view.toView(centre + d1 * outer), view.toView(centre + d0 * outer)};
        f.normal = n.z >= 0 ? n : n * -1;
        f.inked = {{f.corners[3], f.corners[2]}, {f.corners[0], f.corners[1]}};
        faces.push_back(std::move(f));
    }
}

QColor shade(const Face& f) {
    if (f.inside) {
        return QColor(70, 70, 70);
    }
    const Vec light = normalised({-0.45, 0.6, 0.66});
    const Vec n = normalised(f.normal);
    const double diffuse = std::max(0.0, n.dot(light));
    const Vec reflected = n * (2 * n.dot(light)) - light;
    const double highlight = std::pow(std::max(0.0, reflected.z), 14);
    const int grey = std::clamp(static_cast<int>(70 + 150 * diffuse + 45 * highlight), 0, 250);
    return QColor(grey, grey, grey);
}

} // namespace

void drawShadedBend(QPainter& painter, QPointF centre, double pxPerUnit, const BendModel& bend,
                    ViewAngles viewAngles) {
    const Projector view(viewAngles);
    const double total = qDegreesToRadians(bend.angleDeg);
    const double step = total / (bend.gores + 1);
    const double r = bend.tubeRadius, R = bend.bendRadius;
    std::vector<Face> faces;

    // Gores: each is straight along the tangent at its middle; half gores end the bend.
    struct Segment {
        double from, to, axisAt;
    };
    std::vector<Segment> segments{{0, step / 2, 0}};
    for (int k = 1; k <= bend.gores; ++k) {
        segments.push_back({(k - 0.5) * step, (k + 0.5) * step, k * step});
    }
    segments.push_back({total - step / 2, total, total});
    const Vec origin{0, 0, 0};
    for (const Segment& s : segments) {
        const Vec axisPoint = radialAt(s.axisAt) * R;
        const Vec axis = tangentAt(s.axisAt);
        const Vec outward = radialAt(s.axisAt);
        const Ring a = cut(axisPoint, axis, outward, r, origin, tangentAt(s.from));
        const Ring b = cut(axisPoint, axis, outward, r, origin, tangentAt(s.to));
        band(faces, view, a, b, outward, true, true);
    }
    // Straight flanged stubs on both ends.
    for (double at : {0.0, total}) {
        const Vec axisPoint = radialAt(at) * R;
        const Vec along = tangentAt(at) * (at == 0 ? -1.0 : 1.0);
        const Vec outward = radialAt(at);
        const Vec end = axisPoint + along * bend.stubLength;
        const Ring a = cut(axisPoint, along, outward, r, axisPoint, along);
        const Ring b = cut(end, along, outward, r, end, along);
        band(faces, view, a, b, outward, false, true);
        flange(faces, view, end, along, outward, r, r * 1.16);
    }

    // Painter's order: farthest faces first.
    std::sort(faces.begin(), faces.end(), [](const Face& a, const Face& b) {
        const auto depth = [](const Face& f) {
            double z = 0;
            for (const Vec& c : f.corners) {
                z += c.z;
            }
            return z / static_cast<double>(f.corners.size());
        };
        return depth(a) < depth(b);
    });
    QRectF bounds;
    for (const Face& f : faces) {
        for (const Vec& c : f.corners) {
            bounds |= QRectF(c.x, -c.y, 0, 0);
        }
    }
    const QPointF offset = centre - bounds.center() * pxPerUnit;
    const auto toSheet = [&](Vec v) { return offset + QPointF(v.x, -v.y) * pxPerUnit; };
    painter.save();
    for (const Face& f : faces) {
        QPolygonF polygon;
        for (const Vec& c : f.corners) {
            polygon << toSheet(c);
        }
        const QColor colour = shade(f);
        painter.setPen(QPen(colour, 0.7));
        painter.setBrush(colour);
        painter.drawPolygon(polygon);
        painter.setPen(QPen(QColor(25, 25, 25), 0.8, Qt::SolidLine, Qt::RoundCap));
        for (const auto& [a, b] : f.inked) {
            painter.drawLine(toSheet(a), toSheet(b));
        }
    }
    painter.restore();
}

} // namespace assetgen::sheets
