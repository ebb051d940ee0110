#include "Shapes.h"

#include <cmath>
#include <numbers>

namespace assetgen::resume {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

struct Axes {
    Vec3 u, v, w; // w along the member
};

Axes axesAlong(const Vec3& direction) {
    Axes axes;
    axes.w = normalized(direction);
    axes.u = perpendicular(axes.w);
    axes.v = cross(axes.w, axes.u);
    return axes;
}

void cap(Mesh& mesh, const Vec3& centre, const std::vector<Vec3>& ring, const Vec3& normal,
         int material) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
        mesh.triangle({centre, normal}, {ring[i], normal}, {ring[(i + 1) % ring.size()], normal},
                      material);
    }
}

} // namespace

void addBox(Mesh& mesh, const Vec3& centre, const Vec3& halfU, const Vec3& halfV, const Vec3& halfW,
            int material) {
    mesh.newPart();
    const auto face = [&](const Vec3& out, const Vec3& a, const Vec3& b) {
        const Vec3 f = centre + out;
        mesh.quad(f - a - b, f + a - b, f + a + b, f - a + b, normalized(out), material);
    };
    face(halfU, halfV, halfW);
    face(-halfU, halfV, halfW);
    face(halfV, halfW, halfU);
    face(-halfV, halfW, halfU);
    face(halfW, halfU, halfV);
    face(-halfW, halfU, halfV);
}

void addAxisBox(Mesh& mesh, const Vec3& low, const Vec3& high, int material) {
    const Vec3 half = (high - low) * 0.5;
    addBox(mesh, (low + high) * 0.5, {half.x, 0, 0}, {0, half.y, 0}, {0, 0, half.z}, material);
}

void addBar(Mesh& mesh, const Vec3& a, const Vec3& b, double width, double height, const Vec3& up,
            int material) {
    const Vec3 along = b - a;
    const Vec3 dir = normalized(along);
    Vec3 upright = up - dir * dot(up, dir);
    upright = length(upright) > 1e-9 ? normalized(upright) : perpendicular(dir);
    const Vec3 side = cross(dir, upright);
    addBox(mesh, (a + b) * 0.5, along * 0.5, side * (width / 2), upright * (height / 2), material);
}

void addIBeam(Mesh& mesh, const Vec3& a, const Vec3& b, const IProfile& profile, const Vec3& up,
              int material) {
    const Vec3 dir = normalized(b - a);
    const Vec3 upright = normalized(up - dir * dot(up, dir));
    const Vec3 offset = upright * (profile.depth / 2 - profile.flangeThickness / 2);
    addBar(mesh, a + offset, b + offset, profile.flangeWidth, profile.flangeThickness, upright,
           material);
    addBar(mesh, a - offset, b - offset, profile.flangeWidth, profile.flangeThickness, upright,
           material);
    addBar(mesh, a, b, profile.webThickness, profile.depth - 2 * profile.flangeThickness, upright,
           material);
}

void addAngle(Mesh& mesh, const Vec3& a, const Vec3& b, double leg, double thickness,
              const Vec3& legU, const Vec3& legV, int material) {
    const Vec3 first = legU * (leg / 2) + legV * (thickness / 2);
    addBar(mesh, a + first, b + first, leg, thickness, legV, material);
    const Vec3 second = legV * (leg / 2) + legU * (thickness / 2);
    addBar(mesh, a + second, b + second, leg, thickness, legU, material);
}

void addFrustum(Mesh& mesh, const Vec3& a, const Vec3& b, double ra, double rb, int segments,
                int material, Caps caps, Shading shading) {
    mesh.newPart();
    const Axes axes = axesAlong(b - a);
    const double len = length(b - a);
    const auto radial = [&](double angle) {
        return axes.u * std::cos(angle) + axes.v * std::sin(angle);
    };
    const auto sideNormal = [&](double angle) {
        return normalized(radial(angle) * len + axes.w * (ra - rb));
    };
    std::vector<Vec3> ringA, ringB;
    for (int i = 0; i < segments; ++i) {
        const double angle = kTau * i / segments;
        ringA.push_back(a + radial(angle) * ra);
        ringB.push_back(b + radial(angle) * rb);
    }
    for (int i = 0; i < segments; ++i) {
        const int j = (i + 1) % segments;
        const double ai = kTau * i / segments, aj = kTau * (i + 1) / segments;
        Vec3 ni = sideNormal(ai), nj = sideNormal(aj);
        if (shading == Shading::Faceted) {
            ni = nj = sideNormal((ai + aj) / 2);
        }
        mesh.triangle({ringA[i], ni}, {ringA[j], nj}, {ringB[j], nj}, material);
        mesh.triangle({ringA[i], ni}, {ringB[j], nj}, {ringB[i], ni}, material);
    }
    if (caps == Caps::Both) {
        if (ra > 0) {
            cap(mesh, a, ringA, -axes.w, material);
        }
        if (rb > 0) {
            cap(mesh, b, ringB, axes.w, material);
        }
    }
}

