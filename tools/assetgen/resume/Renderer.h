// A small software renderer for the photographic illustrations and the CAD rendering:
// perspective camera, depth buffer, hemisphere ambient with screen-space occlusion, a sun with
// soft shadow-mapped shadows, point lights, fog, and optional CAD-style outlines. Renders
// supersampled and returns the anti-aliased picture in linear light.
#pragma once

#include "FloatImage.h"
#include "Mesh.h"
#include "View.h"

#include <functional>
#include <vector>

namespace assetgen::resume {

struct SurfacePoint {
    Vec3 position;
    Vec3 normal;
};

// Albedo (linear RGB) varying over a surface.
using Pattern = std::function<Vec3(const SurfacePoint&)>;

struct Material {
    Vec3 albedo{0.5, 0.5, 0.5};
    Pattern pattern; // replaces albedo when set
    double specular = 0;
    double shininess = 30;
    Vec3 emission{};
    Pattern emissionPattern; // replaces emission when set: screens, windows
    bool castsShadow = true;
    bool outlined = true; // CAD outlines trace this material's edges
};

struct PointLight {
    Vec3 position;
    Vec3 intensity; // light arriving at one unit of distance
};

struct Lighting {
    Vec3 towardSun{0, 1, 0};
    Vec3 sunColour{};
    Vec3 skyAmbient{0.3, 0.3, 0.3};    // ambient from above
    Vec3 groundAmbient{0.1, 0.1, 0.1}; // ambient from below
    std::vector<PointLight> pointLights;
    bool shadows = true;
    int shadowMapSize = 2048;
    int shadowSoftness = 2; // filter radius in shadow-map texels
    Vec3 fogColour{};
    double fogDensity = 0; // per unit of distance
};

struct AmbientOcclusion {
    double radius = 0; // world units; 0 turns it off
    double strength = 0.8;
};

struct Outlines {
    bool enabled = false;
    Vec3 colour{};
    double creaseDegrees = 35;
};

struct RenderOptions {
    int width = 0;
    int height = 0;
    int supersample = 3;
    Camera camera;
    Lighting lighting;
    AmbientOcclusion occlusion;
    Outlines outlines;
    // Colour seen where no surface is hit, by view direction.
    std::function<Vec3(const Vec3& direction)> background;
};

FloatImage render(const Mesh& mesh, const std::vector<Material>& materials,
                  const RenderOptions& options);

} // namespace assetgen::resume
