// Writes the résumé window's pictures.
#include "Artwork.h"
#include "ResumePictures.h"

namespace assetgen::resume {
namespace {

constexpr QRgb kNavy = qRgb(0, 0, 0x80);
constexpr QRgb kWhite = qRgb(255, 255, 255);

void writeKeyed(AssetOutput& out, const QString& path, const QImage& image, QSize size, QRgb key) {
    requireKeyAtBottomLeft(image, key, path);
    out.bitmap(path, image, size);
}

void drawResume(AssetOutput& out) {
    out.jpeg("Form3/Image8.jpg", steelFramePhoto(), {486, 363}, 85);
    out.jpeg("Form3/Image9.jpg", classroomPhoto(), {461, 346}, 85);
    out.jpeg("Form3/Image10.jpg", pipingHallPhoto(), {471, 353}, 85);
    out.jpeg("Form3/Image11.jpg", plantModelRendering(), {971, 665}, 90);
    const QImage background = windowBackground();
    out.jpeg("Form3/Image2.jpg", background, {684, 459}, 90);
    writeKeyed(out, "Form3/Image12.bmp", contactBand(background), {509, 50}, kNavy);
    writeKeyed(out, "Form3/Image13.bmp", industriesPanel(background), {112, 182}, kNavy);
    writeKeyed(out, "Form3/BitBtn1.bmp", arrowBadge(Arrow::Up), {38, 39}, kWhite);
    writeKeyed(out, "Form3/BitBtn2.bmp", arrowBadge(Arrow::Down), {38, 39}, kWhite);
}

const DrawerRegistration registration{"resume", &drawResume};

} // namespace
} // namespace assetgen::resume
