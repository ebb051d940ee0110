// The materials of one scene, referred to by index from the mesh.
#pragma once

#include "Renderer.h"

#include <vector>

namespace assetgen::resume {

class MaterialList {
public:
    int add(Material material) {
        materials_.push_back(std::move(material));
        return static_cast<int>(materials_.size()) - 1;
    }
    int plain(const Vec3& albedo, double specular = 0, double shininess = 30) {
        Material m;
        m.albedo = albedo;
        m.specular = specular;
        m.shininess = shininess;
        return add(std::move(m));
    }
    int patterned(Pattern pattern, double specular = 0, double shininess = 30) {
        Material m;
        m.pattern = std::move(pattern);
        m.specular = specular;
        m.shininess = shininess;
        return add(std::move(m));
    }

    Material& operator[](int index) { return materials_[static_cast<std::size_t>(index)]; }
    const std::vector<Material>& all() const { return materials_; }

private:
    std::vector<Material> materials_;
};

} // namespace assetgen::resume
