// The Windows installer's pictures, made of the program's own artwork: beside its welcome and
// finish pages the calculator's brushed steel with the program icon's pen and paper over the
// pipe of the length diagram; in the header of its other pages the same steel fading into the
// header's white, with the pen and paper.
#include "Artwork.h"
#include "calculator/PipeDiagram.h"
#include "calculator/SteelTexture.h"
#include "icon/PenOnPaper.h"

#include <QLinearGradient>
#include <QPainter>

namespace assetgen::installer {
namespace {

// The sizes the installer's pages are laid out for at 96 dpi; it stretches the pictures to its
// controls at other densities.
constexpr QSize kWizardSize{164, 314};
constexpr QSize kHeaderSize{150, 57};

// The calculator's Sch 80 diagram with its black key made transparent, so that it can be laid
// over the steel at another size.
QImage pipeOverSteel(const QImage& steel) {
    constexpr double kSch80BoreRatio = 27.0 / 45.0;
    QImage pipe = calculator::pipeDiagram(kSch80BoreRatio, {59, 292}, steel, 1)
                      .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pipe.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pipe.scanLine(y));
        for (int x = 0; x < pipe.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0) {
                line[x] = 0;
            }
        }
    }
    return pipe;
}

// The steel's lighter right-hand part, which the lighting of the drawings over it suits.
QImage steelPiece(const QImage& steel, QSize size) {
    return steel.copy(QRect(QPoint(steel.width() - size.width(), 0), size));
}

QImage wizardPicture(const QImage& steel) {
    QImage image = steelPiece(steel, kWizardSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(18, 36), icon::penOnPaper(128));
    const QImage pipe = pipeOverSteel(steel);
    const double width = kWizardSize.width();
    painter.drawImage(QRectF(0, 206, width, pipe.height() * width / pipe.width()), pipe);
    return image;
}

QImage headerPicture(const QImage& steel) {
    QImage image = steelPiece(steel, kHeaderSize);
    QPainter painter(&image);
    QLinearGradient fade(0, 0, kHeaderSize.width(), 0);
    fade.setColorAt(0.3, QColor(0xFF, 0xFF, 0xFF, 0));
    fade.setColorAt(1.0, Qt::white);
    painter.fillRect(image.rect(), fade);
    painter.drawImage(QPoint(36, 5), icon::penOnPaper(48));
    return image;
}

void drawInstallerPictures(AssetOutput& out) {
    const QImage steel = calculator::brushedSteel(1);
    out.bitmap(QStringLiteral("Installer/Wizard.bmp"), wizardPicture(steel), kWizardSize);
    out.bitmap(QStringLiteral("Installer/Header.bmp"), headerPicture(steel), kHeaderSize);
}

const DrawerRegistration registration{"installer", &drawInstallerPictures};

} // namespace
} // namespace assetgen::installer
