#include "NameBanner.h"

#include "KeyedPicture.h"
#include "Resolution.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace assetgen::calculator {

QImage nameBanner(int scale) {
    QImage content = transparentCanvas({239, 30}, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);

    // The condensed lettering is the plain, unhinted face's outlines narrowed here: Debian's
    // DejaVu has no condensed face, and the one Qt makes up for QFont::Condensed has other
    // advances in other Qt versions.
    const QTransform condensed = QTransform::fromScale(0.75, 1.0);
    constexpr double kBaseline = 24.0;
    QPainterPath name;
    name.addText(0.0, kBaseline, font, QStringLiteral("VORDEK"));
    name = condensed.map(name).translated(1.0, 0.0);
    QPainterPath trade;
    trade.addText(0.0, kBaseline, font, QStringLiteral("ENGINEERING"));
    trade = condensed.map(trade).translated(name.boundingRect().right() + 7.0, 0.0);

    QPainter painter(&content);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(name.united(trade).translated(1.0, 1.0), QColor(0xA8, 0xAC, 0xB4));
    painter.fillPath(name, QColor(0x1C, 0x31, 0x60));
    painter.fillPath(trade, QColor(0x38, 0x3C, 0x44));
    painter.end();
    return keyedOver(content, kButtonFace, qRgb(0x00, 0xFF, 0xFF), QStringLiteral("name banner"));
}

} // namespace assetgen::calculator
