#include "SheetFrame.h"

namespace assetgen::sheets {

QRectF drawSheetFrame(const Drafter& paper, QSize size, int zonesAcross, int zonesDown) {
    // The wider left margin is the binding edge.
    const QRectF inner(QPointF(15, 8), QPointF(size.width() - 9, size.height() - 9));
    const QRectF trim(QPointF(2, 2), QPointF(size.width() - 3, size.height() - 3));
    paper.box(trim.topLeft(), trim.bottomRight(), Stroke::Thin);
    paper.box(inner.topLeft(), inner.bottomRight(), Stroke::Heavy);
    const TextStyle zoneText{6};
    for (int i = 0; i < zonesAcross; ++i) {
        const double x0 = inner.left() + inner.width() * i / zonesAcross;
        const double x1 = inner.left() + inner.width() * (i + 1) / zonesAcross;
        if (i > 0) {
            paper.line({x0, trim.top()}, {x0, inner.top()}, Stroke::Thin);
            paper.line({x0, inner.bottom()}, {x0, trim.bottom()}, Stroke::Thin);
        }
        const QString label = QString::number(zonesAcross - i);
        paper.text({(x0 + x1) / 2, (trim.top() + inner.top()) / 2 + 0.5}, label, zoneText,
                   Qt::AlignHCenter | Qt::AlignVCenter);
        paper.text({(x0 + x1) / 2, (trim.bottom() + inner.bottom()) / 2 + 0.5}, label, zoneText,
                   Qt::AlignHCenter | Qt::AlignVCenter);
    }
    for (int j = 0; j < zonesDown; ++j) {
        const double y0 = inner.top() + inner.height() * j / zonesDown;
        const double y1 = inner.top() + inner.height() * (j + 1) / zonesDown;
        if (j > 0) {
            paper.line({trim.left(), y0}, {inner.left(), y0}, Stroke::Thin);
            paper.line({inner.right(), y0}, {trim.right(), y0}, Stroke::Thin);
        }
        const QString label(QChar(u'A' + zonesDown - 1 - j));
        paper.text({(trim.left() + inner.left()) / 2 + 0.5, (y0 + y1) / 2}, label, zoneText,
                   Qt::AlignHCenter | Qt::AlignVCenter);
        paper.text({(trim.right() + inner.right()) / 2 + 0.5, (y0 + y1) / 2}, label, zoneText,
                   Qt::AlignHCenter | Qt::AlignVCenter);
    }
    return inner;
}

} // namespace assetgen::sheets
