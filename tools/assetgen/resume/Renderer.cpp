#include "Renderer.h"

#include "GeometryBuffer.h"
#include "Noise.h"
#include "ShadowMap.h"

#include <memory>
#include <numbers>

namespace assetgen::resume {
namespace {

constexpr int kOcclusionSamples = 12;

// Directions in the unit hemisphere around +z, denser near the centre so that nearby
// occluders count most.
std::vector<Vec3> occlusionKernel() {
    SplitMix64 random(0x5eed);
    std::vector<Vec3> kernel;
    while (static_cast<int>(kernel.size()) < kOcclusionSamples) {
        const Vec3 d{random.uniform(-1, 1), random.uniform(-1, 1), random.uniform(0.15, 1)};
        if (length(d) > 1) {
            continue;
        }
        const double scale = 0.25 + 0.75 * kernel.size() / double(kOcclusionSamples);
        kernel.push_back(normalized(d) * scale);
    }
    return kernel;
}

class Shader {
public:
    Shader(const GeometryBuffer& geometry, const View& view, const std::vector<Material>& materials,
           const RenderOptions& options, const ShadowMap* shadows)
        : geometry_(geometry), view_(view), materials_(materials), options_(options),
          shadows_(shadows), kernel_(occlusionKernel()) {}

    Vec3 shade(int x, int y) const {
        const Fragment& f = geometry_.at(x, y);
        if (f.empty()) {
            return options_.background ? options_.background(view_.rayDirection(x + 0.5, y + 0.5))
                                       : Vec3{};
        }
        const Material& material = materials_[static_cast<std::size_t>(f.material)];
        const Lighting& light = options_.lighting;
        const Vec3 p = f.worldPosition(), n = f.surfaceNormal();
        const Vec3 albedo = material.pattern ? material.pattern({p, n}) : material.albedo;
        const Vec3 toEye = normalized(view_.eye() - p);

        Vec3 diffuse =
            mix(light.groundAmbient, light.skyAmbient, 0.5 + 0.5 * n.y) * occlusion(x, y, f);
        Vec3 specular;
        const auto addLight = [&](const Vec3& toLight, const Vec3& colour) {
            const double lambert = dot(n, toLight);
            if (lambert <= 0) {
                return;
            }
            diffuse += colour * lambert;
            if (material.specular > 0) {
                const double h = std::max(0.0, dot(n, normalized(toLight + toEye)));
                specular += colour * (material.specular * std::pow(h, material.shininess));
            }
        };
        const Vec3 sun = normalized(light.towardSun);
        if (dot(n, sun) > 0) {
            const double lit = shadows_ ? shadows_->light(p, n, light.shadowSoftness) : 1.0;
            addLight(sun, light.sunColour * lit);
        }
        for (const PointLight& lamp : light.pointLights) {
            const Vec3 d = lamp.position - p;
            addLight(normalized(d), lamp.intensity / std::max(dot(d, d), 0.25));
        }
        const Vec3 emission =
            material.emissionPattern ? material.emissionPattern({p, n}) : material.emission;
        Vec3 colour = albedo * diffuse + specular + emission;
        if (light.fogDensity > 0) {
            const double haze = 1 - std::exp(-light.fogDensity * length(view_.eye() - p));
            colour = mix(colour, light.fogColour, haze);
        }
        return colour;
    }

private:
    // Screen-space ambient occlusion: the share of sample points around the surface that lie
    // behind other visible surfaces.
    double occlusion(int x, int y, const Fragment& f) const {
        const AmbientOcclusion& ao = options_.occlusion;
        if (ao.radius <= 0) {
            return 1;
        }
        const Vec3 p = f.worldPosition(), n = f.surfaceNormal();
        const double angle = 2 * std::numbers::pi * latticeHash(x, y, 77);
        const Vec3 t0 = perpendicular(n), b0 = cross(n, t0);
        const Vec3 t = t0 * std::cos(angle) + b0 * std::sin(angle);
        const Vec3 b = cross(n, t);
        int blocked = 0;
        for (const Vec3& k : kernel_) {
            const Vec3 sample = p + (t * k.x + b * k.y + n * k.z) * ao.radius;
            const Vec3 s = view_.project(sample);
            const int sx = static_cast<int>(std::floor(s.x)),
                      sy = static_cast<int>(std::floor(s.y));
            if (s.z <= 0 || sx < 0 || sy < 0 || sx >= geometry_.width() ||
                sy >= geometry_.height()) {
                continue;
            }
            const Fragment& g = geometry_.at(sx, sy);
            const double gap = s.z - g.depth;
            if (!g.empty() && gap > 0.02 * ao.radius && gap < 2 * ao.radius) {
                ++blocked;
            }
        }
        return 1 - ao.strength * blocked / double(kOcclusionSamples);
    }

