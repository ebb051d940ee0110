// The perspective camera shared by the renderer and by drawers that place 2D marks on a
// rendered picture.
#pragma once

#include "Vec3.h"

namespace assetgen::resume {

struct Camera {
    Vec3 eye;
    Vec3 target;
    Vec3 up{0, 1, 0};
    double verticalFovDegrees = 50;
};

// A camera fitted to a picture of a given size.
class View {
public:
    View(const Camera& camera, int width, int height);

    Vec3 toCamera(const Vec3& world) const;
    // Picture x, y (pixels, y down) and depth along the view axis.
    Vec3 project(const Vec3& world) const;
    Vec3 rayDirection(double x, double y) const;
    const Vec3& eye() const { return eye_; }
    double focalLength() const { return focal_; }
    double centreX() const { return centreX_; }
    double centreY() const { return centreY_; }

private:
    Vec3 eye_, right_, up_, forward_;
    double centreX_, centreY_, focal_;
};

} // namespace assetgen::resume
