#include "SheetCanvas.h"

namespace assetgen::sheets {

SheetCanvas::SheetCanvas(QSize size)
    : image_(size, QImage::Format_RGB32), painter_(), paper_(painter_) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QImage SheetCanvas::finish() {
    painter_.end();
    return image_;
}

} // namespace assetgen::sheets
