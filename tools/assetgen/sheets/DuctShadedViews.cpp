// Shaded model views of the two bends of the duct run.
#include "Annotation.h"
#include "DuctAssembly.h"
#include "ShadedBend.h"

namespace assetgen::sheets::duct {

void drawShadedViews(const Drafter& paper) {
    const BendModel bend{kBendRadius, kRadius, 90, 3, 900};
    drawShadedBend(paper.painter(), {341, 88}, 0.0205, bend, {-32, 24});
    viewTitle(paper, {341, 162}, QStringLiteral("BEND B1 - 3D VIEW"),
              QStringLiteral("90°, R1800, 3+2 GORES"));
    drawShadedBend(paper.painter(), {436, 88}, 0.0205, bend, {145, -20});
    viewTitle(paper, {436, 162}, QStringLiteral("BEND B2 - 3D VIEW"),
              QStringLiteral("SEEN FROM BELOW"));
}

} // namespace assetgen::sheets::duct
