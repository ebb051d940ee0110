#include "View.h"

#include <numbers>

namespace assetgen::resume {

View::View(const Camera& camera, int width, int height)
    : eye_(camera.eye), centreX_(width / 2.0), centreY_(height / 2.0) {
    forward_ = normalized(camera.target - camera.eye);
    // World x runs to the right when looking along +z with y up, as on a drawing board.
    right_ = normalized(cross(camera.up, forward_));
    up_ = cross(forward_, right_);
    focal_ = centreY_ / std::tan(camera.verticalFovDegrees * std::numbers::pi / 360);
}

Vec3 View::toCamera(const Vec3& world) const {
    const Vec3 d = world - eye_;
    return {dot(d, right_), dot(d, up_), dot(d, forward_)};
}

Vec3 View::project(const Vec3& world) const {
    const Vec3 c = toCamera(world);
    return {centreX_ + c.x / c.z * focal_, centreY_ - c.y / c.z * focal_, c.z};
}

Vec3 View::rayDirection(double x, double y) const {
    return normalized(forward_ * focal_ + right_ * (x - centreX_) - up_ * (y - centreY_));
}

} // namespace assetgen::resume
