// Writes the drawing sheets of slides 1 to 6.
#include "Artwork.h"
#include "Sheets.h"

namespace assetgen::sheets {
namespace {

// Fine line work rings at lower settings; this keeps the lines clean.
constexpr int kQuality = 94;

void drawSheets(AssetOutput& out) {
    out.jpeg(QStringLiteral("Form3/Image1.jpg"), beltConveyorSheet(), {609, 429}, kQuality);
    out.jpeg(QStringLiteral("Form3/Image3.jpg"), screwConveyorSheet(), {555, 392}, kQuality);
    out.jpeg(QStringLiteral("Form3/Image4.jpg"), bucketElevatorSheet(), {552, 389}, kQuality);
    out.jpeg(QStringLiteral("Form3/Image5.jpg"), dragChainSheet(), {551, 387}, kQuality);
    out.jpeg(QStringLiteral("Form3/Image6.jpg"), storageBinSheet(), {619, 438}, kQuality);
    out.jpeg(QStringLiteral("Form3/Image7.jpg"), ductAssemblySheet(), {493, 346}, kQuality);
}

const DrawerRegistration registration{"sheets", &drawSheets};

} // namespace
} // namespace assetgen::sheets
