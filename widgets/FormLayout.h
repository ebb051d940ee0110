// What a form's layout file describes beyond Qt Designer's own properties.
#pragma once

class QWidget;

namespace widgets {

// Applies what a form's layout asks for through its dynamic properties:
//   borderStyle      "fixedDialog": caption and close box only, not resizable;
//                    "sizeable": resizable, close box, no minimise or maximise box
//   designedPosition the window's top-left on the screen
//   fontPixelSize    on the form and any component: its font's height in pixels
// and paints the client area in the button-face colour.
void applyFormLayout(QWidget& form);

} // namespace widgets
