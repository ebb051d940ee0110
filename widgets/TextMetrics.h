// Line metrics of a font the way the window layouts were measured.
#pragma once

class QFont;

namespace widgets {

struct LineMetrics {
    int ascent; // from the top of the line to the baseline
    int height; // of the whole line
};

// From the face's Windows ascent and descent (OS/2 usWinAscent and usWinDescent), which is
// what the layouts' label heights follow; some faces (Titr among them) report much smaller
// metrics to Qt, which would cut off their letters below the baseline. Qt's own metrics where
// the face has no such table.
LineMetrics lineMetricsOf(const QFont& font);

} // namespace widgets
