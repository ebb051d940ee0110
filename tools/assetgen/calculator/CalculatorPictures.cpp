// The calculator window's pictures: steel panel, schedule thumbnails and diagrams, the maker's
// emblem and name, and the glyphs of its two buttons.
#include "Artwork.h"
#include "CogEmblem.h"
#include "InspectionGlyph.h"
#include "NameBanner.h"
#include "PencilGlyph.h"
#include "PipeDiagram.h"
#include "PipeThumbnail.h"
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
    {"Form1/Image1.bmp", 40.0, "Form1/Image6.bmp", {60, 290}}, // Sch 10
    {"Form1/Image2.bmp", 36.0, "Form1/Image5.bmp", {56, 290}}, // Sch 40
    {"Form1/Image3.bmp", 33.0, "Form1/Image7.bmp", {61, 294}}, // Sch STD
    {"Form1/Image4.bmp", 27.0, "Form1/Image8.bmp", {59, 292}}, // Sch 80
};

void drawCalculatorPictures(AssetOutput& out) {
    const QImage steel = brushedSteel();
    out.bitmap(QStringLiteral("Form1/Image9.bmp"), steel, {384, 376});
    for (const SchedulePictures& schedule : kSchedules) {
        out.bitmap(QString::fromLatin1(schedule.thumbnail), pipeThumbnail(schedule.holeDiameter),
                   {55, 55});
        const double boreRatio = schedule.holeDiameter / kThumbnailOuterDiameter;
        out.bitmap(QString::fromLatin1(schedule.diagram),
                   pipeDiagram(boreRatio, schedule.diagramOnWindow, steel), {273, 145});
    }
    out.bitmap(QStringLiteral("Form1/Image10.bmp"), cogEmblem(), {48, 48});
    out.bitmap(QStringLiteral("Form1/Image11.bmp"), nameBanner(), {239, 30});
    out.bitmap(QStringLiteral("Form1/BitBtn1.bmp"), pencilGlyph(), {32, 32});
    out.bitmap(QStringLiteral("Form1/BitBtn2.bmp"), inspectionGlyph(), {34, 34});
}

const DrawerRegistration registration{"calculator", &drawCalculatorPictures};

} // namespace
} // namespace assetgen::calculator
