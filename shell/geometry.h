// Window-free arithmetic of the shell's windows: centring and the status bar's pane edges.
#pragma once

#include <vector>

namespace kestrel {

// Edges in pixels; right and bottom are exclusive, as in a Win32 rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where a window of rectangle `window` goes when centred on `reference` (its owner's window
// rectangle, or the full-screen client area). It keeps its size, stays above the reference's
// bottom and right edges when it fits, and never starts left of or above 0.
Placement CentreRect(const Rect& reference, const Rect& window);

// Right edge of each status pane, in pixels from the bar's left side. `widths` are in average
// character widths; the width of pane 0 is not used, since pane 0 takes what the others leave.
// One average character per pane stays free at the right end of the bar.
std::vector<int> PaneEdges(const std::vector<int>& widths, int barWidth, int avgCharWidth);

} // namespace kestrel
