// Triangle soup of a 3D scene, built from parts; each part gets its own number so that the
// renderer can outline where parts meet.
#pragma once

#include "Vec3.h"

#include <vector>

namespace assetgen::resume {

struct Vertex {
    Vec3 position;
    Vec3 normal;
};

struct Triangle {
    Vertex v[3];
    int material = 0;
    int part = 0;
};

class Mesh {
public:
    // Following triangles belong to a new part.
    void newPart() { ++part_; }

    void triangle(const Vertex& a, const Vertex& b, const Vertex& c, int material);
    // A flat quad, corners in order around its edge.
    void quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, const Vec3& normal,
              int material);

    const std::vector<Triangle>& triangles() const { return triangles_; }

private:
    std::vector<Triangle> triangles_;
    int part_ = 0;
};

} // namespace assetgen::resume
