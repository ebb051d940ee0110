#include "widgets/RadioButton.h"

#include <QKeyEvent>

namespace widgets {

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(true);
    updateTabStop();
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        updateTabStop();
        if (checked) {
            emit becameChecked();
        }
    });
}

void RadioButton::updateTabStop() {
    setFocusPolicy(isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

RadioButton* RadioButton::neighbour(bool forward) const {
    for (QWidget* widget = forward ? nextInFocusChain() : previousInFocusChain(); widget != this;
         widget = forward ? widget->nextInFocusChain() : widget->previousInFocusChain()) {
        auto* button = qobject_cast<RadioButton*>(widget);
        if (button != nullptr && button->parentWidget() == parentWidget() &&
            button->isVisibleTo(parentWidget()) && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

bool RadioButton::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

void RadioButton::keyPressEvent(QKeyEvent* event) {
    bool forward = false;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        forward = true;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    if (RadioButton* next = neighbour(forward)) {
        next->setFocus(Qt::OtherFocusReason);
        next->setChecked(true);
    }
    event->accept();
}

} // namespace widgets
