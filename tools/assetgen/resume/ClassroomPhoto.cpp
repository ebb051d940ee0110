// Slide 8: a lubrication course in a training room, photographed from the back: the
// presenter beside the projection screen, participants at rows of desks seen from behind.
#include "FloatImage.h"
#include "MaterialList.h"
#include "Noise.h"
#include "People.h"
#include "PhotoFinish.h"
#include "Renderer.h"
#include "ResumePictures.h"
#include "Shapes.h"

#include <QFont>
#include <QPainter>
#include <numbers>

namespace assetgen::resume {
namespace {

constexpr double kPi = std::numbers::pi;

// The room: x across (window wall at -4), z toward the front wall, y up.
constexpr double kLeft = -4.0, kRight = 4.0, kBack = -1.0, kFront = 9.0, kCeiling = 3.2;

// The screen and the picture projected on it.
constexpr double kScreenLeft = -2.4, kScreenRight = 0.1, kScreenBottom = 1.0, kScreenTop = 2.85;

QFont font(const QString& family, int pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// A bearing in section with grease points, next to the lesson's headings.
QImage projectedSlide() {
    QImage slide(640, 474, QImage::Format_RGB32);
    slide.fill(QColor(0xfa, 0xfa, 0xf6));
    QPainter p(&slide);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, 640, 92, QColor(0x1d, 0x3f, 0x7a));
    p.fillRect(0, 92, 640, 8, QColor(0xe0, 0x9a, 0x1c));
    p.setPen(Qt::white);
    p.setFont(font("Titr", 46, true));
    p.drawText(QRect(20, 4, 600, 84), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8("روانکاري ياتاقانها"));

    const QPointF centre(170, 285);
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 4));
    p.setBrush(QColor(0xb8, 0xbe, 0xc8));
    p.drawEllipse(centre, 130, 130);
    p.setBrush(QColor(0xf0, 0xd8, 0x8a));
    p.drawEllipse(centre, 104, 104);
    p.setBrush(QColor(0xb8, 0xbe, 0xc8));
    p.drawEllipse(centre, 66, 66);
    p.setBrush(QColor(0xfa, 0xfa, 0xf6));
    p.drawEllipse(centre, 44, 44);
    p.setBrush(QColor(0x5a, 0x60, 0x70));
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * kPi / 10;
        p.drawEllipse(centre + QPointF(std::cos(a) * 85, std::sin(a) * 85), 17, 17);
    }
    p.setPen(QPen(QColor(0xc0, 0x30, 0x20), 6));
    p.drawLine(QPointF(170, 120), QPointF(170, 160));
    p.drawLine(QPointF(160, 146), QPointF(170, 162));
    p.drawLine(QPointF(180, 146), QPointF(170, 162));

    p.setFont(font("Nazli", 30, true));
    const char* lines[] = {"انواع روانکار: روغن و گريس", "انتخاب گرانروي", "فواصل روانکاري",
                           "آلودگي و آب", "نگهداري و بازرسي"};
    for (int i = 0; i < 5; ++i) {
        const int y = 140 + i * 62;
        p.setPen(QColor(0x22, 0x22, 0x2a));
        p.drawText(QRect(330, y, 270, 50), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromUtf8(lines[i]));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x9a, 0x1c));
        p.drawEllipse(QPointF(616, y + 27), 7, 7);
    }
    p.end();
    return slide;
}

struct RoomMaterials {
    int wall, floor, ceiling, lamp, window, frame, screen, board, desk, metal, chair, projector;
};

