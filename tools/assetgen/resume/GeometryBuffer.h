// The visible surface under every (supersampled) pixel: depth, position, normal, material and
// part, found with a depth buffer. Shading then runs once per pixel on this.
#pragma once

#include "Mesh.h"
#include "View.h"

#include <vector>

namespace assetgen::resume {

struct Fragment {
    float depth; // along the view axis; infinite where nothing was hit
    float position[3];
    float normal[3]; // facing the camera
    int material;
    int part;

    bool empty() const { return material < 0; }
    Vec3 worldPosition() const { return {position[0], position[1], position[2]}; }
    Vec3 surfaceNormal() const { return {normal[0], normal[1], normal[2]}; }
};

class GeometryBuffer {
public:
    GeometryBuffer(const Mesh& mesh, const View& view, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const Fragment& at(int x, int y) const { return fragments_[std::size_t(y) * width_ + x]; }

private:
    struct ClipVertex {
        Vec3 camera, world, normal;
    };

    void draw(const Triangle& triangle);
    void rasterise(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c, bool flip,
                   int material, int part);

    const View& view_;
    int width_, height_;
    std::vector<Fragment> fragments_;
};

} // namespace assetgen::resume
