#include "Piping.h"

#include "Shapes.h"

#include <numbers>

namespace assetgen::resume {
namespace {

constexpr double kTau = 2 * std::numbers::pi;
constexpr double kGasket = 0.004; // half the gap between mating flange faces

double flangeThickness(double pipeRadius) {
    return 0.028 + pipeRadius * 0.12;
}

void addFlange(Mesh& mesh, const Vec3& face, const Vec3& outward, double pipeRadius, int material) {
    const double rim = pipeRadius * 2.0 + 0.03, thickness = flangeThickness(pipeRadius);
    addCylinder(mesh, face, face + outward * thickness, rim, 28, material);
    // The hub tapers into the pipe where the girth weld joins them.
    addFrustum(mesh, face + outward * thickness, face + outward * (thickness + pipeRadius * 0.9),
               pipeRadius * 1.35, pipeRadius * 1.02, 24, material, Caps::None);
}

// Studs through both flanges of a joint, a nut on each side.
void addBolting(Mesh& mesh, const Vec3& centre, const Vec3& a, double pipeRadius, int material) {
    const double thickness = flangeThickness(pipeRadius) + kGasket;
    const double boltCircle = pipeRadius * 1.65 + 0.018;
    const Vec3 u = perpendicular(a), v = cross(a, u);
    const int bolts = pipeRadius > 0.12 ? 12 : 8;
    for (int i = 0; i < bolts; ++i) {
        const double angle = kTau * (i + 0.5) / bolts;
        const Vec3 at = centre + (u * std::cos(angle) + v * std::sin(angle)) * boltCircle;
        const double reach = thickness + 0.02;
        addCylinder(mesh, at - a * reach, at + a * reach, 0.008 + pipeRadius * 0.03, 6, material,
                    Caps::Both, Shading::Faceted);
        for (double side : {-1.0, 1.0}) {
            addCylinder(mesh, at + a * (side * thickness), at + a * (side * (thickness + 0.014)),
                        0.014 + pipeRadius * 0.045, 6, material, Caps::Both, Shading::Faceted);
        }
    }
}

} // namespace

void addPipeRun(Mesh& mesh, const std::vector<Vec3>& points, double radius, double bendRadius,
                int material) {
    Vec3 start = points.front();
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const Vec3 corner = points[i];
        const Vec3 in = normalized(corner - points[i - 1]);
        const Vec3 out = normalized(points[i + 1] - corner);
        const double deflection = std::acos(std::clamp(dot(in, out), -1.0, 1.0));
        if (deflection < 1e-6) {
            continue;
        }
        const double trim = bendRadius * std::tan(deflection / 2);
        const Vec3 bendStart = corner - in * trim;
        addCylinder(mesh, start, bendStart, radius, 24, material, Caps::None);
        const Vec3 toCentre = normalized(out - in * dot(in, out));
        addTorusArc(mesh, bendStart + toCentre * bendRadius, -toCentre, in, bendRadius, radius, 0,
                    deflection, 12, 24, material);
        start = corner + out * trim;
    }
    addCylinder(mesh, start, points.back(), radius, 24, material);
}

void addFlangePair(Mesh& mesh, const Vec3& centre, const Vec3& axis, double pipeRadius,
                   const FlangeMaterials& materials) {
    const Vec3 a = normalized(axis);
    addFlange(mesh, centre + a * kGasket, a, pipeRadius, materials.flange);
    addFlange(mesh, centre - a * kGasket, -a, pipeRadius, materials.flange);
    addBolting(mesh, centre, a, pipeRadius, materials.bolts);
}

void addGateValve(Mesh& mesh, const Vec3& centre, const Vec3& axis, const Vec3& stemUp,
                  double pipeRadius, const ValveMaterials& m) {
    const Vec3 a = normalized(axis);
    const Vec3 up = normalized(stemUp - a * dot(stemUp, a));
    const double d = pipeRadius * 2;
    const double rim = pipeRadius * 2.0 + 0.03, thickness = flangeThickness(pipeRadius);
    // Body with its end flanges, bolted to the pipe's flanges.
    for (double side : {-1.0, 1.0}) {
        const Vec3 out = a * side;
        const Vec3 joint = centre + out * (d * 1.2 + kGasket);
        const Vec3 face = joint - out * kGasket;
        addCylinder(mesh, face, face - out * thickness, rim, 28, m.body);
        addFrustum(mesh, face - out * thickness, centre + out * (d * 0.45), pipeRadius * 1.25,
                   pipeRadius * 1.6, 24, m.body, Caps::None);
        addFlange(mesh, joint + out * kGasket, out, pipeRadius, m.flanges.flange);
        addBolting(mesh, joint, a, pipeRadius, m.flanges.bolts);
    }
    addSphere(mesh, centre, pipeRadius * 1.75, 24, 14, m.body);
    addCylinder(mesh, centre, centre + up * (d * 1.3), pipeRadius * 1.2, 24, m.body);
    // Bonnet flange, yoke, stem and handwheel.
    const Vec3 bonnet = centre + up * (d * 1.3);
    addCylinder(mesh, bonnet, bonnet + up * 0.03, pipeRadius * 1.6, 24, m.body);
    const Vec3 side = normalized(cross(up, a));
    const double yokeHeight = d * 1.6;
    for (double s : {-1.0, 1.0}) {
        addBar(mesh, bonnet + side * (s * pipeRadius * 0.9),
               bonnet + up * yokeHeight + side * (s * pipeRadius * 0.45), 0.035, 0.03, a, m.body);
    }
    const Vec3 yokeTop = bonnet + up * yokeHeight;
    addCylinder(mesh, yokeTop - up * 0.02, yokeTop + up * 0.04, pipeRadius * 0.7, 16, m.body);
    addCylinder(mesh, bonnet, yokeTop + up * (d * 0.9), 0.012 + pipeRadius * 0.06, 10, m.stem);
    const Vec3 hub = yokeTop + up * 0.08;
    const double wheel = pipeRadius * 2.6 + 0.08;
    addTorusArc(mesh, hub, side, a, wheel, 0.012 + pipeRadius * 0.05, 0, kTau, 40, 10, m.wheel);
    addCylinder(mesh, hub - up * 0.02, hub + up * 0.03, 0.03 + pipeRadius * 0.1, 14, m.wheel);
    for (int i = 0; i < 3; ++i) {
        const double angle = kTau * i / 3;
        const Vec3 spoke = side * std::cos(angle) + a * std::sin(angle);
        addCylinder(mesh, hub, hub + spoke * wheel, 0.01 + pipeRadius * 0.04, 8, m.wheel);
    }
}

} // namespace assetgen::resume