RoomMaterials addRoomMaterials(MaterialList& m) {
    RoomMaterials r{};
    r.wall = m.patterned([](const SurfacePoint& s) {
        const double n = fractalNoise(s.position.x * 2, s.position.y * 2, s.position.z * 2, 3, 51);
        return srgb(0xe2dccd) * (0.95 + 0.08 * n);
    });
    r.floor = m.patterned(
        [](const SurfacePoint& s) {
            // 40 cm ceramic tiles with grout lines.
            const double u = s.position.x / 0.4, v = s.position.z / 0.4;
            const double gu = std::abs(u - std::round(u)), gv = std::abs(v - std::round(v));
            const double grout = 1 - smoothstep(0.0, 0.03, std::min(gu, gv));
            const double tile = latticeHash(int(std::floor(u)), int(std::floor(v)), 52);
            const double mottled = fractalNoise(s.position.x * 6, s.position.z * 6, 3, 53);
            const Vec3 base = srgb(0xc9bca2) * (0.92 + 0.1 * tile) * (0.94 + 0.1 * mottled);
            return mix(base, srgb(0x8a8274), grout);
        },
        0.25, 60);
    r.ceiling = m.plain(srgb(0xeeece6));
    r.lamp = m.plain(srgb(0xf4f4f0));
    m[r.lamp].emission = Vec3{2.6, 2.6, 2.5};
    r.window = m.add(Material{});
    m[r.window].albedo = {};
    m[r.window].emissionPattern = [](const SurfacePoint& s) {
        // Vertical blinds, half open, with daylight between the slats.
        const double slat = s.position.z / 0.09;
        const double gap = smoothstep(0.55, 0.75, std::abs(slat - std::round(slat)) * 2);
        return mix(srgb(0xd8cfb8) * 1.3, Vec3{3.0, 3.0, 2.9}, gap);
    };
    r.frame = m.plain(srgb(0x2c2c2e));
    r.screen = m.add(Material{});
    const FloatImage slide = fromQImage(projectedSlide());
    m[r.screen].albedo = {};
    m[r.screen].emissionPattern = [slide](const SurfacePoint& s) {
        const double u = (s.position.x - kScreenLeft) / (kScreenRight - kScreenLeft);
        const double v = (kScreenTop - s.position.y) / (kScreenTop - kScreenBottom);
        // A projector lights the middle of the screen a little more than its corners.
        const double falloff = 1 - 0.25 * ((u - 0.5) * (u - 0.5) + (v - 0.45) * (v - 0.45));
        return sampleBilinear(slide, u, v) * (1.25 * falloff);
    };
    r.board = m.patterned(
        [](const SurfacePoint& s) {
            // Marker notes from the last session.
            const double row = (2.0 - s.position.y) / 0.12;
            const double inRow = std::abs(row - std::round(row));
            const double length = fractalNoise(std::round(row) * 3.1, 0.5, 2, 54);
            const bool ink = row > 0 && row < 7 && inRow < 0.12 &&
                             s.position.x < 1.8 + 1.4 * length &&
                             valueNoise(s.position.x * 40, row * 3, 55) > 0.35;
            return ink ? srgb(0x2a3a8a) : srgb(0xf2f3f2);
        },
        0.35, 40);
    r.desk = m.plain(srgb(0xb08a5e), 0.2, 30);
    r.metal = m.plain(srgb(0x3c3c40), 0.4, 40);
    r.chair = m.plain(srgb(0x27272b), 0.05, 10);
    r.projector = m.plain(srgb(0xd8d8d4), 0.3, 40);
    for (int i : {r.wall, r.ceiling, r.lamp, r.window, r.frame, r.screen, r.board}) {
        m[i].castsShadow = false;
    }
    m[r.floor].castsShadow = false;
    return r;
}

