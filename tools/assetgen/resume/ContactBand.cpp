// The contact band along the foot of the résumé window: the company's name, web address,
// e-mail, telephone and fax in white, on the navy key.
#include "KeyedArtwork.h"
#include "Resolution.h"
#include "ResumePictures.h"

#include <QFont>
#include <QPainter>

namespace assetgen::resume {

QImage contactBand(const QImage& windowBackdrop, int scale) {
    QImage content = transparentCanvas({509, 50}, scale);
    QPainter p(&content);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.setPen(Qt::white);
    const QString dot = QStringLiteral("   \u2022   ");
    // Only the top 46 rows show in the window; both lines sit well inside them.
    p.drawText(QRect(0, 2, 509, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("VORDEK Engineering Co.") + dot + QStringLiteral("www.vordek.ir") +
                   dot + QStringLiteral("info@vordek.ir"));
    p.drawText(QRect(0, 23, 509, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Tel: 021-555 0147") + dot + QStringLiteral("Fax: 021-555 0148"));
    p.end();
    return keyedOver(content, windowBackdrop, QPoint(61, 342) * scale, qRgb(0, 0, 0x80));
}

} // namespace assetgen::resume
