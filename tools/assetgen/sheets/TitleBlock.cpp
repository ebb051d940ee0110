#include "TitleBlock.h"

#include "CompanyMark.h"

namespace assetgen::sheets {
namespace {

const TextStyle kCaption{5};
const TextStyle kValue{6};

// A cell with its caption in the top-left corner and the value below it.
void cell(const Drafter& paper, QRectF r, const QString& caption, const QString& value,
          TextStyle valueStyle = kValue) {
    paper.box(r.topLeft(), r.bottomRight(), Stroke::Thin);
    paper.text(r.topLeft() + QPointF(1.5, 1.5), caption, kCaption, Qt::AlignLeft | Qt::AlignTop);
    paper.text({r.center().x(), r.bottom() - 2}, value, valueStyle,
               Qt::AlignHCenter | Qt::AlignBottom);
}

} // namespace

void drawTitleBlock(const Drafter& paper, QRectF area, const TitleBlockFields& fields) {
    const double x0 = area.left(), x1 = area.right(), w = area.width();
    const double rows[] = {area.top(),      area.top() + 20, area.top() + 29,
                           area.top() + 47, area.top() + 60, area.bottom()};

    // The firm.
    const QRectF markBox(QPointF(x0, rows[0]), QPointF(x0 + 20, rows[1]));
    drawCompanyMark(paper, markBox.adjusted(2, 2, -2, -2));
    paper.line({x0 + 20, rows[0]}, {x0 + 20, rows[1]}, Stroke::Thin);
    paper.text({x0 + 23, rows[0] + 9}, QStringLiteral("VORDEK ENGINEERING CO."), {8, true});
    paper.text({x1 - 3, rows[0] + 9.5}, QStringLiteral("مهندسی وردک"), {10, true, "Nazli"},
               Qt::AlignRight | Qt::AlignBottom);
    paper.text({x0 + 23, rows[1] - 3},
               QStringLiteral("www.vordek.ir   info@vordek.ir   Tel 021-555 0147"), {5});

    // Project and drawing title.
    paper.line({x0, rows[1]}, {x1, rows[1]}, Stroke::Visible);
    paper.text({x0 + 2, rows[2] - 2.5}, QStringLiteral("PROJECT:"), kCaption);
    paper.text({x0 + 30, rows[2] - 2.5}, fields.project, kValue);
    paper.line({x0, rows[2]}, {x1, rows[2]}, Stroke::Thin);
    paper.text({x0 + 2, rows[2] + 2}, QStringLiteral("TITLE:"), kCaption,
               Qt::AlignLeft | Qt::AlignTop);
    paper.text({x0 + w / 2 + 8, rows[2] + 9}, fields.title, {7, true},
               Qt::AlignHCenter | Qt::AlignBottom);
    paper.text({x0 + w / 2 + 8, rows[3] - 2}, fields.subtitle, kValue,
               Qt::AlignHCenter | Qt::AlignBottom);

    // Who and when.
    const double c = w / 5;
    cell(paper, QRectF(QPointF(x0, rows[3]), QPointF(x0 + c, rows[4])), QStringLiteral("DRAWN"),
         QStringLiteral("K. FARAHMAND"), {5});
    cell(paper, QRectF(QPointF(x0 + c, rows[3]), QPointF(x0 + 2 * c, rows[4])),
         QStringLiteral("CHECKED"), fields.checkedBy, {5});
    cell(paper, QRectF(QPointF(x0 + 2 * c, rows[3]), QPointF(x0 + 3 * c, rows[4])),
         QStringLiteral("APPROVED"), QStringLiteral("K. FARAHMAND"), {5});
    cell(paper, QRectF(QPointF(x0 + 3 * c, rows[3]), QPointF(x0 + 4 * c, rows[4])),
         QStringLiteral("DATE"), fields.date);
    cell(paper, QRectF(QPointF(x0 + 4 * c, rows[3]), QPointF(x1, rows[4])), QStringLiteral("SCALE"),
         fields.scale);

    // The number the drawing is filed under.
    cell(paper, QRectF(QPointF(x0, rows[4]), QPointF(x0 + 3 * c, rows[5])),
         QStringLiteral("DRAWING No."), fields.drawingNumber, {8, true});
    cell(paper, QRectF(QPointF(x0 + 3 * c, rows[4]), QPointF(x0 + 4 * c, rows[5])),
         QStringLiteral("SHEET"), fields.sheet);
    cell(paper, QRectF(QPointF(x0 + 4 * c, rows[4]), QPointF(x1, rows[5])), QStringLiteral("REV."),
         fields.revision, {7, true});

    paper.box(area.topLeft(), area.bottomRight(), Stroke::Heavy);
}

} // namespace assetgen::sheets