void addRoom(Mesh& mesh, const RoomMaterials& r) {
    const auto wall = [&](Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 n, int material) {
        mesh.newPart();
        mesh.quad(a, b, c, d, n, material);
    };
    wall({kLeft, 0, kBack}, {kRight, 0, kBack}, {kRight, 0, kFront}, {kLeft, 0, kFront}, {0, 1, 0},
         r.floor);
    wall({kLeft, kCeiling, kBack}, {kRight, kCeiling, kBack}, {kRight, kCeiling, kFront},
         {kLeft, kCeiling, kFront}, {0, -1, 0}, r.ceiling);
    wall({kLeft, 0, kFront}, {kRight, 0, kFront}, {kRight, kCeiling, kFront},
         {kLeft, kCeiling, kFront}, {0, 0, -1}, r.wall);
    wall({kRight, 0, kBack}, {kRight, 0, kFront}, {kRight, kCeiling, kFront},
         {kRight, kCeiling, kBack}, {-1, 0, 0}, r.wall);
    wall({kLeft, 0, kBack}, {kLeft, 0, kFront}, {kLeft, kCeiling, kFront}, {kLeft, kCeiling, kBack},
         {1, 0, 0}, r.wall);
    // Windows in the left wall, with sills and mullions.
    for (double z0 : {0.6, 3.4, 6.2}) {
        const double z1 = z0 + 2.2;
        wall({kLeft + 0.02, 1.0, z0}, {kLeft + 0.02, 1.0, z1}, {kLeft + 0.02, 2.6, z1},
             {kLeft + 0.02, 2.6, z0}, {1, 0, 0}, r.window);
        addAxisBox(mesh, {kLeft, 0.94, z0 - 0.05}, {kLeft + 0.16, 1.0, z1 + 0.05}, r.wall);
        addAxisBox(mesh, {kLeft, 1.0, (z0 + z1) / 2 - 0.03},
                   {kLeft + 0.06, 2.6, (z0 + z1) / 2 + 0.03}, r.frame);
    }
    // Skirting along the walls.
    addAxisBox(mesh, {kLeft, 0, kFront - 0.02}, {kRight, 0.1, kFront}, r.frame);
    addAxisBox(mesh, {kRight - 0.02, 0, kBack}, {kRight, 0.1, kFront}, r.frame);
    // Ceiling panels; the ones near the screen are switched off for the projection.
    for (double z : {0.8, 3.2, 5.6, 8.0}) {
        for (double x : {-2.2, 0.0, 2.2}) {
            addAxisBox(mesh, {x - 0.3, kCeiling - 0.03, z - 0.3}, {x + 0.3, kCeiling, z + 0.3},
                       z < 6 ? r.lamp : r.ceiling);
        }
    }
}

void addFrontWall(Mesh& mesh, const RoomMaterials& r) {
    const double z = kFront - 0.03;
    addAxisBox(mesh, {kScreenLeft - 0.05, kScreenBottom - 0.05, z - 0.01},
               {kScreenRight + 0.05, kScreenTop + 0.05, kFront}, r.frame);
    mesh.newPart();
    mesh.quad({kScreenLeft, kScreenBottom, z - 0.012}, {kScreenRight, kScreenBottom, z - 0.012},
              {kScreenRight, kScreenTop, z - 0.012}, {kScreenLeft, kScreenTop, z - 0.012},
              {0, 0, -1}, r.screen);
    addAxisBox(mesh, {kScreenLeft - 0.1, kScreenTop + 0.05, z - 0.06},
               {kScreenRight + 0.1, kScreenTop + 0.15, kFront}, r.frame);
    // Whiteboard to the right of the screen.
    addAxisBox(mesh, {1.15, 0.95, z - 0.015}, {3.45, 2.15, kFront}, r.metal);
    mesh.newPart();
    mesh.quad({1.2, 1.0, z - 0.02}, {3.4, 1.0, z - 0.02}, {3.4, 2.1, z - 0.02},
              {1.2, 2.1, z - 0.02}, {0, 0, -1}, r.board);
    addAxisBox(mesh, {1.2, 0.93, z - 0.08}, {3.4, 0.96, z - 0.015}, r.metal);
    // The presenter's table with a laptop, and the projector hanging from the ceiling.
    addAxisBox(mesh, {0.6, 0.72, 7.5}, {2.0, 0.76, 8.2}, r.desk);
    addAxisBox(mesh, {0.62, 0.0, 7.52}, {1.98, 0.72, 7.56}, r.desk);
    addAxisBox(mesh, {1.0, 0.76, 7.7}, {1.36, 0.78, 7.95}, r.frame);
    addBox(mesh, {1.18, 0.9, 7.96}, {0.18, 0, 0}, {0, 0.12, -0.03}, {0, 0.01, 0.005}, r.frame);
    addAxisBox(mesh, {-1.4, kCeiling - 0.7, 4.6}, {-0.98, kCeiling - 0.56, 5.0}, r.projector);
    addCylinder(mesh, {-1.19, kCeiling - 0.63, 5.0}, {-1.19, kCeiling - 0.63, 5.05}, 0.045, 16,
                r.frame);
    addCylinder(mesh, {-1.19, kCeiling - 0.56, 4.8}, {-1.19, kCeiling, 4.8}, 0.02, 8, r.metal);
}

