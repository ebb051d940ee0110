// The title block in the sheet's bottom-right corner: the firm, the project, the drawing's title,
// number and scale, and who drew, checked and approved it when.
#pragma once

#include "Drafter.h"

#include <QRectF>

namespace assetgen::sheets {

struct TitleBlockFields {
    QString project;
    QString title;
    QString subtitle;
    QString drawingNumber;
    QString scale;
    QString date;
    QString checkedBy;
    QString revision = QStringLiteral("0");
    QString sheet = QStringLiteral("1 OF 1");
};

// Standard height of the block, so sheets can stack their parts lists on top of it.
inline constexpr double kTitleBlockHeight = 72;

void drawTitleBlock(const Drafter& paper, QRectF area, const TitleBlockFields& fields);

} // namespace assetgen::sheets
