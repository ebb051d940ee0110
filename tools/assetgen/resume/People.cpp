#include "People.h"

#include "Shapes.h"

namespace assetgen::resume {
namespace {

constexpr Vec3 kUp{0, 1, 0};

struct Body {
    Vec3 forward, side;
};

Body bodyFacing(const Vec3& forward) {
    const Vec3 f = normalized(Vec3{forward.x, 0, forward.z});
    return {f, normalized(cross(kUp, f))};
}

// A limb segment with rounded joints.
void addLimb(Mesh& mesh, const Vec3& a, const Vec3& b, double ra, double rb, int material) {
    addFrustum(mesh, a, b, ra, rb, 12, material, Caps::None);
    addSphere(mesh, b, rb, 10, 6, material);
}

// Trunk, shoulders, neck and head above the waist; returns the two shoulder joints.
std::pair<Vec3, Vec3> addUpperBody(Mesh& mesh, const Vec3& waist, const Body& body,
                                   const Outfit& outfit) {
    const Vec3 f = body.forward, r = body.side;
    addEllipsoid(mesh, waist + kUp * 0.2, r * 0.17, kUp * 0.25, f * 0.115, 18, 10, outfit.top);
    addEllipsoid(mesh, waist + kUp * 0.34, r * 0.185, kUp * 0.12, f * 0.12, 18, 8, outfit.top);
    // The shoulders slope down from the neck to the tops of the arms.
    addFrustum(mesh, waist + kUp * 0.43, waist + kUp * 0.5, 0.165, 0.06, 18, outfit.top,
               Caps::None);
    const Vec3 left = waist + kUp * 0.41 - r * 0.165, right = waist + kUp * 0.41 + r * 0.165;
    addSphere(mesh, left, 0.055, 12, 8, outfit.top);
    addSphere(mesh, right, 0.055, 12, 8, outfit.top);
    const Vec3 neck = waist + kUp * 0.46;
    addCylinder(mesh, neck, neck + kUp * 0.11, 0.048, 10, outfit.skin, Caps::None);
    addFrustum(mesh, neck, neck + kUp * 0.06, 0.07, 0.056, 14, outfit.top, Caps::None); // collar
    const Vec3 head = neck + kUp * 0.2 + f * 0.015;
    addEllipsoid(mesh, head, r * 0.079, kUp * 0.11, f * 0.097, 16, 10, outfit.head);
    if (outfit.headwear == Headwear::Scarf) {
        // The scarf falls from the head over the shoulders.
        addFrustum(mesh, head - kUp * 0.04 - f * 0.01, neck - kUp * 0.02, 0.09, 0.19, 16,
                   outfit.head, Caps::None);
    }
    return {left, right};
}

} // namespace

int headMaterial(MaterialList& materials, const Vec3& facing, const Vec3& skin, const Vec3& hair,
                 Headwear headwear) {
    const Vec3 f = normalized(Vec3{facing.x, 0, facing.z});
    return materials.patterned(
        [f, skin, hair, headwear](const SurfacePoint& s) {
            const double front = dot(s.normal, f), up = s.normal.y;
            double covered;
            if (headwear == Headwear::Scarf) {
                // Only the face shows, framed by the scarf.
                covered =
                    1 - smoothstep(0.45, 0.6, front) * (1 - smoothstep(0.35, 0.5, std::abs(up)));
            } else {
                const double hairline = headwear == Headwear::ThinningHair ? 0.75 : 0.5;
                // The hair reaches lowest at the back and rises toward the forehead.
                const double edge = mix(-0.45, hairline, smoothstep(-0.3, 0.45, front));
                covered = smoothstep(edge - 0.08, edge + 0.08, up);
                if (headwear == Headwear::ThinningHair) {
                    covered *= 1 - 0.6 * smoothstep(0.7, 0.95, up);
                }
            }
            // Shadowed eyes under the brows give the face its direction.
            const double eyes =
                smoothstep(0.72, 0.86, front) * (1 - smoothstep(0.03, 0.08, std::abs(up - 0.12)));
            return mix(mix(skin, skin * 0.45, eyes), hair, covered);
        },
        0.05, 12);
}

void addSeatedFigure(Mesh& mesh, const Vec3& seat, const Vec3& forward, const Outfit& outfit,
                     double lean) {
    const Body body = bodyFacing(forward);
    const Vec3 f = body.forward, r = body.side;
    // Hips and legs.
    addEllipsoid(mesh, seat + kUp * 0.1 + f * 0.02, r * 0.18, kUp * 0.11, f * 0.15, 14, 8,
                 outfit.trousers);
    for (double side : {-1.0, 1.0}) {
        const Vec3 hip = seat + kUp * 0.09 + r * (0.095 * side) + f * 0.05;
        const Vec3 knee = hip + f * 0.4 + r * (0.02 * side);
        const Vec3 ankle = knee - kUp * 0.42 + f * 0.03;
        addLimb(mesh, hip, knee, 0.08, 0.062, outfit.trousers);
        addLimb(mesh, knee, ankle, 0.058, 0.045, outfit.trousers);
        addEllipsoid(mesh, ankle - kUp * 0.01 + f * 0.06, r * 0.05, kUp * 0.04, f * 0.13, 10, 6,
                     outfit.shoes);
    }
    // Upper body, leaning toward the desk; forearms resting on it.
    const auto [left, right] = addUpperBody(mesh, seat + kUp * 0.12 + f * lean, body, outfit);
    for (double side : {-1.0, 1.0}) {
        const Vec3 shoulder = side < 0 ? left : right;
        const Vec3 elbow = seat + kUp * 0.34 + f * 0.25 + r * (0.21 * side);
        const Vec3 wrist = seat + kUp * 0.33 + f * 0.5 + r * (0.09 * side);
        addLimb(mesh, shoulder, elbow, 0.052, 0.046, outfit.top);
        addLimb(mesh, elbow, wrist, 0.044, 0.035, outfit.top);
        addEllipsoid(mesh, wrist + f * 0.06, r * 0.04, kUp * 0.022, f * 0.07, 8, 6, outfit.skin);
    }
}

void addStandingFigure(Mesh& mesh, const Vec3& feet, const Vec3& forward, const Outfit& outfit,
                       const Vec3& pointAt) {
    const Body body = bodyFacing(forward);
    const Vec3 f = body.forward, r = body.side;
    for (double side : {-1.0, 1.0}) {
        const Vec3 ankle = feet + r * (0.1 * side) + kUp * 0.08;
        const Vec3 knee = feet + r * (0.1 * side) + kUp * 0.5 + f * 0.01;
        const Vec3 hip = feet + r * (0.095 * side) + kUp * 0.92;
        addLimb(mesh, ankle, knee, 0.05, 0.062, outfit.trousers);
        addLimb(mesh, knee, hip, 0.064, 0.085, outfit.trousers);
        addEllipsoid(mesh, feet + r * (0.1 * side) + kUp * 0.04 + f * 0.05, r * 0.052, kUp * 0.042,
                     f * 0.13, 10, 6, outfit.shoes);
    }
    addEllipsoid(mesh, feet + kUp * 0.96, r * 0.175, kUp * 0.13, f * 0.12, 14, 8, outfit.trousers);
    const auto [left, right] = addUpperBody(mesh, feet + kUp * 1.0, body, outfit);

    // The arm nearer the target points; the other hangs, hand slightly forward.
    const double pointingSide = length(pointAt - right) < length(pointAt - left) ? 1.0 : -1.0;
    for (double side : {-1.0, 1.0}) {
        const Vec3 shoulder = side < 0 ? left : right;
        Vec3 elbow, wrist;
        if (side == pointingSide) {
            const Vec3 aim = normalized(pointAt - shoulder);
            elbow = shoulder + aim * 0.3;
            wrist = elbow + aim * 0.27;
        } else {
            elbow = shoulder - kUp * 0.29 + r * (0.04 * side);
            wrist = elbow - kUp * 0.18 + f * 0.18;
        }
        addLimb(mesh, shoulder, elbow, 0.052, 0.046, outfit.top);
        addLimb(mesh, elbow, wrist, 0.044, 0.035, outfit.top);
        addEllipsoid(mesh, wrist + normalized(wrist - elbow) * 0.06, r * 0.035, kUp * 0.045,
                     f * 0.045, 8, 6, outfit.skin);
    }
}

} // namespace assetgen::resume
