#include "widgets/Stacking.h"

#include <QWidget>

namespace widgets {

void raiseAmongGraphics(QWidget& component) {
    QWidget* parent = component.parentWidget();
    if (parent == nullptr) {
        return;
    }
    // Children are listed bottom to top; the first control that can take the focus is the
    // lowest of the windowed ones.
    for (QObject* child : parent->children()) {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling != nullptr && sibling != &component && !sibling->isWindow() &&
            sibling->focusPolicy() != Qt::NoFocus) {
            component.stackUnder(sibling);
            return;
        }
    }
    component.raise();
}

} // namespace widgets
