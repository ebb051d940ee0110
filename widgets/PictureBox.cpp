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
    source_ = PictureSource(picture_, transparent_);
    update();
}

const QImage& PictureBox::image() {
    return stretch_ ? source_.forStretching(size()) : source_.ownSize();
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QImage& picture = image();
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture);
    } else {
        painter.drawImage(0, 0, picture);
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
