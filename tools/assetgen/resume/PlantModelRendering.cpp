// Slide 10: a shaded view of a 3D plant model, as the design software shows it: a rotary drum
// on its piers, an inclined duct on lattice trestles rising to a tower that carries a cyclone
// and the exhaust fan, on a grid ground plane under a gradient backdrop.
#include "MaterialList.h"
#include "Renderer.h"
#include "ResumePictures.h"
#include "Shapes.h"

#include <numbers>

namespace assetgen::resume {
namespace {

constexpr double kPi = std::numbers::pi;

struct ModelColours {
    int ground, drum, tyre, gear, concrete, motor, duct, trestle, column, platform, rail, cyclone,
        fan, stack;
};

ModelColours addColours(MaterialList& m, const Vec3& eye) {
    ModelColours c{};
    // Grid lines every metre, heavier every five, thinned by distance so that they never
    // alias into a moire.
    c.ground = m.patterned([eye](const SurfacePoint& s) {
        const double footprint = length(s.position - eye) * 0.0011 + 1e-4;
        const auto line = [&](double spacing, double halfWidth) {
            const double dx =
                std::abs(s.position.x / spacing - std::round(s.position.x / spacing)) * spacing;
            const double dz =
                std::abs(s.position.z / spacing - std::round(s.position.z / spacing)) * spacing;
            const double d = std::min(dx, dz);
            return std::clamp((halfWidth + footprint / 2 - d) / footprint, 0.0, 1.0) *
                   std::min(1.0, 2 * halfWidth / footprint);
        };
        const double grid = std::max(0.45 * line(1, 0.012), line(5, 0.025));
        return mix(srgb(0xdfe3e8), srgb(0x8a94a4), grid);
    });
    m[c.ground].outlined = false;
    m[c.ground].castsShadow = false;
    c.drum = m.plain(srgb(0x9aa9bc), 0.25, 30);
    c.tyre = m.plain(srgb(0x515a66), 0.3, 30);
    c.gear = m.plain(srgb(0xc48a32), 0.3, 30);
    c.concrete = m.plain(srgb(0xbdb8aa));
    c.motor = m.plain(srgb(0x2f62b0), 0.35, 40);
    c.duct = m.plain(srgb(0x78ae7a), 0.2, 30);
    c.trestle = m.plain(srgb(0xe2b422), 0.2, 30);
    c.column = m.plain(srgb(0x3e70aa), 0.2, 30);
    c.platform = m.plain(srgb(0xa6aaae));
    c.rail = m.plain(srgb(0xf0c428));
    m[c.rail].outlined = false; // too thin: an outline would swallow the colour
    c.cyclone = m.plain(srgb(0xd0d2d4), 0.3, 30);
    c.fan = m.plain(srgb(0xc23c2c), 0.3, 30);
    c.stack = m.plain(srgb(0x8c9096), 0.2, 30);
    return c;
}

constexpr Vec3 kUp{0, 1, 0};

// The drum: along +x, falling slightly toward its discharge end.
constexpr Vec3 kDrumFeed{-13.0, 3.6, 0}, kDrumDischarge{1.0, 2.9, 0};
constexpr double kDrumRadius = 1.4;

Vec3 alongDrum(double t) {
    return mix(kDrumFeed, kDrumDischarge, t);
}

void addDrum(Mesh& mesh, const ModelColours& c) {
    addCylinder(mesh, kDrumFeed, kDrumDischarge, kDrumRadius, 32, c.drum, Caps::Both,
                Shading::Faceted);
    const Vec3 axis = normalized(kDrumDischarge - kDrumFeed);
    for (double t : {0.2, 0.78}) {
        const Vec3 centre = alongDrum(t);
        addCylinder(mesh, centre - axis * 0.25, centre + axis * 0.25, kDrumRadius + 0.28, 32,
                    c.tyre, Caps::Both, Shading::Faceted);
        // Pier with two support rollers under the tyre.
        const double top = centre.y - kDrumRadius - 0.28 - 0.75;
        addAxisBox(mesh, {centre.x - 1.0, 0, -1.9}, {centre.x + 1.0, top, 1.9}, c.concrete);
        for (double side : {-1.0, 1.0}) {
            const Vec3 roller = centre + Vec3{0, -std::cos(0.55), side * std::sin(0.55)} *
                                             (kDrumRadius + 0.28 + 0.4);
            addCylinder(mesh, roller - axis * 0.3, roller + axis * 0.3, 0.4, 20, c.tyre, Caps::Both,
                        Shading::Faceted);
            addAxisBox(mesh, {roller.x - 0.5, top, roller.z - 0.3},
                       {roller.x + 0.5, roller.y - 0.2, roller.z + 0.3}, c.column);
        }
    }
    // Girth gear and the drive beside it.
    const Vec3 gear = alongDrum(0.5);
    addCylinder(mesh, gear - axis * 0.15, gear + axis * 0.15, kDrumRadius + 0.45, 48, c.gear,
                Caps::Both, Shading::Faceted);
    addAxisBox(mesh, {gear.x - 1.2, 0, 2.0}, {gear.x + 1.2, 1.0, 5.2}, c.concrete);
    addAxisBox(mesh, {gear.x - 0.5, 1.0, 2.1}, {gear.x + 0.5, 2.0, 3.1}, c.gear);
    addCylinder(mesh, {gear.x, 1.5, 3.1}, {gear.x, 1.5, 4.9}, 0.45, 24, c.motor, Caps::Both,
                Shading::Faceted);
    addAxisBox(mesh, {gear.x - 0.45, 1.0, 3.3}, {gear.x + 0.45, 1.1, 4.7}, c.motor);
    // Feed hood with its chute, and the discharge hood that the duct leaves from.
    addAxisBox(mesh, {kDrumFeed.x - 1.6, 1.6, -1.9}, {kDrumFeed.x + 0.2, 5.6, 1.9}, c.duct);
    addBar(mesh, {kDrumFeed.x - 0.7, 5.6, 0}, {kDrumFeed.x - 2.6, 8.0, 0}, 0.8, 0.8, kUp, c.duct);
    addAxisBox(mesh, {kDrumDischarge.x - 0.2, 0.6, -2.0}, {kDrumDischarge.x + 2.4, 5.4, 2.0},
               c.duct);
    addAxisBox(mesh, {kDrumDischarge.x + 0.4, 0, -0.6}, {kDrumDischarge.x + 1.8, 0.6, 0.6},
               c.stack);
}

// A square lattice tower of angles: four legs tapering in, with horizontal and diagonal
// bracing on every face.
void addTrestle(Mesh& mesh, const Vec3& base, double height, double baseWidth, double topWidth,
                int material) {
    const int panels = std::max(2, static_cast<int>(height / 1.8));
    const auto corner = [&](int i, double t) {
        const double w = mix(baseWidth, topWidth, t) / 2;
        const double sx = (i == 0 || i == 3) ? -1 : 1, sz = i < 2 ? -1 : 1;
        return base + Vec3{sx * w, height * t, sz * w};
    };
    for (int i = 0; i < 4; ++i) {
        addBar(mesh, corner(i, 0), corner(i, 1), 0.14, 0.14, {1, 0, 0}, material);
    }
    for (int p = 0; p <= panels; ++p) {
        const double t0 = static_cast<double>(p) / panels, t1 = static_cast<double>(p + 1) / panels;
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            addBar(mesh, corner(i, t0), corner(j, t0), 0.08, 0.08, kUp, material);
            if (p < panels) {
                addBar(mesh, corner(i, t0), corner(j, t1), 0.06, 0.06, kUp, material);
            }
        }
    }
}

// The duct from the discharge hood up to the cyclone inlet, on two trestles.
void addDuct(Mesh& mesh, const ModelColours& c, const Vec3& from, const Vec3& to) {
    addBar(mesh, from, to, 1.1, 1.1, kUp, c.duct);
    const Vec3 axis = normalized(to - from);
    for (double t : {0.08, 0.5, 0.92}) {
        const Vec3 at = mix(from, to, t);
        addBar(mesh, at - axis * 0.1, at + axis * 0.1, 1.3, 1.3, kUp, c.duct);
    }
    for (double t : {0.33, 0.7}) {
        const Vec3 at = mix(from, to, t);
        const double height = at.y - 0.75;
        addTrestle(mesh, {at.x, 0, at.z}, height, 2.4, 1.2, c.trestle);
        addAxisBox(mesh, {at.x - 0.8, height, at.z - 0.8}, {at.x + 0.8, height + 0.2, at.z + 0.8},
                   c.trestle);
    }
}

// A platform at height y with its grating, toe plates and a handrail round three sides.
void addPlatform(Mesh& mesh, const ModelColours& c, double x0, double x1, double z0, double z1,
                 double y, bool railOnWest) {
    addAxisBox(mesh, {x0, y - 0.08, z0}, {x1, y, z1}, c.platform);
    const auto rail = [&](Vec3 a, Vec3 b) {
        for (double h : {0.55, 1.1}) {
            addBar(mesh, a + kUp * h, b + kUp * h, 0.05, 0.05, kUp, c.rail);
        }
        const int posts = std::max(1, static_cast<int>(length(b - a) / 1.5));
        for (int i = 0; i <= posts; ++i) {
            const Vec3 p = mix(a, b, static_cast<double>(i) / posts);
            addBar(mesh, p, p + kUp * 1.1, 0.05, 0.05, {1, 0, 0}, c.rail);
        }
    };
    rail({x0, y, z0}, {x1, y, z0});
    rail({x1, y, z0}, {x1, y, z1});
    rail({x0, y, z1}, {x1, y, z1});
    if (railOnWest) {
        rail({x0, y, z0}, {x0, y, z1});
    }
}

constexpr double kTowerX0 = 11.0, kTowerX1 = 17.0, kTowerZ0 = -3.0, kTowerZ1 = 3.0;
constexpr double kTowerLevels[] = {6.5, 12.0, 16.5};

void addTower(Mesh& mesh, const ModelColours& c) {
    const IProfile column{0.35, 0.3, 0.02, 0.012};
    for (double x : {kTowerX0, kTowerX1}) {
        for (double z : {kTowerZ0, kTowerZ1}) {
            addAxisBox(mesh, {x - 0.5, 0, z - 0.5}, {x + 0.5, 0.4, z + 0.5}, c.concrete);
            addIBeam(mesh, {x, 0.4, z}, {x, kTowerLevels[2], z}, column, {1, 0, 0}, c.column);
        }
    }
    const IProfile beam{0.4, 0.18, 0.016, 0.01};
    double previous = 0.4;
    for (double y : kTowerLevels) {
        for (double z : {kTowerZ0, kTowerZ1}) {
            addIBeam(mesh, {kTowerX0, y - 0.3, z}, {kTowerX1, y - 0.3, z}, beam, kUp, c.column);
        }
        for (double x : {kTowerX0, kTowerX1}) {
            addIBeam(mesh, {x, y - 0.3, kTowerZ0}, {x, y - 0.3, kTowerZ1}, beam, kUp, c.column);
            // Cross bracing in the end frames.
            addBar(mesh, {x, previous, kTowerZ0}, {x, y - 0.5, kTowerZ1}, 0.12, 0.12, {1, 0, 0},
                   c.column);
            addBar(mesh, {x, previous, kTowerZ1}, {x, y - 0.5, kTowerZ0}, 0.12, 0.12, {1, 0, 0},
                   c.column);
        }
        addBar(mesh, {kTowerX0, previous, kTowerZ1}, {kTowerX1, y - 0.5, kTowerZ1}, 0.12, 0.12,
               {0, 0, 1}, c.column);
        previous = y;
    }
    addPlatform(mesh, c, kTowerX0 - 0.3, kTowerX1 + 0.3, kTowerZ0 - 0.3, kTowerZ1 + 0.3,
                kTowerLevels[0], true);
    // The cyclone passes through the middle platform, which is open round it.
    addPlatform(mesh, c, kTowerX0 - 0.3, kTowerX0 + 1.4, kTowerZ0 - 0.3, kTowerZ1 + 0.3,
                kTowerLevels[1], false);
    addPlatform(mesh, c, kTowerX1 - 1.4, kTowerX1 + 0.3, kTowerZ0 - 0.3, kTowerZ1 + 0.3,
                kTowerLevels[1], false);
    addPlatform(mesh, c, kTowerX0 - 0.3, kTowerX1 + 0.3, kTowerZ0 - 0.3, kTowerZ1 + 0.3,
                kTowerLevels[2], false);
    // Ladder up the east face.
    for (double z : {-0.3, 0.3}) {
        addBar(mesh, {kTowerX1 + 0.5, 0, z}, {kTowerX1 + 0.5, kTowerLevels[2] + 1.1, z}, 0.06, 0.06,
               {1, 0, 0}, c.rail);
    }
    for (double y = 0.3; y < kTowerLevels[2]; y += 0.3) {
        addBar(mesh, {kTowerX1 + 0.5, y, -0.3}, {kTowerX1 + 0.5, y, 0.3}, 0.03, 0.03, kUp, c.rail);
    }
}

constexpr Vec3 kCyclone{14.0, 0, 0};
constexpr double kCycloneRadius = 1.3, kBarrelBottom = 12.0, kBarrelTop = 15.6;

void addCyclone(Mesh& mesh, const ModelColours& c) {
    addCylinder(mesh, kCyclone + kUp * kBarrelBottom, kCyclone + kUp * kBarrelTop, kCycloneRadius,
                32, c.cyclone, Caps::Both, Shading::Faceted);
    addFrustum(mesh, kCyclone + kUp * 7.6, kCyclone + kUp * kBarrelBottom, 0.28, kCycloneRadius, 32,
               c.cyclone, Caps::Both, Shading::Faceted);
    // Rotary valve and discharge spout under the cone.
    addAxisBox(mesh, kCyclone + Vec3{-0.4, 6.7, -0.4}, kCyclone + Vec3{0.4, 7.6, 0.4}, c.motor);
    addCylinder(mesh, kCyclone + kUp * 6.7, kCyclone + kUp * 5.2, 0.2, 16, c.cyclone, Caps::Both,
                Shading::Faceted);
    // Tangential inlet box on the barrel, facing the duct.
    addAxisBox(mesh, kCyclone + Vec3{-2.4, 14.0, -kCycloneRadius},
               kCyclone + Vec3{0, 15.4, -kCycloneRadius + 1.0}, c.duct);
    // Outlet tube rising through the roof of the barrel.
    addCylinder(mesh, kCyclone + kUp * kBarrelTop, kCyclone + kUp * 17.4, 0.55, 24, c.cyclone,
                Caps::Both, Shading::Faceted);
}

// The exhaust fan on the top platform: spiral housing, drive motor and the stack.
void addFan(Mesh& mesh, const ModelColours& c) {
    const double floor = kTowerLevels[2];
    const Vec3 hub{14.0, floor + 1.6, 1.7};
    std::vector<std::pair<double, double>> volute;
    for (int i = 0; i <= 36; ++i) {
        const double a = kPi / 2 + 2 * kPi * i / 40.0;
        const double r = 0.9 + 0.45 * i / 36.0;
        volute.emplace_back(std::cos(a) * r, std::sin(a) * r);
    }
    // The housing's outlet runs straight up from the widest point of the spiral.
    volute.emplace_back(volute.back().first, 2.2);
    volute.emplace_back(0.0, 2.2);
    addStarPrism(mesh, hub - Vec3{0, 0, 0.5}, {1, 0, 0}, {0, 1, 0}, volute, 1.0, c.fan);
    addAxisBox(mesh, {12.6, floor, 0.9}, {15.5, floor + 0.3, 3.2}, c.column);
    // Inlet from the cyclone outlet, up and over into the side of the housing.
    addCylinder(mesh, {14.0, floor + 1.6, -0.1}, {14.0, floor + 1.6, 1.2}, 0.5, 24, c.cyclone,
                Caps::Both, Shading::Faceted);
    addCylinder(mesh, {14.0, floor + 0.9, 0.0}, {14.0, floor + 1.6, 0.0}, 0.5, 24, c.cyclone,
                Caps::Both, Shading::Faceted);
    // Motor on the far side of the housing.
    addCylinder(mesh, {14.0, floor + 1.6, 2.2}, {14.0, floor + 1.6, 3.1}, 0.12, 12, c.stack);
    addCylinder(mesh, {14.0, floor + 1.2, 3.1}, {14.0, floor + 1.2, 4.3}, 0.45, 24, c.motor,
                Caps::Both, Shading::Faceted);
    // Stack from the fan outlet.
    const double outletX = hub.x + volute[36].first / 2; // middle of the outlet mouth
    addCylinder(mesh, {outletX, hub.y + 2.2, 1.7}, {outletX, hub.y + 5.0, 1.7}, 0.55, 24, c.stack,
                Caps::Both, Shading::Faceted);
}

} // namespace

