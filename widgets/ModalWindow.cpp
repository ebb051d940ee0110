#include "widgets/ModalWindow.h"

#include <QKeyEvent>

namespace widgets {

void ModalWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace widgets
