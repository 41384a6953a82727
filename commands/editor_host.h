// What the editing commands ask of the window that shows the document: rendering, the caret,
// the scroll bars, the window's own scroll messages, the beep and the message window.
#pragma once

#include <cstdint>
#include <string_view>

#include "commands/text_view_state.h"

namespace kestrel {

class EditorHost {
public:
    // Renders the visible page and presents it. While the view state's painting is suspended
    // this only notes that a repaint is pending (TextViewState::BeginRepaint).
    virtual void Repaint() = 0;
    // Moves the system caret to the view state's caret cell and refreshes the status bar's line
    // and column.
    virtual void PlaceCaret() = 0;
    // The window's own vertical and horizontal scroll messages: they run the view state's
    // ScrollVertical or ScrollHorizontal with the window as the TextViewHost, so the caret line
    // is stored and loaded around a vertical move.
    virtual void ScrollVertical(ScrollCode code) = 0;
    virtual void ScrollHorizontal(ScrollCode code) = 0;
    // Moves the thumb of a scroll bar, redrawing it.
    virtual void SetVerticalScrollPosition(std::int32_t position) = 0;
    virtual void SetHorizontalScrollPosition(std::int32_t position) = 0;
    // The refusal beep: 440 Hz for 150 ms.
    virtual void Beep() = 0;
    // A failure the user must see; `detail` is a second line when it is not empty.
    virtual void ShowMessage(std::string_view text, std::string_view detail) = 0;
    // Destroys the system caret and creates it again in the shape of the current typing mode.
    virtual void RecreateCaret() = 0;
    // Maximises the main frame, or restores it when it is maximised.
    virtual void ToggleWindowSize() = 0;

protected:
    ~EditorHost() = default;
};

} // namespace kestrel
