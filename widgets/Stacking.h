// The stacking order of a window's components.
#pragma once

class QWidget;

namespace widgets {

// Moves a picture, label or bevel to the top of its window's non-windowed components; the
// windowed controls (the ones that can take the focus) stay above all of them.
void raiseAmongGraphics(QWidget& component);

} // namespace widgets
