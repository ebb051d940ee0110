#include "widgets/AutoSizeLabel.h"

#include <QEvent>

namespace widgets {

AutoSizeLabel::AutoSizeLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // An opaque label is painted in its form's colour.
    setBackgroundRole(QPalette::Button);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AutoSizeLabel::setText(const QString& text) {
    QLabel::setText(text);
    fitToText();
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitToText();
    }
}

void AutoSizeLabel::fitToText() {
    // resize() keeps the top-left corner where it is.
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

} // namespace widgets
