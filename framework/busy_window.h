// A one-line modeless notice shown while a long operation runs, or briefly until a timer
// removes it; and the hourglass cursor for the length of an operation.
#pragma once

#include <string>

#include "framework/window.h"

namespace kestrel {

class BusyWindow : public Window {
public:
    BusyWindow();

    void SetColours(COLORREF textColour, COLORREF backColour);
    // Puts the notice up centred on `owner` and paints it at once, since the caller goes on
    // working without pumping messages. Returns 0 when the display font cannot be measured.
    // The notice never takes the activation, so keys typed meanwhile still reach the owner.
    int Show(HWND owner, const char* text, bool disableOwner);

    bool RegisterWindowClass() override;
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override;

private:
    void Paint();

    HWND owner_ = nullptr;
    bool disableOwner_ = false;
    std::string text_;
    COLORREF textColour_ = RGB(0, 0, 0);
    COLORREF backColour_ = RGB(192, 192, 192);
    int avgCharWidth_ = 0;
    int lineHeight_ = 0;
    RECT textRect_{};
};

// Shows the hourglass from construction until Restore (or destruction).
class WaitCursor {
public:
    WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor();
    void Restore();

private:
    HCURSOR previous_ = nullptr;
    bool restored_ = false;
};

} // namespace kestrel
