// Writes the résumé window's pictures: the slide photographs, which take a while to render, and
// the window's own pictures, drawn at the designed size and at twice the pixels.
#include "Artwork.h"
#include "Resolution.h"
#include "ResumePictures.h"

namespace assetgen::resume {
namespace {

constexpr QRgb kNavy = qRgb(0, 0, 0x80);
constexpr QRgb kWhite = qRgb(255, 255, 255);

void drawPhotos(AssetOutput& out) {
    out.jpeg("Form3/Image8.jpg", steelFramePhoto(), {486, 363}, 85);
    out.jpeg("Form3/Image9.jpg", classroomPhoto(), {461, 346}, 85);
    out.jpeg("Form3/Image10.jpg", pipingHallPhoto(), {471, 353}, 85);
    out.jpeg("Form3/Image11.jpg", plantModelRendering(), {971, 665}, 90);
}

void writeKeyed(AssetOutput& out, const QString& name, const QImage& image, QSize size, QRgb key,
                int scale) {
    requireKeyAtBottomLeft(image, key, name);
    out.unscaled(name, image, size, scale);
}

void drawWindowPictures(AssetOutput& out) {
    for (const int scale : kScales) {
        const QImage background = windowBackground(scale);
        const QSize backgroundSize{684, 459};
        out.jpeg(scaledName("Form3/Image2", scale) + ".jpg", background, backgroundSize * scale,
                 90);
        writeKeyed(out, "Form3/Image12", contactBand(background, scale), {509, 50}, kNavy, scale);
        writeKeyed(out, "Form3/Image13", industriesPanel(background, scale), {112, 182}, kNavy,
                   scale);
        writeKeyed(out, "Form3/BitBtn1", arrowBadge(Arrow::Up, scale), {38, 39}, kWhite, scale);
        writeKeyed(out, "Form3/BitBtn2", arrowBadge(Arrow::Down, scale), {38, 39}, kWhite, scale);
    }
}

const DrawerRegistration photos{"photos", &drawPhotos};
const DrawerRegistration windowPictures{"resume", &drawWindowPictures};

} // namespace
} // namespace assetgen::resume
