// Solids for the 3D scenes: boxes, rolled sections, cylinders, cones, ellipsoids and tori.
// Every builder starts a new part of the mesh.
#pragma once

#include "Mesh.h"

#include <vector>

namespace assetgen::resume {

// A box from its centre and three perpendicular half-edge vectors.
void addBox(Mesh& mesh, const Vec3& centre, const Vec3& halfU, const Vec3& halfV, const Vec3& halfW,
            int material);
void addAxisBox(Mesh& mesh, const Vec3& low, const Vec3& high, int material);

// A straight member from `a` to `b`; its cross-section is `width` across and `height` along
// `up` (made perpendicular to the member).
void addBar(Mesh& mesh, const Vec3& a, const Vec3& b, double width, double height, const Vec3& up,
            int material);

struct IProfile {
    double depth;
    double flangeWidth;
    double flangeThickness;
    double webThickness;
};

// A rolled I or H section from `a` to `b`, its web in the plane of the member and `up`.
void addIBeam(Mesh& mesh, const Vec3& a, const Vec3& b, const IProfile& profile, const Vec3& up,
              int material);

// An equal-leg angle from `a` to `b`, legs pointing along `legU` and `legV`.
void addAngle(Mesh& mesh, const Vec3& a, const Vec3& b, double leg, double thickness,
              const Vec3& legU, const Vec3& legV, int material);

enum class Caps { None, Both };
enum class Shading { Smooth, Faceted };

// A truncated cone from `a` (radius ra) to `b` (radius rb); equal radii give a cylinder.
void addFrustum(Mesh& mesh, const Vec3& a, const Vec3& b, double ra, double rb, int segments,
                int material, Caps caps = Caps::Both, Shading shading = Shading::Smooth);
void addCylinder(Mesh& mesh, const Vec3& a, const Vec3& b, double radius, int segments,
                 int material, Caps caps = Caps::Both, Shading shading = Shading::Smooth);

// An ellipsoid with perpendicular semi-axis vectors.
void addEllipsoid(Mesh& mesh, const Vec3& centre, const Vec3& axisU, const Vec3& axisV,
                  const Vec3& axisW, int slices, int stacks, int material);
void addSphere(Mesh& mesh, const Vec3& centre, double radius, int slices, int stacks, int material);

// Part of a torus around `centre` in the plane of the unit vectors `u` and `v`, from angle
// `from` to `to` (radians, measured from `u` toward `v`): pipe bends and handwheel rims.
void addTorusArc(Mesh& mesh, const Vec3& centre, const Vec3& u, const Vec3& v, double bendRadius,
                 double tubeRadius, double from, double to, int segments, int tubeSegments,
                 int material);

// A prism whose end faces are the outline (points as (u, v) pairs around `origin`, star-shaped
// about it), extruded by `depth` along the unit vector cross(u, v).
void addStarPrism(Mesh& mesh, const Vec3& origin, const Vec3& u, const Vec3& v,
                  const std::vector<std::pair<double, double>>& outline, double depth,
                  int material);

} // namespace assetgen::resume
