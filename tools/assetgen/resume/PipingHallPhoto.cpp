// Slide 9: the pipework of a plant room photographed during a weld inspection: pipes on a low
// rack with flanged joints and gate valves, inside a steel-framed hall, with the camera's
// date stamp in the corner.
#include "DateStamp.h"
#include "MaterialList.h"
#include "Noise.h"
#include "PhotoFinish.h"
#include "Piping.h"
#include "Renderer.h"
#include "ResumePictures.h"
#include "Shapes.h"

#include <numbers>

namespace assetgen::resume {
namespace {

constexpr double kPi = std::numbers::pi;

// The hall: x across (walls at +-kHalfSpan), z along, y up.
constexpr double kHalfSpan = 10.0, kEaves = 8.0, kRidge = 9.6;
constexpr double kNear = -8.0, kFar = 46.0, kColumnPitch = 6.0;

constexpr IProfile kHallColumn{0.45, 0.3, 0.02, 0.012};
constexpr IProfile kRackPost{0.2, 0.2, 0.012, 0.008};

struct HallMaterials {
    int floor, cladding, blockwork, roof, skylight, window, door, steel, crane, lamp, concrete;
};

struct PipeMaterials {
    int water, steam, air, gas, valve, wheel, stem, bolts;
};

HallMaterials addHallMaterials(MaterialList& m) {
    HallMaterials h{};
    h.floor = m.patterned(
        [](const SurfacePoint& s) {
            const double x = s.position.x, z = s.position.z;
            const double stains = fractalNoise(x * 0.3, z * 0.3, 5, 61);
            const double fine = fractalNoise(x * 4, z * 4, 3, 62);
            Vec3 c = mix(srgb(0x8e8c86), srgb(0x6e6a62), smoothstep(0.45, 0.75, stains));
            c = c * (0.9 + 0.2 * fine);
            // Saw-cut joints between the slab panels and the painted walkway edges.
            const double jx = std::abs(x / 6 - std::round(x / 6)) * 6;
            const double jz = std::abs(z / 6 - std::round(z / 6)) * 6;
            if (std::min(jx, jz) < 0.012) {
                c = c * 0.55;
            }
            const double lane = std::abs(std::abs(x + 0.4) - 1.6);
            if (lane < 0.05) {
                c = mix(srgb(0xd8a820), c, 0.25 + 0.5 * smoothstep(0.5, 0.8, stains));
            }
            return c;
        },
        0.12, 20);
    h.cladding = m.patterned([](const SurfacePoint& s) {
        // Trapezoidal ribs of the wall sheeting catch the light unevenly.
        const double along = std::abs(s.normal.x) > 0.5 ? s.position.z : s.position.x;
        const double rib = 0.5 + 0.5 * std::cos(along * 2 * kPi / 0.25);
        const double dirt =
            fractalNoise(s.position.x * 0.5, s.position.y * 0.8, s.position.z * 0.5, 4, 63);
        return srgb(0xc9c6ba) * (0.82 + 0.18 * rib) * (0.85 + 0.2 * dirt);
    });
    h.blockwork = m.patterned([](const SurfacePoint& s) {
        const double along = std::abs(s.normal.x) > 0.5 ? s.position.z : s.position.x;
        const double row = s.position.y / 0.2;
        const double shift = (static_cast<int>(std::floor(row)) % 2) * 0.2;
        const double u = (along + shift) / 0.4;
        const bool joint =
            std::abs(row - std::round(row)) < 0.05 || std::abs(u - std::round(u)) < 0.025;
        const double n = latticeHash(int(std::floor(u)), int(std::floor(row)), 64);
        return joint ? srgb(0x8a867c) : srgb(0xb2aea2) * (0.9 + 0.15 * n);
    });
    h.roof = m.patterned([](const SurfacePoint& s) {
        const double rib = 0.5 + 0.5 * std::cos(s.position.x * 2 * kPi / 0.3);
        return srgb(0xb8b6ae) * (0.75 + 0.25 * rib);
    });
    h.skylight = m.add(Material{});
    m[h.skylight].albedo = {};
    m[h.skylight].emissionPattern = [](const SurfacePoint& s) {
        const double rib = 0.5 + 0.5 * std::cos(s.position.x * 2 * kPi / 0.3);
        return Vec3{2.3, 2.3, 2.2} * (0.8 + 0.2 * rib);
    };
    h.window = m.add(Material{});
    m[h.window].albedo = {};
    m[h.window].emissionPattern = [](const SurfacePoint& s) {
        const double pane = std::abs(s.position.z / 1.5 - std::round(s.position.z / 1.5));
        return pane < 0.02 ? Vec3{0.05, 0.05, 0.05} : Vec3{1.9, 1.95, 2.0};
    };
    h.door = m.add(Material{});
    m[h.door].albedo = {};
    m[h.door].emissionPattern = [](const SurfacePoint& s) {
        // The sunlit yard outside, far brighter than the hall: paving, then sky.
        return s.position.y < 1.1 ? Vec3{2.4, 2.2, 1.9} : Vec3{2.9, 3.1, 3.4};
    };
    h.steel = m.plain(srgb(0x5d6b78), 0.15, 25);
    h.crane = m.plain(srgb(0xd0a018), 0.2, 30);
    h.lamp = m.plain(srgb(0x404040), 0.3, 30);
    h.concrete = m.patterned([](const SurfacePoint& s) {
        const double n = fractalNoise(s.position.x * 5, s.position.y * 5, s.position.z * 5, 3, 65);
        return srgb(0xa09c92) * (0.85 + 0.25 * n);
    });
    for (int i : {h.floor, h.cladding, h.blockwork, h.roof, h.skylight, h.window, h.door}) {
        m[i].castsShadow = false;
    }
    return h;
}

PipeMaterials addPipeMaterials(MaterialList& m) {
    PipeMaterials p{};
    const auto paint = [&](std::uint32_t colour, std::uint32_t seed) {
        return m.patterned(
            [colour, seed](const SurfacePoint& s) {
                const double n =
                    fractalNoise(s.position.x * 3, s.position.y * 3, s.position.z * 3, 4, seed);
                return srgb(colour) * (0.85 + 0.25 * n);
            },
            0.35, 45);
    };
    p.water = paint(0x3f7a4c, 71);
    p.steam = paint(0xb4b6b4, 72);
    p.air = paint(0x6a9ec4, 73);
    p.gas = paint(0xd2b032, 74);
    p.valve = m.plain(srgb(0x2e3236), 0.4, 40);
    p.wheel = m.plain(srgb(0xb02a1e), 0.5, 50);
    p.stem = m.plain(srgb(0xc8c8c0), 0.8, 80);
    p.bolts = m.plain(srgb(0x5a5a58), 0.5, 50);
    return p;
}

void addHallShell(Mesh& mesh, const HallMaterials& h) {
    const auto panel = [&](Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 n, int material) {
        mesh.newPart();
        mesh.quad(a, b, c, d, n, material);
    };
    panel({-kHalfSpan, 0, kNear}, {kHalfSpan, 0, kNear}, {kHalfSpan, 0, kFar},
          {-kHalfSpan, 0, kFar}, {0, 1, 0}, h.floor);
    for (double side : {-1.0, 1.0}) {
        const double x = side * kHalfSpan;
        const Vec3 n{-side, 0, 0};
        panel({x, 0, kNear}, {x, 0, kFar}, {x, 1.2, kFar}, {x, 1.2, kNear}, n, h.blockwork);
        panel({x, 1.2, kNear}, {x, 1.2, kFar}, {x, kEaves, kFar}, {x, kEaves, kNear}, n,
              h.cladding);
        // A band of glazing high in both side walls.
        panel({x - side * 0.02, 5.0, kNear}, {x - side * 0.02, 5.0, kFar},
              {x - side * 0.02, 6.2, kFar}, {x - side * 0.02, 6.2, kNear}, n, h.window);
        // Roof slope with a translucent strip.
        const Vec3 slopeNormal = normalized(Vec3{-side * (kRidge - kEaves), -kHalfSpan, 0});
        const auto roofAt = [&](double t, double z) {
            return Vec3{x * (1 - t), kEaves + (kRidge - kEaves) * t, z};
        };
        panel(roofAt(0, kNear), roofAt(0, kFar), roofAt(0.45, kFar), roofAt(0.45, kNear),
              slopeNormal, h.roof);
        panel(roofAt(0.45, kNear), roofAt(0.45, kFar), roofAt(0.6, kFar), roofAt(0.6, kNear),
              slopeNormal, h.skylight);
        panel(roofAt(0.6, kNear), roofAt(0.6, kFar), roofAt(1, kFar), roofAt(1, kNear), slopeNormal,
              h.roof);
    }
    // End walls; the far one has its large door open to the yard.
    for (double z : {kNear, kFar}) {
        const Vec3 n{0, 0, z < 0 ? 1.0 : -1.0};
        panel({-kHalfSpan, 0, z}, {kHalfSpan, 0, z}, {kHalfSpan, 1.2, z}, {-kHalfSpan, 1.2, z}, n,
              h.blockwork);
        panel({-kHalfSpan, 1.2, z}, {kHalfSpan, 1.2, z}, {kHalfSpan, kEaves, z},
              {-kHalfSpan, kEaves, z}, n, h.cladding);
        panel({-kHalfSpan, kEaves, z}, {kHalfSpan, kEaves, z}, {0, kRidge, z}, {0, kRidge, z}, n,
              h.cladding);
    }
    panel({-2.5, 0, kFar - 0.05}, {2.5, 0, kFar - 0.05}, {2.5, 5.5, kFar - 0.05},
          {-2.5, 5.5, kFar - 0.05}, {0, 0, -1}, h.door);
}

void addHallFrame(Mesh& mesh, const HallMaterials& h) {
    for (double z = kNear + 2; z <= kFar; z += kColumnPitch) {
        for (double side : {-1.0, 1.0}) {
            const double x = side * (kHalfSpan - 0.3);
            addIBeam(mesh, {x, 0, z}, {x, kEaves, z}, kHallColumn, {0, 0, 1}, h.steel);
            // Crane runway bracket.
            addBar(mesh, {x, 6.3, z}, {x - side * 0.6, 6.3, z}, 0.25, 0.35, {0, 1, 0}, h.steel);
        }
        // Roof truss: rafters, bottom chord and web members.
        const auto top = [](double x) {
            return kEaves + (kRidge - kEaves) * (1 - std::abs(x) / kHalfSpan);
        };
        const double yBottom = kEaves - 0.9;
        for (double side : {-1.0, 1.0}) {
            addBar(mesh, {side * (kHalfSpan - 0.3), kEaves, z}, {0, kRidge, z}, 0.16, 0.3,
                   {0, 1, 0}, h.steel);
            for (int i = 0; i < 6; ++i) {
                const double xa = side * (kHalfSpan - 0.3) * (1 - i / 6.0);
                const double xb = side * (kHalfSpan - 0.3) * (1 - (i + 1) / 6.0);
                addBar(mesh, {xa, yBottom, z}, {xa, top(xa), z}, 0.08, 0.08, {0, 0, 1}, h.steel);
                addBar(mesh, {xa, yBottom, z}, {xb, top(xb), z}, 0.08, 0.08, {0, 0, 1}, h.steel);
            }
        }
        addBar(mesh, {-(kHalfSpan - 0.3), yBottom, z}, {kHalfSpan - 0.3, yBottom, z}, 0.14, 0.16,
               {0, 1, 0}, h.steel);
    }
    for (double side : {-1.0, 1.0}) {
        const double x = side * (kHalfSpan - 0.9);
        addIBeam(mesh, {x, 6.65, kNear}, {x, 6.65, kFar}, {0.5, 0.25, 0.02, 0.012}, {0, 1, 0},
                 h.steel);
        // Purlins under the roof sheeting.
        for (int i = 1; i < 6; ++i) {
            const double t = i / 6.0;
            addBar(mesh, {side * kHalfSpan * (1 - t), kEaves + (kRidge - kEaves) * t - 0.22, kNear},
                   {side * kHalfSpan * (1 - t), kEaves + (kRidge - kEaves) * t - 0.22, kFar}, 0.08,
                   0.2, {0, 1, 0}, h.steel);
        }
    }
    // The overhead crane, parked halfway down the hall.
    addBox(mesh, {0, 7.2, 22}, {kHalfSpan - 0.9, 0, 0}, {0, 0.4, 0}, {0, 0, 0.3}, h.crane);
    for (double side : {-1.0, 1.0}) {
        addBox(mesh, {side * (kHalfSpan - 0.9), 7.05, 22}, {0.25, 0, 0}, {0, 0.3, 0}, {0, 0, 1.6},
               h.crane);
    }
    addAxisBox(mesh, {-1.6, 7.6, 21.5}, {0.2, 8.1, 22.5}, h.crane);
    // High-bay lamps.
    for (double z = kNear + 5; z <= kFar; z += kColumnPitch) {
        for (double x : {-5.0, 5.0}) {
            addCylinder(mesh, {x, 7.1, z}, {x, 7.6, z}, 0.015, 6, h.lamp);
            addFrustum(mesh, {x, 6.75, z}, {x, 7.1, z}, 0.28, 0.1, 20, h.lamp, Caps::None);
        }
    }
}

struct PipeLine {
    double x, radius;
    int material;
};

// The rack along the right-hand wall: four services at the same bottom-of-pipe level, with
// the valve station in front of the camera.
void addRackAndPipes(Mesh& mesh, const HallMaterials& h, const PipeMaterials& p) {
    const double rackTop = 0.9;
    const PipeLine lines[] = {
        {2.6, 0.084, p.steam}, {3.25, 0.114, p.water}, {3.9, 0.07, p.air}, {4.55, 0.137, p.gas}};
    for (double z = -4; z <= 40; z += 5) {
        for (double x : {2.15, 5.05}) {
            addAxisBox(mesh, {x - 0.2, 0, z - 0.2}, {x + 0.2, 0.15, z + 0.2}, h.concrete);
            addIBeam(mesh, {x, 0.15, z}, {x, rackTop - 0.1, z}, kRackPost, {1, 0, 0}, h.steel);
        }
        addIBeam(mesh, {2.0, rackTop - 0.1, z}, {5.2, rackTop - 0.1, z}, kRackPost, {0, 1, 0},
                 h.steel);
    }
    const FlangeMaterials flanges{p.valve, p.bolts};
    const auto flangeOf = [&](int material) { return FlangeMaterials{material, p.bolts}; };
    for (const PipeLine& line : lines) {
        const double y = rackTop + line.radius + 0.02;
        addPipeRun(mesh, {{line.x, y, -7.5}, {line.x, y, kFar - 1}}, line.radius, 0.3,
                   line.material);
        for (double z = -4; z <= 40; z += 5) {
            addAxisBox(mesh, {line.x - 0.05, rackTop, z - 0.12},
                       {line.x + 0.05, y - line.radius * 0.7, z + 0.12}, h.steel);
        }
        for (double z = 7.5; z < 40; z += 12) {
            addFlangePair(mesh, {line.x, y, z + line.x}, {0, 0, 1}, line.radius,
                          flangeOf(line.material));
        }
    }
    // The valve station: an isolating valve on each line, staggered so that the handwheels
    // clear each other.
    const ValveMaterials valves{p.valve, p.wheel, p.stem, flanges};
    const double stagger[] = {1.6, 3.4, 2.5, 4.6};
    for (int i = 0; i < 4; ++i) {
        const PipeLine& line = lines[i];
        addGateValve(mesh, {line.x, rackTop + line.radius + 0.02, stagger[i]}, {0, 0, 1}, {0, 1, 0},
                     line.radius, valves);
    }
    // The gas line branches off and climbs to cross the hall overhead.
    const PipeLine& gas = lines[3];
    const double y = rackTop + gas.radius + 0.02;
    addPipeRun(
        mesh,
        {{gas.x, y, 7.0}, {5.6, y, 7.0}, {5.6, 5.6, 7.0}, {-8.8, 5.6, 7.0}, {-8.8, 5.6, 30.0}}, 0.1,
        0.35, gas.material);
    addFlangePair(mesh, {5.6, 3.0, 7.0}, {0, 1, 0}, 0.1, flangeOf(gas.material));
    addGateValve(mesh, {5.6, 1.6, 7.0}, {0, 1, 0}, {-1, 0, 0}, 0.1, valves);
    // A branch up over the steam line and down to a pump skid in the middle of the hall.
    const PipeLine& water = lines[1];
    const double yw = rackTop + water.radius + 0.02;
    addPipeRun(mesh,
               {{water.x, yw, 12.0},
                {water.x, 1.8, 12.0},
                {-0.5, 1.8, 12.0},
                {-0.5, 0.55, 12.0},
                {-0.5, 0.55, 13.5}},
               0.09, 0.3, water.material);
    addAxisBox(mesh, {-1.1, 0, 13.2}, {0.4, 0.25, 16.8}, h.concrete);
    addCylinder(mesh, {-0.5, 0.55, 13.5}, {-0.5, 0.55, 14.3}, 0.22, 24, p.water);
    addCylinder(mesh, {-0.5, 0.55, 14.3}, {-0.5, 0.55, 16.4}, 0.3, 24, p.air);
    addAxisBox(mesh, {-0.85, 0.25, 14.4}, {-0.15, 0.35, 16.3}, h.steel);
}

// Across the hall: a vertical receiver on legs and two large lines on T-supports.
void addFarSide(Mesh& mesh, const HallMaterials& h, const PipeMaterials& p) {
    const Vec3 base{-3.4, 0, 20.0};
    const double r = 1.1;
    const int shell = p.steam;
    addCylinder(mesh, base + Vec3{0, 1.2, 0}, base + Vec3{0, 4.6, 0}, r, 40, shell, Caps::None);
    addEllipsoid(mesh, base + Vec3{0, 4.6, 0}, {r, 0, 0}, {0, 0, r}, {0, r * 0.5, 0}, 40, 16,
                 shell);
    addEllipsoid(mesh, base + Vec3{0, 1.2, 0}, {r, 0, 0}, {0, 0, r}, {0, r * 0.5, 0}, 40, 16,
                 shell);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 4 + i * kPi / 2;
        const Vec3 leg = base + Vec3{std::cos(a) * r * 0.8, 0, std::sin(a) * r * 0.8};
        addCylinder(mesh, leg, leg + Vec3{0, 1.4, 0}, 0.07, 12, h.steel);
        addAxisBox(mesh, leg + Vec3{-0.15, 0, -0.15}, leg + Vec3{0.15, 0.02, 0.15}, h.steel);
    }
    addPipeRun(mesh,
               {base + Vec3{r * 0.9, 3.6, 0}, base + Vec3{2.0, 3.6, 0}, base + Vec3{2.0, 3.6, -6.0},
                base + Vec3{-6.5, 3.6, -6.0}},
               0.09, 0.3, p.air);
    addFlangePair(mesh, base + Vec3{r + 0.25, 3.6, 0}, {1, 0, 0}, 0.09, {p.air, p.bolts});
    for (double z = -6; z <= 44; z += 6) {
        addIBeam(mesh, {-7.6, 0, z}, {-7.6, 2.4, z}, kRackPost, {1, 0, 0}, h.steel);
        addIBeam(mesh, {-8.6, 2.4, z}, {-6.6, 2.4, z}, kRackPost, {0, 1, 0}, h.steel);
    }
    for (const auto& [x, radius, material] :
         {PipeLine{-8.1, 0.2, p.water}, PipeLine{-7.1, 0.16, p.steam}}) {
        const double y = 2.5 + radius + 0.02;
        addPipeRun(mesh, {{x, y, -8}, {x, y, kFar}}, radius, 0.5, material);
        for (double z = 1; z < 44; z += 12) {
            addFlangePair(mesh, {x, y, z}, {0, 0, 1}, radius, {material, p.bolts});
        }
    }
}

} // namespace

