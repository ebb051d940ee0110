#include "ShadowMap.h"

#include <algorithm>
#include <limits>

namespace assetgen::resume {

void ShadowMap::build(const std::vector<const Triangle*>& casters, const Vec3& towardSun) {
    towardSun_ = normalized(towardSun);
    u_ = perpendicular(towardSun_);
    v_ = cross(towardSun_, u_);
    height_.assign(std::size_t(size_) * size_, -std::numeric_limits<float>::infinity());
    if (casters.empty()) {
        return;
    }
    double maxU = -1e300, maxV = -1e300;
    minU_ = minV_ = 1e300;
    for (const Triangle* t : casters) {
        for (const Vertex& vertex : t->v) {
            const double pu = dot(vertex.position, u_), pv = dot(vertex.position, v_);
            minU_ = std::min(minU_, pu);
            minV_ = std::min(minV_, pv);
            maxU = std::max(maxU, pu);
            maxV = std::max(maxV, pv);
        }
    }
    const double margin = 0.01 * std::max(maxU - minU_, maxV - minV_) + 1e-6;
    minU_ -= margin;
    minV_ -= margin;
    scale_ = (size_ - 1) / (std::max(maxU - minU_, maxV - minV_) + margin);
    for (const Triangle* t : casters) {
        const Vec3 corners[3] = {toMap(t->v[0].position), toMap(t->v[1].position),
                                 toMap(t->v[2].position)};
        rasterise(corners);
    }
}

Vec3 ShadowMap::toMap(const Vec3& world) const {
    return {(dot(world, u_) - minU_) * scale_, (dot(world, v_) - minV_) * scale_,
            dot(world, towardSun_)};
}

void ShadowMap::rasterise(const Vec3 (&c)[3]) {
    const auto edge = [](const Vec3& a, const Vec3& b, double x, double y) {
        return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    };
    const double area = edge(c[0], c[1], c[2].x, c[2].y);
    if (std::abs(area) < 1e-12) {
        return;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({c[0].x, c[1].x, c[2].x}))));
    const int x1 =
        std::min(size_ - 1, static_cast<int>(std::ceil(std::max({c[0].x, c[1].x, c[2].x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({c[0].y, c[1].y, c[2].y}))));
    const int y1 =
        std::min(size_ - 1, static_cast<int>(std::ceil(std::max({c[0].y, c[1].y, c[2].y}))));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double b0 = edge(c[1], c[2], px, py) / area;
            const double b1 = edge(c[2], c[0], px, py) / area;
            const double b2 = 1 - b0 - b1;
            if (b0 < 0 || b1 < 0 || b2 < 0) {
                continue;
            }
            float& cell = height_[std::size_t(y) * size_ + x];
            cell = std::max(cell, static_cast<float>(b0 * c[0].z + b1 * c[1].z + b2 * c[2].z));
        }
    }
}

double ShadowMap::light(const Vec3& position, const Vec3& normal, int radius) const {
    const double texel = 1 / scale_;
    // Pushing the lookup off the surface keeps a surface from shadowing itself.
    const Vec3 p = toMap(position + normal * (2.5 * texel));
    const double bias = 1.5 * texel;
    const int cx = static_cast<int>(std::floor(p.x)), cy = static_cast<int>(std::floor(p.y));
    int lit = 0, total = 0;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int x = cx + dx, y = cy + dy;
            ++total;
            if (x < 0 || y < 0 || x >= size_ || y >= size_ ||
                height_[std::size_t(y) * size_ + x] <= p.z + bias) {
                ++lit;
            }
        }
    }
    return static_cast<double>(lit) / total;
}

} // namespace assetgen::resume
