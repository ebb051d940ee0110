#include "widgets/ExitEdit.h"

#include <QApplication>
#include <QFocusEvent>

namespace widgets {

void ExitEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // By now the application's focus widget is the one receiving the focus, or none when the
    // whole window lost activation.
    const QWidget* next = QApplication::focusWidget();
    if (event->reason() != Qt::PopupFocusReason && next != nullptr && next != this &&
        next->window() == window()) {
        emit exited();
    }
}

} // namespace widgets
