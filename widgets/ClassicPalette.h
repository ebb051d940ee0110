// The light palette of the classic style the windows were laid out in.
#pragma once

class QApplication;

namespace widgets {

// Makes the application's palette the style's own, with every colour role of every group
// set, so that no desktop theme (a dark colour scheme, say) fills in a role: the windows' fixed
// caption colours keep their contrast against the button face whatever the desktop asks for.
// Qt drops the palettes a theme gave particular widget classes when the application's palette
// is set.
void useClassicPalette(QApplication& application);

} // namespace widgets
