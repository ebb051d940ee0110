// Small 3D vector used by the scene builders and the renderer; also serves as a linear RGB
// colour.
#pragma once

#include <algorithm>
#include <cmath>

namespace assetgen::resume {

struct Vec3 {
    double x = 0, y = 0, z = 0;

    constexpr Vec3() = default;
    constexpr Vec3(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    constexpr Vec3 operator/(double s) const { return {x / s, y / s, z / s}; }
    // Component-wise product, for colours.
    constexpr Vec3 operator*(const Vec3& o) const { return {x * o.x, y * o.y, z * o.z}; }
    Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
    Vec3& operator-=(const Vec3& o) { return *this = *this - o; }
    Vec3& operator*=(double s) { return *this = *this * s; }
};

constexpr Vec3 operator*(double s, const Vec3& v) {
    return v * s;
}
constexpr double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3& v) {
    return std::sqrt(dot(v, v));
}
inline Vec3 normalized(const Vec3& v) {
    const double len = length(v);
    return len > 0 ? v / len : Vec3{0, 1, 0};
}
constexpr Vec3 mix(const Vec3& a, const Vec3& b, double t) {
    return a + (b - a) * t;
}
constexpr double mix(double a, double b, double t) {
    return a + (b - a) * t;
}
inline double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Any unit vector perpendicular to `axis` (a unit vector).
inline Vec3 perpendicular(const Vec3& axis) {
    const Vec3 helper = std::abs(axis.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    return normalized(cross(helper, axis));
}

} // namespace assetgen::resume
