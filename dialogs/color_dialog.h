// The "Select colors" dialog: two track bars over the palette and a painted sample.
#pragma once

#include "framework/dialog_window.h"

namespace kestrel {

class ColorDialog : public DialogWindow {
public:
    // Edits `foreground` and `background`; true, with the new colours, when closed with OK.
    bool Run(HWND owner, COLORREF& foreground, COLORREF& background);

    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;
    void OnHScroll(WPARAM w, LPARAM l) override;
    void OnPaint() override;

private:
    COLORREF foreground_ = 0;
    COLORREF background_ = 0;
};

} // namespace kestrel
