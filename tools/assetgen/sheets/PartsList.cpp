#include "PartsList.h"

namespace assetgen::sheets {
namespace {

constexpr double kRow = 8;
const TextStyle kEntry{6};

struct Columns {
    double item, description, quantity, material, weight, end;
};

void row(const Drafter& paper, const Columns& c, double top, const QString& item,
         const QString& description, const QString& quantity, const QString& material,
         const QString& weight, TextStyle style) {
    const double middle = top + kRow / 2 + 0.5;
    paper.text({(c.item + c.description) / 2, middle}, item, style,
               Qt::AlignHCenter | Qt::AlignVCenter);
    paper.text({c.description + 2, middle}, description, style, Qt::AlignLeft | Qt::AlignVCenter);
    paper.text({(c.quantity + c.material) / 2, middle}, quantity, style,
               Qt::AlignHCenter | Qt::AlignVCenter);
    paper.text({c.material + 2, middle}, material, style, Qt::AlignLeft | Qt::AlignVCenter);
    paper.text({c.end - 2, middle}, weight, style, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

double drawPartsList(const Drafter& paper, double left, double right, double bottom,
                     const QList<Part>& parts) {
    const Columns c{left, left + 13, right - 26 - 44 - 14, right - 26 - 44, right - 26, right};
    const double top = bottom - kRow * (parts.size() + 2);

    // Title strip, entries numbered upwards, then the column headings on the bottom row.
    paper.text({(left + right) / 2, top + kRow / 2 + 0.5}, QStringLiteral("PARTS LIST"), {6, true},
               Qt::AlignHCenter | Qt::AlignVCenter);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        const double rowTop = bottom - kRow * (static_cast<double>(i) + 2);
        row(paper, c, rowTop, QString::number(i + 1), part.description,
            QString::number(part.quantity), part.material, part.weight, kEntry);
        paper.line({left, rowTop}, {right, rowTop}, Stroke::Thin);
    }
    row(paper, c, bottom - kRow, QStringLiteral("ITEM"), QStringLiteral("DESCRIPTION"),
        QStringLiteral("QTY"), QStringLiteral("MATERIAL"), QStringLiteral("WT kg"), {5, true});
    paper.line({left, bottom - kRow}, {right, bottom - kRow}, Stroke::Visible);
    for (double x : {c.description, c.quantity, c.material, c.weight}) {
        paper.line({x, top + kRow}, {x, bottom}, Stroke::Thin);
    }
    paper.box({left, top}, {right, bottom}, Stroke::Visible);
    return top;
}

} // namespace assetgen::sheets
