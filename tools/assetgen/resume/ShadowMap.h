// Depth of the scene as seen from the sun (a parallel projection), for soft shadows.
#pragma once

#include "Mesh.h"

#include <vector>

namespace assetgen::resume {

class ShadowMap {
public:
    // Only triangles for which `casts(material)` is true throw shadows.
    template <typename CastsShadow>
    ShadowMap(const Mesh& mesh, const Vec3& towardSun, int size, CastsShadow casts) : size_(size) {
        std::vector<const Triangle*> casters;
        for (const Triangle& t : mesh.triangles()) {
            if (casts(t.material)) {
                casters.push_back(&t);
            }
        }
        build(casters, towardSun);
    }

    // Fraction of the sun's light reaching the surface point, filtered over a square of
    // (2 radius + 1) texels.
    double light(const Vec3& position, const Vec3& normal, int radius) const;

private:
    void build(const std::vector<const Triangle*>& casters, const Vec3& towardSun);
    void rasterise(const Vec3 (&corners)[3]);
    Vec3 toMap(const Vec3& world) const;

    int size_;
    Vec3 u_, v_, towardSun_;
    double minU_ = 0, minV_ = 0, scale_ = 1;
    std::vector<float> height_; // along towardSun; larger is nearer the sun
};

} // namespace assetgen::resume
