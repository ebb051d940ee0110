// A window that is shown modally and only hidden when closed.
#pragma once

#include <QDialog>

namespace widgets {

// Esc does nothing: the window closes only through its close box, system menu or Alt+F4.
// Enter and Space press the focused button, as in any dialog.
class ModalWindow : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace widgets
