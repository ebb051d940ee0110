#include "GeometryBuffer.h"

#include <algorithm>
#include <limits>

namespace assetgen::resume {
namespace {

constexpr double kNear = 0.05;

} // namespace

GeometryBuffer::GeometryBuffer(const Mesh& mesh, const View& view, int width, int height)
    : view_(view), width_(width), height_(height),
      fragments_(std::size_t(width) * height,
                 Fragment{std::numeric_limits<float>::infinity(), {}, {}, -1, -1}) {
    for (const Triangle& triangle : mesh.triangles()) {
        draw(triangle);
    }
}

void GeometryBuffer::draw(const Triangle& t) {
    const Vec3 p0 = t.v[0].position, p1 = t.v[1].position, p2 = t.v[2].position;
    Vec3 geometric = cross(p1 - p0, p2 - p0);
    if (dot(geometric, t.v[0].normal + t.v[1].normal + t.v[2].normal) < 0) {
        geometric = -geometric;
    }
    // Seen from behind (the inside of an open shape), the surface shades with its normal
    // turned toward the camera.
    const bool flip = dot(geometric, view_.eye() - p0) < 0;

    std::vector<ClipVertex> polygon;
    for (const Vertex& v : t.v) {
        polygon.push_back({view_.toCamera(v.position), v.position, v.normal});
    }
    std::vector<ClipVertex> clipped;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ClipVertex& a = polygon[i];
        const ClipVertex& b = polygon[(i + 1) % polygon.size()];
        const bool aIn = a.camera.z >= kNear, bIn = b.camera.z >= kNear;
        if (aIn) {
            clipped.push_back(a);
        }
        if (aIn != bIn) {
            const double s = (kNear - a.camera.z) / (b.camera.z - a.camera.z);
            clipped.push_back(
                {mix(a.camera, b.camera, s), mix(a.world, b.world, s), mix(a.normal, b.normal, s)});
        }
    }
    for (std::size_t i = 1; i + 1 < clipped.size(); ++i) {
        rasterise(clipped[0], clipped[i], clipped[i + 1], flip, t.material, t.part);
    }
}

void GeometryBuffer::rasterise(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c,
                               bool flip, int material, int part) {
    const double f = view_.focalLength(), cx = view_.centreX(), cy = view_.centreY();
    const ClipVertex* v[3] = {&a, &b, &c};
    double sx[3], sy[3], inverseDepth[3];
    for (int i = 0; i < 3; ++i) {
        inverseDepth[i] = 1 / v[i]->camera.z;
        sx[i] = cx + v[i]->camera.x * inverseDepth[i] * f;
        sy[i] = cy - v[i]->camera.y * inverseDepth[i] * f;
    }
    const auto edge = [&](int i, int j, double x, double y) {
        return (sx[j] - sx[i]) * (y - sy[i]) - (sy[j] - sy[i]) * (x - sx[i]);
    };
    const double area = edge(0, 1, sx[2], sy[2]);
    if (std::abs(area) < 1e-9) {
        return;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({sx[0], sx[1], sx[2]}))));
    const int x1 =
        std::min(width_ - 1, static_cast<int>(std::ceil(std::max({sx[0], sx[1], sx[2]}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({sy[0], sy[1], sy[2]}))));
    const int y1 =
        std::min(height_ - 1, static_cast<int>(std::ceil(std::max({sy[0], sy[1], sy[2]}))));
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5;
            const double b0 = edge(1, 2, px, py) / area;
            const double b1 = edge(2, 0, px, py) / area;
            const double b2 = 1 - b0 - b1;
            if (b0 < 0 || b1 < 0 || b2 < 0) {
                continue;
            }
            const double inverse =
                b0 * inverseDepth[0] + b1 * inverseDepth[1] + b2 * inverseDepth[2];
            const double depth = 1 / inverse;
            Fragment& out = fragments_[std::size_t(y) * width_ + x];
            if (depth >= out.depth) {
                continue;
            }
            // Perspective-correct weights.
            const double w0 = b0 * inverseDepth[0] * depth, w1 = b1 * inverseDepth[1] * depth,
                         w2 = 1 - w0 - w1;
            const Vec3 world = a.world * w0 + b.world * w1 + c.world * w2;
            Vec3 normal = normalized(a.normal * w0 + b.normal * w1 + c.normal * w2);
            if (flip) {
                normal = -normal;
            }
            out = Fragment{static_cast<float>(depth),
                           {static_cast<float>(world.x), static_cast<float>(world.y),
                            static_cast<float>(world.z)},
                           {static_cast<float>(normal.x), static_cast<float>(normal.y),
                            static_cast<float>(normal.z)},
                           material,
                           part};
        }
    }
}

} // namespace assetgen::resume
