// The orange seven-segment date that a compact camera prints into the corner of its pictures.
#pragma once

#include <QImage>
#include <QString>

namespace assetgen::resume {

// Digits and slashes of `text`, right-aligned so that the last digit ends at `right`, with
// their baseline at `bottom`.
void stampDate(QImage& photo, const QString& text, double right, double bottom, double digitHeight);

} // namespace assetgen::resume
