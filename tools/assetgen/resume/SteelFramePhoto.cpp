// Slide 7: a steel frame under erection, photographed from the ground near one corner, looking
// up against a summer sky.
#include "MaterialList.h"
#include "Noise.h"
#include "PhotoFinish.h"
#include "Renderer.h"
#include "ResumePictures.h"
#include "Shapes.h"
#include "Sky.h"

namespace assetgen::resume {
namespace {

constexpr int kBaysX = 3, kBaysZ = 2, kStoreys = 4;
constexpr double kBay = 6.0;
constexpr double kLevels[kStoreys + 1] = {0.0, 4.5, 8.5, 12.5, 16.5};

constexpr IProfile kColumn{0.30, 0.30, 0.022, 0.013};
constexpr IProfile kGirder{0.45, 0.19, 0.016, 0.010};
constexpr IProfile kJoist{0.30, 0.15, 0.011, 0.007};

struct Palette {
    int steel, galvanised, concrete, timber, ground, hills, trees;
};

Palette addMaterials(MaterialList& materials) {
    Palette p{};
    // Red-oxide primer, slightly uneven as sprayed on site.
    p.steel = materials.patterned(
        [](const SurfacePoint& s) {
            const double n =
                fractalNoise(s.position.x * 3, s.position.y * 3, s.position.z * 3, 3, 11);
            return srgb(0x7a3222) * (0.85 + 0.3 * n);
        },
        0.08, 20);
    p.galvanised = materials.plain(srgb(0x7f817e), 0.2, 40);
    p.concrete = materials.patterned([](const SurfacePoint& s) {
        const double n = fractalNoise(s.position.x * 6, s.position.y * 6, s.position.z * 6, 3, 12);
        return srgb(0xa8a49a) * (0.85 + 0.3 * n);
    });
    p.ground = materials.patterned([](const SurfacePoint& s) {
        const double x = s.position.x, z = s.position.z;
        const double patches = fractalNoise(x * 0.08, z * 0.08, 4, 21);
        const double grit = fractalNoise(x * 2.5, z * 2.5, 3, 22);
        const double stones = latticeHash(int(std::floor(x * 12)), int(std::floor(z * 12)), 23);
        Vec3 dirt = mix(srgb(0x7a6a54), srgb(0xa39479), smoothstep(0.3, 0.7, patches));
        // Tyre ruts left by the delivery trucks.
        const double track = std::abs(z + 4.5 - 0.18 * x - 0.004 * x * x);
        const double rut = std::abs(track - 1.0);
        dirt = mix(dirt, srgb(0x6c604e), 0.6 * (1 - smoothstep(0.15, 0.4, rut)));
        return dirt * (0.8 + 0.4 * grit) * (stones > 0.93 ? 0.7 : 1.0);
    });
    materials[p.ground].castsShadow = false;
    p.timber = materials.plain(srgb(0x7d6446));
    p.hills = materials.plain(srgb(0x7a8068));
    materials[p.hills].castsShadow = false;
    p.trees = materials.patterned([](const SurfacePoint& s) {
        const double n =
            fractalNoise(s.position.x * 0.4, s.position.y * 0.4, s.position.z * 0.4, 3, 41);
        return srgb(0x3e5230) * (0.7 + 0.6 * n);
    });
    materials[p.trees].castsShadow = false;
    return p;
}

void addColumnsAndBases(Mesh& mesh, const Palette& p) {
    for (int i = 0; i <= kBaysX; ++i) {
        for (int k = 0; k <= kBaysZ; ++k) {
            const double x = i * kBay, z = k * kBay;
            addAxisBox(mesh, {x - 0.35, -0.2, z - 0.35}, {x + 0.35, 0.35, z + 0.35}, p.concrete);
            addAxisBox(mesh, {x - 0.25, 0.35, z - 0.25}, {x + 0.25, 0.38, z + 0.25}, p.steel);
            addIBeam(mesh, {x, 0.38, z}, {x, kLevels[kStoreys] + 0.2, z}, kColumn, {1, 0, 0},
                     p.steel);
        }
    }
}

void addFloorBeams(Mesh& mesh, const Palette& p) {
    const double w = kColumn.depth / 2;
    for (int level = 1; level <= kStoreys; ++level) {
        const double y = kLevels[level] - kGirder.depth / 2;
        for (int k = 0; k <= kBaysZ; ++k) {
            for (int i = 0; i < kBaysX; ++i) {
                addIBeam(mesh, {i * kBay + w, y, k * kBay}, {(i + 1) * kBay - w, y, k * kBay},
                         kGirder, {0, 1, 0}, p.steel);
            }
        }
        for (int i = 0; i <= kBaysX; ++i) {
            for (int k = 0; k < kBaysZ; ++k) {
                addIBeam(mesh, {i * kBay, y, k * kBay + w}, {i * kBay, y, (k + 1) * kBay - w},
                         kGirder, {0, 1, 0}, p.steel);
            }
        }
        // Secondary joists at third points of each bay carry the floor deck.
        const double yj = kLevels[level] - kJoist.depth / 2;
        for (int i = 0; i < kBaysX; ++i) {
            for (int j = 1; j < 3; ++j) {
                const double x = i * kBay + j * kBay / 3;
                for (int k = 0; k < kBaysZ; ++k) {
                    addIBeam(mesh, {x, yj, k * kBay + 0.1}, {x, yj, (k + 1) * kBay - 0.1}, kJoist,
                             {0, 1, 0}, p.steel);
                }
            }
        }
    }
}

// Cross bracing of paired angles in the end bays of the long faces and the middle of the
// gable ends.
void addBracing(Mesh& mesh, const Palette& p) {
    const auto brace = [&](Vec3 a, Vec3 b, Vec3 faceNormal) {
        const Vec3 along = normalized(b - a);
        const Vec3 inPlane = normalized(cross(faceNormal, along));
        addAngle(mesh, a, b, 0.1, 0.012, inPlane, faceNormal, p.galvanised);
    };
    for (int storey = 0; storey < kStoreys; ++storey) {
        const double y0 = kLevels[storey] + 0.45, y1 = kLevels[storey + 1] - 0.5;
        for (double z : {0.0, kBaysZ * kBay}) {
            for (int bay : {0, kBaysX - 1}) {
                const double x0 = bay * kBay + 0.3, x1 = (bay + 1) * kBay - 0.3;
                brace({x0, y0, z}, {x1, y1, z}, {0, 0, 1});
                brace({x0, y1, z}, {x1, y0, z}, {0, 0, 1});
            }
        }
        for (double x : {0.0, kBaysX * kBay}) {
            const double z0 = 0.3, z1 = kBay - 0.3;
            brace({x, y0, z0}, {x, y1, z1}, {1, 0, 0});
            brace({x, y1, z0}, {x, y0, z1}, {1, 0, 0});
        }
    }
}

// Members delivered but not yet erected, stacked on timber sleepers.
void addStockpile(Mesh& mesh, const Palette& p) {
    for (double x : {9.0, 15.0}) {
        addAxisBox(mesh, {x - 0.12, 0, -7.2}, {x + 0.12, 0.16, -4.6}, p.timber);
    }
    for (int layer = 0; layer < 2; ++layer) {
        const int count = layer == 0 ? 5 : 3;
        for (int i = 0; i < count; ++i) {
            const double z = -7.0 + i * 0.5 + layer * 0.5, y = 0.16 + layer * 0.3 + 0.15;
            addIBeam(mesh, {8.0, y, z}, {16.5, y, z}, kJoist, {0, 1, 0}, p.steel);
        }
    }
}

void addSurroundings(Mesh& mesh, const Palette& p) {
    mesh.newPart();
    const double r = 3000;
    mesh.quad({-r, 0, -r}, {r, 0, -r}, {r, 0, r}, {-r, 0, r}, {0, 1, 0}, p.ground);
    // A low ridge of hills far behind the site.
    mesh.newPart();
    SplitMix64 random(7);
    const double distance = 1400;
    double previous = 40;
    for (int i = -20; i < 70; ++i) {
        const double a0 = i * 0.03, a1 = (i + 1) * 0.03;
        const double h = 25 + 55 * fractalNoise(i * 0.15, 0.5, 3, 31) + random.uniform(0, 4);
        const Vec3 b0{std::sin(a0) * distance, 0, std::cos(a0) * distance};
        const Vec3 b1{std::sin(a1) * distance, 0, std::cos(a1) * distance};
        const Vec3 normal = normalized(-(b0 + b1));
        mesh.quad(b0, b1, b1 + Vec3{0, h, 0}, b0 + Vec3{0, previous, 0}, normal, p.hills);
        previous = h;
    }
    // A line of trees along the far edge of the site.
    for (int i = 0; i < 110; ++i) {
        const double angle = -0.3 + i * 0.018 + random.uniform(-0.006, 0.006);
        const double distance = 320 + random.uniform(0, 80);
        const double height = random.uniform(6, 11), width = height * random.uniform(0.5, 0.8);
        const Vec3 base{std::sin(angle) * distance, 0, std::cos(angle) * distance};
        addEllipsoid(mesh, base + Vec3{0, height * 0.55, 0}, {width, 0, 0}, {0, height * 0.55, 0},
                     {0, 0, width}, 10, 6, p.trees);
    }
}

} // namespace

QImage steelFramePhoto() {
    MaterialList materials;
    const Palette palette = addMaterials(materials);
    Mesh mesh;
    addColumnsAndBases(mesh, palette);
    addFloorBeams(mesh, palette);
    addBracing(mesh, palette);
    addStockpile(mesh, palette);
    addSurroundings(mesh, palette);

    SkyLook sky;
    sky.zenith = srgb(0x2a64b8);
    sky.horizon = srgb(0xc4d8ea);
    sky.towardSun = normalized({-0.55, 0.75, -0.45});
    sky.cloudLit = srgb(0xf6f6f4) * 1.05;
    sky.cloudShade = srgb(0x9ea8b6);
    sky.cloudCover = 0.42;
    sky.cloudScale = 700;
    sky.cloudHeight = 1500;
    sky.seed = 3;
    RenderOptions options;
    options.width = 486;
    options.height = 363;
    options.supersample = 3;
    options.camera = {{-9.0, 1.65, -15.5}, {9.0, 8.0, 5.0}, {0, 1, 0}, 58};
    options.lighting.towardSun = sky.towardSun;
    options.lighting.sunColour = Vec3{2.6, 2.45, 2.2};
    options.lighting.skyAmbient = srgb(0x8fa8c8) * 0.7;
    options.lighting.groundAmbient = srgb(0x9a8a70) * 0.45;
    options.lighting.shadowMapSize = 3072;
    options.lighting.fogColour = sky.horizon;
    options.lighting.fogDensity = 0.0007;
    options.occlusion = {0.4, 0.6};
    options.background = [sky](const Vec3& d) { return skyColour(sky, d); };

    FloatImage image = render(mesh, materials.all(), options);
    expose(image, 1.0);
    gaussianBlur(image, 0.45);
    vignette(image, 0.35);
    grain(image, 0.018, 1007);
    return toQImage(image);
}

} // namespace assetgen::resume
