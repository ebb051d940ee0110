// A blank drawing sheet: white paper of the picture's size with a painter and a sheet Drafter.
#pragma once

#include "Drafter.h"

#include <QImage>
#include <QPainter>

namespace assetgen::sheets {

class SheetCanvas {
public:
    explicit SheetCanvas(QSize size);
    SheetCanvas(const SheetCanvas&) = delete;
    SheetCanvas& operator=(const SheetCanvas&) = delete;

    const Drafter& paper() const { return paper_; }
    QSize size() const { return image_.size(); }

    // Ends the painting and hands over the finished picture.
    QImage finish();

private:
    QImage image_;
    QPainter painter_;
    Drafter paper_;
};

} // namespace assetgen::sheets
