#include "widgets/BitmapButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace widgets {

BitmapButton::BitmapButton(QWidget* parent) : QPushButton(parent) {}

void BitmapButton::setGlyph(const QString& path) {
    glyph_ = path;
    glyphSource_ = pictures::PictureSource(path, true);
    glyphRatio_ = 0;
    update();
}

void BitmapButton::setPlacement(GlyphPlacement placement) {
    placement_ = placement;
    update();
}

void BitmapButton::setSpacing(int spacing) {
    spacing_ = spacing;
    update();
}

const QImage& BitmapButton::glyphImage() const {
    if (const qreal ratio = devicePixelRatioF(); ratio != glyphRatio_) {
        glyphRatio_ = ratio;
        glyphImage_ = glyphSource_.ownSize(ratio);
    }
    return glyphImage_;
}

QSize BitmapButton::glyphSize() const {
    return glyphImage().deviceIndependentSize().toSize();
}

QSize BitmapButton::captionSize() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()), metrics.height()};
}

// The pair's bounding box is centred; the glyph sits at its left or bottom edge.
QRect BitmapButton::glyphRect() const {
    const QSize glyph = glyphSize();
    const QSize caption = captionSize();
    if (placement_ == GlyphLeft) {
        const int width = glyph.width() + spacing_ + caption.width();
        return {(this->width() - width) / 2, (height() - glyph.height()) / 2, glyph.width(),
                glyph.height()};
    }
    const int height = caption.height() + spacing_ + glyph.height();
    return {(width() - glyph.width()) / 2,
            (this->height() - height) / 2 + caption.height() + spacing_, glyph.width(),
            glyph.height()};
}

QRect BitmapButton::captionRect() const {
    const QSize glyph = glyphSize();
    const QSize caption = captionSize();
    if (placement_ == GlyphLeft) {
        const int width = glyph.width() + spacing_ + caption.width();
        return {(this->width() - width) / 2 + glyph.width() + spacing_,
                (height() - caption.height()) / 2, caption.width(), caption.height()};
    }
    const int height = caption.height() + spacing_ + glyph.height();
    return {(width() - caption.width()) / 2, (this->height() - height) / 2, caption.width(),
            caption.height()};
}

void BitmapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // A pressed button's face moves by the style's shift, as its plain caption would.
    const QPoint shift =
        isDown() ? QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this))
                 : QPoint();
    if (!glyphImage().isNull()) {
        painter.drawImage(glyphRect().topLeft() + shift, glyphImage());
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect().translated(shift), Qt::AlignLeft | Qt::AlignTop, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void BitmapButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace widgets
