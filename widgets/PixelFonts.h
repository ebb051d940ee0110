// Font heights in pixels, as the layouts give them.
#pragma once

class QWidget;

namespace widgets {

// Qt Designer stores font sizes in points; the layouts give character heights in pixels in a
// dynamic property "fontPixelSize" instead. Applies it to the form and all its descendants.
void applyPixelFonts(QWidget& form);

// Stand-ins for the faces the layouts name where the platform lacks them.
void mapSubstituteFonts();

} // namespace widgets
