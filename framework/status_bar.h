// The strip of panes along the bottom of the frame: a system status window whose pane widths
// are given in characters and turned into pixel edges at every resize.
#pragma once

#include <string>
#include <vector>

#include "framework/control.h"

namespace kestrel {

class StatusBar : public Control {
public:
    StatusBar();

    // Sets the number of panes the bar can hold; true when it is set.
    bool SetPaneCount(int count);
    // Appends a pane `width` average characters wide; ignored once the bar is full.
    void AddPane(int width, int drawStyle);
    bool Create(HWND parent);
    bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                int height) override;
    // Follows the frame's WM_SIZE (same arguments).
    void Resize(WPARAM w, LPARAM l);
    // Height in pixels, 0 when the bar is hidden.
    int Height() const;
    // Sets a pane's text. The status window repaints at once on every setting, so a text equal
    // to the one the pane already shows is not sent again (the caret pane is set on every key).
    void SetText(int index, const char* text);

    int PaneCount() const { return static_cast<int>(widths_.size()); }
    const std::vector<int>& Edges() const { return edges_; }

private:
    int AverageCharWidth() const;
    int PaneStyle(int index) const;
    void ApplyParts();

    HWND parent_ = nullptr;
    int capacity_ = 0;
    std::vector<int> widths_; // per pane, in average character widths
    std::vector<int> styles_; // per pane, the status window's drawing type
    std::vector<int> edges_;  // per pane, right edge in pixels; zero before the first resize
    std::vector<std::string> texts_; // per pane, the text last sent
};

} // namespace kestrel