QImage pipingHallPhoto() {
    MaterialList materials;
    const HallMaterials hall = addHallMaterials(materials);
    const PipeMaterials pipes = addPipeMaterials(materials);
    Mesh mesh;
    addHallShell(mesh, hall);
    addHallFrame(mesh, hall);
    addRackAndPipes(mesh, hall, pipes);
    addFarSide(mesh, hall, pipes);

    RenderOptions options;
    options.width = 471;
    options.height = 353;
    options.supersample = 2;
    options.camera = {{1.1, 2.05, -1.5}, {3.0, 0.95, 4.6}, {0, 1, 0}, 50};
    options.lighting.towardSun = normalized({0.25, 1.0, -0.15});
    options.lighting.sunColour = Vec3{1.1, 1.06, 0.98};
    options.lighting.shadowSoftness = 5;
    options.lighting.shadowMapSize = 3072;
    options.lighting.skyAmbient = srgb(0xc8ccd0) * 0.26;
    options.lighting.groundAmbient = srgb(0x908a80) * 0.14;
    for (double z = kNear + 5; z <= kFar; z += kColumnPitch) {
        for (double x : {-5.0, 5.0}) {
            options.lighting.pointLights.push_back({{x, 6.6, z}, Vec3{5.0, 4.6, 3.8}});
        }
    }
    options.lighting.fogColour = srgb(0x9a968c) * 0.6;
    options.lighting.fogDensity = 0.007;
    options.occlusion = {0.45, 0.75};

    FloatImage image = render(mesh, materials.all(), options);
    colourBalance(image, {1.02, 1.0, 0.92});
    expose(image, 1.0);
    glow(image, 0.9, 3.5, 0.3);
    gaussianBlur(image, 0.5);
    vignette(image, 0.35);
    grain(image, 0.03, 2009);
    QImage photo = toQImage(image);
    stampDate(photo, QStringLiteral("2005/08/14"), 458, 340, 13);
    return photo;
}

} // namespace assetgen::resume
