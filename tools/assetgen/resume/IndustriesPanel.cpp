// The panel beside the slides naming the industries served, in yellow Persian lettering on
// the navy key.
#include "KeyedArtwork.h"
#include "Resolution.h"
#include "ResumePictures.h"

#include <QFont>
#include <QPainter>
#include <QTextOption>

namespace assetgen::resume {

QImage industriesPanel(const QImage& windowBackdrop, int scale) {
    constexpr int kWidth = 112, kHeight = 182, kLines = 6;
    const char* const industries[kLines] = {
        "کارخانجات سيمان", "کارخانجات آرد",   "توليد آسفالت",
        "معادن",           "ذوب آهن و فولاد", "ترمينالهاي بارگيري ...",
    };
    QImage content = transparentCanvas({kWidth, kHeight}, scale);
    QPainter p(&content);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setLayoutDirection(Qt::RightToLeft);
    QFont font(QStringLiteral("Titr"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.setPen(QColor(255, 226, 0));
    QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    option.setTextDirection(Qt::RightToLeft);
    // The window's arrow buttons cover the panel's left 12 columns beside the first four
    // lines; right-aligned at this size, those lines stay clear of them.
    const double pitch = static_cast<double>(kHeight) / kLines;
    for (int i = 0; i < kLines; ++i) {
        p.drawText(QRectF(0, i * pitch, kWidth - 3, pitch), QString::fromUtf8(industries[i]),
                   option);
    }
    p.end();
    return keyedOver(content, windowBackdrop, QPoint(472, 88) * scale, qRgb(0, 0, 0x80));
}

} // namespace assetgen::resume
