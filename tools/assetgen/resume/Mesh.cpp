#include "Mesh.h"

namespace assetgen::resume {

void Mesh::triangle(const Vertex& a, const Vertex& b, const Vertex& c, int material) {
    triangles_.push_back(Triangle{{a, b, c}, material, part_});
}

void Mesh::quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, const Vec3& normal,
                int material) {
    triangle({a, normal}, {b, normal}, {c, normal}, material);
    triangle({a, normal}, {c, normal}, {d, normal}, material);
}

} // namespace assetgen::resume
