// The faces the window layouts name, and what stands in for each where the platform lacks it.
#pragma once

#include <QFont>

namespace widgets {

// Maps each face the layouts name to its stand-ins, used where the platform has the face only
// as a bitmap:
//   Times New Roman: Liberation Serif (metric-compatible)
//   MS Sans Serif:   Microsoft Sans Serif (its outline form, on Windows), else Liberation Sans
//   Tahoma:          Liberation Sans, set 9 % wider (see withStandIn)
void mapStandInFonts();

// `font` as the layouts mean it. Their label sizes were measured with whole-pixel glyph
// advances, so a face they name is laid out with full hinting, which gives them, and in an
// outline form. Where the platform lacks the face, the font names the first stand-in above
// that it has instead, widened where it runs narrower than the face it stands for. Any other
// face (Titr among them) is left as it is.
QFont withStandIn(QFont font);

} // namespace widgets
