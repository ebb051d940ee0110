// What a form's layout file describes beyond Qt Designer's own properties.
#pragma once

#include "widgets/PixelFonts.h"

class QWidget;

namespace widgets {

// Paints the form's client area in the button-face colour.
void paintInButtonFace(QWidget& form);

// Applies what a form's layout asks for through its dynamic properties:
//   borderStyle      "fixedDialog": caption and close box only, not resizable;
//                    "sizeable": resizable, close box, no minimise or maximise box
//   designedPosition the window's top-left on the screen
// and keeps its labels the size of their text (TextFitLayout).
void applyFormLayout(QWidget& form);

// Builds a form from its layout class, in the button-face colour, and applies its layout as
// above; a "fontPixelSize" property on the form or any component gives its font's height in
// pixels.
template <typename Ui, typename Form> void buildForm(Ui& ui, Form& form) {
    // Before the components exist: Qt passes a change of the form's palette roles on to each
    // of its components (0.38 million instructions for the two forms, callgrind).
    paintInButtonFace(form);
    {
        const PixelFontApplier fonts;
        ui.setupUi(&form);
    }
    applyFormLayout(form);
}

} // namespace widgets
