// The program icon MAINICON: the same picture at the five sizes the desktop asks for.
#include "Artwork.h"
#include "IcoFile.h"
#include "PenOnPaper.h"

namespace assetgen::icon {
namespace {

void drawProgramIcon(AssetOutput& out) {
    QList<QImage> images;
    for (const int size : {128, 96, 64, 48, 32}) {
        images.append(penOnPaper(size));
    }
    out.file(QStringLiteral("MAINICON.ico"), icoFile(images));
}

const DrawerRegistration registration{"icon", &drawProgramIcon};

} // namespace
} // namespace assetgen::icon
