#include "widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace widgets {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    // Drawn over whatever lies beneath; an opaque picture simply covers it.
    setAttribute(Qt::WA_NoSystemBackground);
}

void PictureBox::setPicture(const QString& picture) {
    picture_ = picture;
    forgetImage();
}

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    forgetImage();
}

void PictureBox::setTransparent(bool transparent) {
    transparent_ = transparent;
    forgetImage();
}

void PictureBox::setFillsParent(bool fills) {
    fillsParent_ = fills;
    if (QWidget* parent = parentWidget(); parent != nullptr && fills) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event) {
    if (fillsParent_ && watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return false;
}

void PictureBox::forgetImage() {
    source_ = pictures::PictureSource(picture_, transparent_);
    drawn_ = QPixmap();
    drawnValid_ = false;
    update();
}

namespace {

QSize inDevicePixels(QSize logical, qreal ratio) {
    return (QSizeF(logical) * ratio).toSize();
}

} // namespace

QImage PictureBox::image() {
    const qreal ratio = devicePixelRatioF();
    return stretch_ ? source_.forStretching(inDevicePixels(size(), ratio)) : source_.ownSize(ratio);
}

const QPixmap& PictureBox::drawn() {
    const qreal ratio = devicePixelRatioF();
    // A picture shown at its own size is the same whatever the box's size.
    const QSize boxSize = stretch_ ? size() : QSize();
    if (!drawnValid_ || drawnRatio_ != ratio || drawnBoxSize_ != boxSize) {
        drawnValid_ = true;
        drawnRatio_ = ratio;
        drawnBoxSize_ = boxSize;
        QImage picture = image();
        if (stretch_ && !picture.isNull()) {
            picture = picture.scaled(inDevicePixels(size(), ratio), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
        }
        // The decoded picture goes into the pixmap as it is; none is kept beside it.
        drawn_ = picture.isNull() ? QPixmap() : QPixmap::fromImage(std::move(picture));
        drawn_.setDevicePixelRatio(ratio);
    }
    return drawn_;
}

void PictureBox::prepare() {
    drawn();
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QPixmap& picture = drawn();
    // A box its picture covers whole hides what lies beneath, which then need not be painted.
    const QSizeF covered = picture.deviceIndependentSize();
    const bool covers = !transparent_ && !picture.isNull() && covered.width() >= width() &&
                        covered.height() >= height();
    if (testAttribute(Qt::WA_OpaquePaintEvent) != covers) {
        setAttribute(Qt::WA_OpaquePaintEvent, covers);
        if (!covers && parentWidget() != nullptr) {
            parentWidget()->update(geometry());
        }
    }
    if (!picture.isNull()) {
        QPainter(this).drawPixmap(0, 0, picture);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
    }
}

} // namespace widgets
