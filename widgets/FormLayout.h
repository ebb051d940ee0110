// Window frames as the layout files describe them.
#pragma once

class QWidget;

namespace widgets {

// Applies what a form's layout asks for through its dynamic properties:
//   borderStyle      "fixedDialog": caption and close box only, not resizable;
//                    "sizeable": resizable, close box, no minimise or maximise box
//   designedPosition the window's top-left on the screen
// and paints the client area in the button-face colour.
void applyFormFrame(QWidget& form);

} // namespace widgets
