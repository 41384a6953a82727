// What the text view's scroll logic asks of the window that shows it: the caret line's
// store and load, rendering, the caret and the scroll bars.
#pragma once

#include <cstdint>

namespace kestrel {

class TextViewHost {
public:
    // Writes the caret line back into the document. Called before a scroll moves the caret to
    // another line, while the view state still names the old caret line.
    virtual void StoreCurrentLine() = 0;
    // Reads the caret line into the current-line buffer. Called after the caret reached its line.
    virtual void LoadCurrentLine() = 0;
    // Renders the visible page and presents it.
    virtual void Repaint() = 0;
    // Moves the system caret to the view state's caret cell (and, in the editor, refreshes the
    // status bar's line and column).
    virtual void PlaceCaret() = 0;
    // Moves the thumb of the scroll bar, redrawing it.
    virtual void SetVerticalScrollPosition(std::int32_t position) = 0;
    virtual void SetHorizontalScrollPosition(std::int32_t position) = 0;

protected:
    ~TextViewHost() = default;
};

} // namespace kestrel