    const GeometryBuffer& geometry_;
    const View& view_;
    const std::vector<Material>& materials_;
    const RenderOptions& options_;
    const ShadowMap* shadows_;
    std::vector<Vec3> kernel_;
};

// Whether the boundary between two neighbouring fragments is an edge to trace, and if so
// which of the two carries the line (the nearer one).
const Fragment* edgeOwner(const Fragment& a, const Fragment& b,
                          const std::vector<Material>& materials, double creaseCos) {
    const auto outlined = [&](const Fragment& f) {
        return !f.empty() && materials[static_cast<std::size_t>(f.material)].outlined;
    };
    if (!outlined(a) && !outlined(b)) {
        return nullptr;
    }
    const Fragment* nearer = a.depth <= b.depth ? &a : &b;
    if (a.empty() || b.empty() || a.part != b.part) {
        return nearer;
    }
    return dot(a.surfaceNormal(), b.surfaceNormal()) < creaseCos ? nearer : nullptr;
}

void traceOutlines(FloatImage& image, const GeometryBuffer& geometry,
                   const std::vector<Material>& materials, const Outlines& outlines) {
    const double creaseCos = std::cos(outlines.creaseDegrees * std::numbers::pi / 180);
    std::vector<char> marked(image.pixels.size(), 0);
    for (int y = 0; y < geometry.height(); ++y) {
        for (int x = 0; x < geometry.width(); ++x) {
            const Fragment& here = geometry.at(x, y);
            const int neighbours[2][2] = {{x + 1, y}, {x, y + 1}};
            for (const auto& [nx, ny] : neighbours) {
                if (nx >= geometry.width() || ny >= geometry.height()) {
                    continue;
                }
                const Fragment& there = geometry.at(nx, ny);
                const Fragment* owner = edgeOwner(here, there, materials, creaseCos);
                if (owner) {
                    marked[owner == &here ? std::size_t(y) * image.width + x
                                          : std::size_t(ny) * image.width + nx] = 1;
                }
            }
        }
    }
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i]) {
            image.pixels[i] = outlines.colour;
        }
    }
}

} // namespace

FloatImage render(const Mesh& mesh, const std::vector<Material>& materials,
                  const RenderOptions& options) {
    const int s = options.supersample;
    const int width = options.width * s, height = options.height * s;
    const View view(options.camera, width, height);
    const GeometryBuffer geometry(mesh, view, width, height);

    std::unique_ptr<ShadowMap> shadows;
    if (options.lighting.shadows) {
        shadows = std::make_unique<ShadowMap>(
            mesh, options.lighting.towardSun, options.lighting.shadowMapSize, [&](int material) {
                return materials[static_cast<std::size_t>(material)].castsShadow;
            });
    }
    const Shader shader(geometry, view, materials, options, shadows.get());
    FloatImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = shader.shade(x, y);
        }
    }
    if (options.outlines.enabled) {
        traceOutlines(image, geometry, materials, options.outlines);
    }
    return downsample(image, s);
}

} // namespace assetgen::resume
