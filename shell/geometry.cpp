// Centring and pane-edge arithmetic.
#include "shell/geometry.h"

#include <algorithm>

namespace kestrel {

namespace {

// Start of a span of `size` centred on [low, high), pulled back so it ends by `high` and
// clamped at 0.
int CentreSpan(int low, int high, int size) {
    int start = low + (high - low) / 2 - size / 2;
    start = std::min(start, high - size);
    return start <= 0 ? 0 : start;
}

} // namespace

Placement CentreRect(const Rect& reference, const Rect& window) {
    Placement placement;
    placement.width = window.right - window.left;
    placement.height = window.bottom - window.top;
    placement.x = CentreSpan(reference.left, reference.right, placement.width);
    placement.y = CentreSpan(reference.top, reference.bottom, placement.height);
    return placement;
}

std::vector<int> PaneEdges(const std::vector<int>& widths, int barWidth, int avgCharWidth) {
    std::vector<int> edges(widths.size(), 0);
    if (edges.empty()) {
        return edges;
    }
    int count = static_cast<int>(edges.size());
    edges[count - 1] = barWidth - count * avgCharWidth;
    for (int i = count - 1; i >= 1; --i) {
        edges[i - 1] = edges[i] - widths[i] * avgCharWidth;
    }
    return edges;
}

} // namespace kestrel
