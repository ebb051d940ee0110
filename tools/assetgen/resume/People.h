// Simple human figures of average proportions, built from ellipsoids and rounded limbs, for
// the photographs with people in them.
#pragma once

#include "MaterialList.h"
#include "Mesh.h"

namespace assetgen::resume {

enum class Headwear { ShortHair, ThinningHair, Scarf };

struct Outfit {
    int top; // shirt or jacket
    int trousers;
    int shoes;
    int skin;
    int head; // from headMaterial()
    Headwear headwear = Headwear::ShortHair;
};

// A head whose hair (or scarf) covers the back and top; `facing` is where the face looks.
int headMaterial(MaterialList& materials, const Vec3& facing, const Vec3& skin, const Vec3& hair,
                 Headwear headwear);

// A person sitting on a seat whose top centre is `seat`, facing `forward` (horizontal), with
// forearms resting on a desk in front at seat height + 0.3.
void addSeatedFigure(Mesh& mesh, const Vec3& seat, const Vec3& forward, const Outfit& outfit,
                     double lean);

// A person standing at `feet`, facing `forward`, pointing with one hand at `pointAt`.
void addStandingFigure(Mesh& mesh, const Vec3& feet, const Vec3& forward, const Outfit& outfit,
                       const Vec3& pointAt);

} // namespace assetgen::resume
