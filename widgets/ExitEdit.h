// A one-line text box with an exit event.
#pragma once

#include <QLineEdit>

namespace widgets {

// exited() is emitted when the keyboard focus leaves the box for another control of the same
// window (Tab, Shift+Tab, or a press on a focusable control); not when the window loses
// activation, a popup opens or the window closes.
class ExitEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace widgets
