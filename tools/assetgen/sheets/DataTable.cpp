#include "DataTable.h"

namespace assetgen::sheets {

double drawDataTable(const Drafter& paper, QPointF topLeft, double keyWidth, double valueWidth,
                     const QString& heading, const DataRows& rows) {
    constexpr double row = 8;
    const double left = topLeft.x(), right = left + keyWidth + valueWidth;
    double y = topLeft.y();
    paper.text({(left + right) / 2, y + row / 2 + 0.5}, heading, {6, true},
               Qt::AlignHCenter | Qt::AlignVCenter);
    for (const auto& [key, value] : rows) {
        y += row;
        paper.line({left, y}, {right, y}, Stroke::Thin);
        paper.text({left + 2, y + row / 2 + 0.5}, key, {6}, Qt::AlignLeft | Qt::AlignVCenter);
        paper.text({left + keyWidth + 2, y + row / 2 + 0.5}, value, {6},
                   Qt::AlignLeft | Qt::AlignVCenter);
    }
    y += row;
    paper.line({left + keyWidth, topLeft.y() + row}, {left + keyWidth, y}, Stroke::Thin);
    paper.box(topLeft, {right, y}, Stroke::Visible);
    return y;
}

} // namespace assetgen::sheets