void addDeskRow(Mesh& mesh, const RoomMaterials& r, double z, double x0, double x1) {
    // Top, modesty panel and steel legs.
    addAxisBox(mesh, {x0, 0.72, z}, {x1, 0.75, z + 0.55}, r.desk);
    addAxisBox(mesh, {x0 + 0.05, 0.35, z + 0.5}, {x1 - 0.05, 0.72, z + 0.52}, r.desk);
    for (double x : {x0 + 0.06, x1 - 0.06}) {
        addAxisBox(mesh, {x - 0.02, 0, z + 0.05}, {x + 0.02, 0.72, z + 0.5}, r.metal);
    }
}

void addChair(Mesh& mesh, const RoomMaterials& r, const Vec3& seat) {
    addAxisBox(mesh, seat + Vec3{-0.22, -0.06, -0.2}, seat + Vec3{0.22, 0, 0.22}, r.chair);
    addBox(mesh, seat + Vec3{0, 0.3, -0.25}, {0.21, 0, 0}, {0, 0.17, -0.02}, {0, 0.004, 0.025},
           r.chair);
    for (double dx : {-0.19, 0.19}) {
        addCylinder(mesh, seat + Vec3{dx, -0.06, -0.22}, seat + Vec3{dx, 0.2, -0.26}, 0.012, 6,
                    r.metal);
        for (double dz : {-0.18, 0.19}) {
            addCylinder(mesh, seat + Vec3{dx, -0.45, dz}, seat + Vec3{dx, -0.06, dz}, 0.012, 6,
                        r.metal);
        }
    }
}

struct Wardrobe {
    std::vector<Vec3> tops, trousers, skins, hair, scarves;
};

Wardrobe wardrobe() {
    Wardrobe w;
    for (std::uint32_t c : {0xe6e6e2u, 0xa8bfd8u, 0x8a8a8cu, 0x2c3650u, 0x3d4a3eu, 0x6a5542u,
                            0xc4b392u, 0xdcd6c8u, 0x4a5a78u, 0x5c5c60u}) {
        w.tops.push_back(srgb(c));
    }
    for (std::uint32_t c : {0x2a2a30u, 0x3a3a40u, 0x4a4236u, 0x22283au}) {
        w.trousers.push_back(srgb(c));
    }
    for (std::uint32_t c : {0xc69676u, 0xb58867u, 0xd4a684u, 0xa87858u}) {
        w.skins.push_back(srgb(c));
    }
    for (std::uint32_t c : {0x1c1815u, 0x141210u, 0x2e2219u, 0x7e7a74u}) {
        w.hair.push_back(srgb(c));
    }
    for (std::uint32_t c : {0x17171bu, 0x252a3au, 0x463a30u}) {
        w.scarves.push_back(srgb(c));
    }
    return w;
}

Outfit dress(MaterialList& m, const Wardrobe& w, SplitMix64& random, const Vec3& facing) {
    const auto pick = [&](const std::vector<Vec3>& from) {
        return from[static_cast<std::size_t>(random.uniform() * from.size())];
    };
    Outfit o{};
    o.top = m.plain(pick(w.tops), 0.04, 8);
    o.trousers = m.plain(pick(w.trousers), 0.03, 8);
    o.shoes = m.plain(srgb(0x1a1816), 0.3, 30);
    const Vec3 skin = pick(w.skins);
    o.skin = m.plain(skin, 0.08, 15);
    const double style = random.uniform();
    o.headwear = style < 0.2    ? Headwear::Scarf
                 : style < 0.32 ? Headwear::ThinningHair
                                : Headwear::ShortHair;
    const Vec3 hair = o.headwear == Headwear::Scarf ? pick(w.scarves) : pick(w.hair);
    if (o.headwear == Headwear::Scarf) {
        o.top = m.plain(hair * 1.3, 0.04, 8); // a long dark coat to match
    }
    o.head = headMaterial(m, facing, skin, hair, o.headwear);
    return o;
}

