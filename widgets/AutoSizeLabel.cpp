#include "widgets/AutoSizeLabel.h"

#include "widgets/TextMetrics.h"

#include <QEvent>
#include <QPainter>

namespace widgets {

AutoSizeLabel::AutoSizeLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // An opaque label is painted in its form's colour; the text keeps the window-text role,
    // which the button-face background would otherwise turn into button text.
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::WindowText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AutoSizeLabel::setText(const QString& text) {
    QLabel::setText(text);
    if (!accessibleCaption_.isEmpty()) {
        updateAccessibleName();
    }
    refit();
}

void AutoSizeLabel::setAccessibleCaption(const QString& caption) {
    accessibleCaption_ = caption;
    updateAccessibleName();
}

void AutoSizeLabel::updateAccessibleName() {
#if QT_CONFIG(accessibility)
    // An empty accessible name lets the label's own text speak for it again.
    const QString name = accessibleCaption_.isEmpty()
                             ? QString()
                             : accessibleCaption_ + QStringLiteral(": ") + text();
    // Setting the name tells a listening screen reader that it changed.
    if (name != accessibleName()) {
        setAccessibleName(name);
    }
#endif
}

bool AutoSizeLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish) {
        fitToText();
    }
    return handled;
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        refit();
    }
}

void AutoSizeLabel::refit() {
    if (testAttribute(Qt::WA_WState_Polished)) {
        fitToText();
    }
}

void AutoSizeLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.setLayoutDirection(layoutDirection());
    painter.drawText(QPointF(0, lineMetricsOf(font()).ascent), text());
}

void AutoSizeLabel::fitToText() {
    // resize() keeps the top-left corner where it is.
    resize(QFontMetrics(font()).horizontalAdvance(text()), lineMetricsOf(font()).height);
}

} // namespace widgets