QImage plantModelRendering() {
    RenderOptions options;
    options.width = 971;
    options.height = 665;
    options.supersample = 2;
    options.camera = {{-16.0, 15.0, -37.0}, {1.5, 9.0, 0.0}, {0, 1, 0}, 39};

    MaterialList materials;
    const ModelColours colours = addColours(materials, options.camera.eye);
    Mesh mesh;
    mesh.newPart();
    mesh.quad({-30, 0, -22}, {30, 0, -22}, {30, 0, 22}, {-30, 0, 22}, kUp, colours.ground);
    addDrum(mesh, colours);
    addDuct(mesh, colours, {kDrumDischarge.x + 1.2, 5.2, 0.0},
            kCyclone + Vec3{-2.4, 14.7, -kCycloneRadius + 0.5});
    addTower(mesh, colours);
    addCyclone(mesh, colours);
    addFan(mesh, colours);

    options.lighting.towardSun = normalized({-0.45, 0.85, -0.6});
    options.lighting.sunColour = Vec3{0.75, 0.74, 0.72};
    options.lighting.shadowSoftness = 3;
    options.lighting.shadowMapSize = 3072;
    options.lighting.skyAmbient = Vec3{0.42, 0.43, 0.46};
    options.lighting.groundAmbient = Vec3{0.22, 0.22, 0.23};
    options.outlines = {true, srgb(0x1a1e26), 35};
    const Vec3 top = srgb(0x3a4d70), horizon = srgb(0xc9d3e0);
    options.background = [top, horizon](const Vec3& d) {
        return mix(horizon, top, smoothstep(-0.35, 0.5, d.y));
    };
    return toQImage(render(mesh, materials.all(), options));
}

} // namespace assetgen::resume