void addCylinder(Mesh& mesh, const Vec3& a, const Vec3& b, double radius, int segments,
                 int material, Caps caps, Shading shading) {
    addFrustum(mesh, a, b, radius, radius, segments, material, caps, shading);
}

void addEllipsoid(Mesh& mesh, const Vec3& centre, const Vec3& axisU, const Vec3& axisV,
                  const Vec3& axisW, int slices, int stacks, int material) {
    mesh.newPart();
    const double lu = length(axisU), lv = length(axisV), lw = length(axisW);
    const auto vertex = [&](int slice, int stack) {
        const double theta = kTau * slice / slices;
        const double phi = std::numbers::pi * (static_cast<double>(stack) / stacks - 0.5);
        const double x = std::cos(phi) * std::cos(theta), y = std::cos(phi) * std::sin(theta),
                     z = std::sin(phi);
        const Vec3 normal =
            normalized(axisU * (x / (lu * lu)) + axisV * (y / (lv * lv)) + axisW * (z / (lw * lw)));
        return Vertex{centre + axisU * x + axisV * y + axisW * z, normal};
    };
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            const Vertex a = vertex(slice, stack), b = vertex(slice + 1, stack),
                         c = vertex(slice + 1, stack + 1), d = vertex(slice, stack + 1);
            mesh.triangle(a, b, c, material);
            mesh.triangle(a, c, d, material);
        }
    }
}

void addSphere(Mesh& mesh, const Vec3& centre, double radius, int slices, int stacks,
               int material) {
    addEllipsoid(mesh, centre, {radius, 0, 0}, {0, 0, radius}, {0, radius, 0}, slices, stacks,
                 material);
}

void addTorusArc(Mesh& mesh, const Vec3& centre, const Vec3& u, const Vec3& v, double bendRadius,
                 double tubeRadius, double from, double to, int segments, int tubeSegments,
                 int material) {
    mesh.newPart();
    const Vec3 axis = normalized(cross(u, v));
    const auto vertex = [&](int segment, int around) {
        const double alpha = from + (to - from) * segment / segments;
        const double beta = kTau * around / tubeSegments;
        const Vec3 radial = u * std::cos(alpha) + v * std::sin(alpha);
        const Vec3 normal = radial * std::cos(beta) + axis * std::sin(beta);
        return Vertex{centre + radial * bendRadius + normal * tubeRadius, normal};
    };
    for (int s = 0; s < segments; ++s) {
        for (int t = 0; t < tubeSegments; ++t) {
            const Vertex a = vertex(s, t), b = vertex(s + 1, t), c = vertex(s + 1, t + 1),
                         d = vertex(s, t + 1);
            mesh.triangle(a, b, c, material);
            mesh.triangle(a, c, d, material);
        }
    }
}

void addStarPrism(Mesh& mesh, const Vec3& origin, const Vec3& u, const Vec3& v,
                  const std::vector<std::pair<double, double>>& outline, double depth,
                  int material) {
    mesh.newPart();
    const Vec3 w = normalized(cross(u, v));
    const std::size_t n = outline.size();
    std::vector<Vec3> front, back;
    for (const auto& [x, y] : outline) {
        front.push_back(origin + u * x + v * y);
        back.push_back(front.back() + w * depth);
    }
    // Outward normal of each edge; a vertex between two nearly parallel edges shares their
    // average so that curved walls shade smoothly.
    std::vector<Vec3> edgeNormal(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Vec3 edge = front[(i + 1) % n] - front[i];
        Vec3 normal = normalized(cross(edge, w));
        if (dot(normal, front[i] - origin) < 0) {
            normal = -normal;
        }
        edgeNormal[i] = normal;
    }
    constexpr double kSmoothCos = 0.85;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const Vec3 previous = edgeNormal[(i + n - 1) % n], next = edgeNormal[j];
        const Vec3 ni = dot(previous, edgeNormal[i]) > kSmoothCos
                            ? normalized(previous + edgeNormal[i])
                            : edgeNormal[i];
        const Vec3 nj = dot(next, edgeNormal[i]) > kSmoothCos ? normalized(next + edgeNormal[i])
                                                              : edgeNormal[i];
        mesh.triangle({front[i], ni}, {front[j], nj}, {back[j], nj}, material);
        mesh.triangle({front[i], ni}, {back[j], nj}, {back[i], ni}, material);
    }
    cap(mesh, origin, front, -w, material);
    cap(mesh, origin + w * depth, back, w, material);
}

} // namespace assetgen::resume
