// The calculator window's pictures: steel panel, schedule thumbnails and diagrams, the maker's
// emblem and name, and the glyphs of its two buttons.
#include "Artwork.h"
#include "CogEmblem.h"
#include "InspectionGlyph.h"
#include "NameBanner.h"
#include "PencilGlyph.h"
#include "PipeDiagram.h"
#include "PipeThumbnail.h"
#include "Resolution.h"
#include "SteelTexture.h"

namespace assetgen::calculator {
namespace {

struct SchedulePictures {
    const char* thumbnail;
    double holeDiameter; // of the thumbnail's ring, whose wall the diagram repeats
    const char* diagram;
    QPoint diagramOnWindow;
};

constexpr SchedulePictures kSchedules[] = {
    {"Form1/Image1", 40.0, "Form1/Image6", {60, 290}}, // Sch 10
    {"Form1/Image2", 36.0, "Form1/Image5", {56, 290}}, // Sch 40
    {"Form1/Image3", 33.0, "Form1/Image7", {61, 294}}, // Sch STD
    {"Form1/Image4", 27.0, "Form1/Image8", {59, 292}}, // Sch 80
};

void drawAtScale(AssetOutput& out, int scale) {
    const QImage steel = brushedSteel(scale);
    out.unscaled(QStringLiteral("Form1/Image9"), steel, {384, 376}, scale);
    for (const SchedulePictures& schedule : kSchedules) {
        out.unscaled(QString::fromLatin1(schedule.thumbnail),
                     pipeThumbnail(schedule.holeDiameter, scale), {55, 55}, scale);
        const double boreRatio = schedule.holeDiameter / kThumbnailOuterDiameter;
        out.unscaled(QString::fromLatin1(schedule.diagram),
                     pipeDiagram(boreRatio, schedule.diagramOnWindow, steel, scale), {273, 145},
                     scale);
    }
    out.unscaled(QStringLiteral("Form1/Image10"), cogEmblem(scale), {48, 48}, scale);
    out.unscaled(QStringLiteral("Form1/Image11"), nameBanner(scale), {239, 30}, scale);
    out.unscaled(QStringLiteral("Form1/BitBtn1"), pencilGlyph(scale), {32, 32}, scale);
    out.unscaled(QStringLiteral("Form1/BitBtn2"), inspectionGlyph(scale), {34, 34}, scale);
}

void drawCalculatorPictures(AssetOutput& out) {
    for (const int scale : kScales) {
        drawAtScale(out, scale);
    }
}

const DrawerRegistration registration{"calculator", &drawCalculatorPictures};

} // namespace
} // namespace assetgen::calculator
