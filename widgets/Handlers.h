// Connects a control's event to a window's handler, through the one error guard.
#pragma once

#include "widgets/Guarded.h"

#include <QObject>

namespace widgets {

// The handler is a member function of the form taking no arguments; whatever the signal
// carries is not passed on.
template <typename Sender, typename Signal, typename Form>
void connectHandler(Sender* sender, Signal signal, Form* form, void (Form::*handler)(),
                    Trigger trigger = Trigger::Event) {
    QObject::connect(sender, signal, form,
                     [form, handler, trigger] { guarded([&] { (form->*handler)(); }, trigger); });
}

} // namespace widgets
