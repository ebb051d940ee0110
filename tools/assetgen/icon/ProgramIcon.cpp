// The program icon MAINICON: the same picture at the five sizes the desktop asks for. The
// windows take it from MAINICON.ico, whose bitmaps need no decoding at start-up; the Windows
// program file carries Windows/MAINICON.ico, the same images as PNG, for Explorer and the
// taskbar.
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
    out.file(QStringLiteral("MAINICON.ico"), icoFile(images, IconEntries::Bitmaps));
    out.file(QStringLiteral("Windows/MAINICON.ico"), icoFile(images, IconEntries::Png));
}

const DrawerRegistration registration{"icon", &drawProgramIcon};

} // namespace
} // namespace assetgen::icon