void addAudience(Mesh& mesh, MaterialList& m, const RoomMaterials& r) {
    const Wardrobe w = wardrobe();
    SplitMix64 random(20050814);
    const double rows[] = {1.6, 3.1, 4.6, 6.1};
    const double seatsX[2][3] = {{-3.0, -2.2, -1.4}, {0.2, 1.0, 1.8}};
    for (double zRow : rows) {
        for (const auto& block : seatsX) {
            addDeskRow(mesh, r, zRow + 0.32, block[0] - 0.4, block[2] + 0.4);
            for (double x : block) {
                const Vec3 seat{x + random.uniform(-0.05, 0.05), 0.45,
                                zRow + random.uniform(-0.04, 0.04)};
                addChair(mesh, r, seat);
                // A few seats stay empty.
                if (random.uniform() < 0.14) {
                    continue;
                }
                const Vec3 facing = normalized(Vec3{random.uniform(-0.15, 0.15), 0, 1});
                addSeatedFigure(mesh, seat, facing, dress(m, w, random, facing),
                                random.uniform(0.0, 0.06));
            }
        }
    }
}

} // namespace

QImage classroomPhoto() {
    MaterialList materials;
    const RoomMaterials room = addRoomMaterials(materials);
    Mesh mesh;
    addRoom(mesh, room);
    addFrontWall(mesh, room);
    addAudience(mesh, materials, room);

    const Vec3 presenterFacing = normalized(Vec3{0.1, 0, -1});
    Outfit presenter{};
    presenter.top = materials.plain(srgb(0xb9cce0), 0.04, 8);
    presenter.trousers = materials.plain(srgb(0x2e3038), 0.03, 8);
    presenter.shoes = materials.plain(srgb(0x161412), 0.3, 30);
    presenter.skin = materials.plain(srgb(0xc08e6c), 0.08, 15);
    presenter.head = headMaterial(materials, presenterFacing, srgb(0xc08e6c), srgb(0x1e1a17),
                                  Headwear::ShortHair);
    addStandingFigure(mesh, {0.75, 0, 7.6}, presenterFacing, presenter, {-0.5, 1.7, kFront});

    RenderOptions options;
    options.width = 461;
    options.height = 346;
    options.supersample = 2;
    options.camera = {{2.7, 1.74, 1.2}, {-0.5, 1.4, 8.6}, {0, 1, 0}, 42};
    options.lighting.towardSun = normalized({-1.0, 0.75, 0.2});
    options.lighting.sunColour = Vec3{0.55, 0.54, 0.5};
    options.lighting.shadowSoftness = 4;
    options.lighting.skyAmbient = srgb(0xd8d4c8) * 0.32;
    options.lighting.groundAmbient = srgb(0xb0a590) * 0.16;
    for (double z : {0.8, 3.2, 5.6}) {
        for (double x : {-2.2, 0.0, 2.2}) {
            options.lighting.pointLights.push_back({{x, kCeiling - 0.2, z}, Vec3{0.5, 0.5, 0.47}});
        }
    }
    options.lighting.pointLights.push_back({{-0.6, 1.9, 8.3}, Vec3{0.18, 0.18, 0.2}});
    options.occlusion = {0.35, 0.7};

    FloatImage image = render(mesh, materials.all(), options);
    colourBalance(image, {1.04, 1.0, 0.9});
    expose(image, 1.05);
    glow(image, 0.85, 3.0, 0.25);
    gaussianBlur(image, 0.5);
    vignette(image, 0.4);
    grain(image, 0.03, 2008);
    return toQImage(image);
}

} // namespace assetgen::resume
