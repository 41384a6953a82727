// Marking the block with the mouse in a text window: a click places the caret and anchors the
// block, a drag extends it (scrolling line by line while the pointer is above or below the
// window), and a click in the left margin marks one whole line.
#pragma once

#include <cstdint>
#include <string>

#include "framework/win32.h"

#include "document/text_pos.h"

namespace kestrel {

class TextWindow;

class MouseSelection {
public:
    // The window whose view state, caret and lines the mouse works on (not owned).
    explicit MouseSelection(TextWindow& window) : window_(window) {}

    // The left button went down at client point (x, y).
    void ButtonDown(int x, int y);
    // The pointer moved to (x, y); only a drag follows it.
    void Move(int x, int y);
    // Timer `timerId` ticked: while a drag holds the pointer outside the window, one line more.
    void Tick(UINT_PTR timerId);
    // The end of a drag by button-up or by a lost capture: the timer stops, the caret shows.
    void EndDrag();

private:
    // A drag's pointer at (x, y): caret, auto-scroll and block follow it.
    void DragTo(int x, int y);
    void StopAutoScroll();
    // A line's text as the window reads it.
    std::string LineText(std::int32_t line) const;

    TextWindow& window_;
    bool dragging_ = false; // a left-button drag holds the capture
    TextPos anchor_{};      // where the drag started
    int autoScroll_ = 0;    // +1 below the window, -1 above, 0 not scrolling (timer 1 off)
};

} // namespace kestrel
