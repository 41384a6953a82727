// The "Special character" dialog: every code from 1 to 255 in a list drawn in the editor's own
// font, from which "Write special char" takes the character it types.
#pragma once

#include "framework/dialog_window.h"

namespace kestrel {

class CharacterChoiceDialog : public DialogWindow {
public:
    // `selected`: the code chosen so far (0: none); `font`: the editor's text font (borrowed).
    CharacterChoiceDialog(int selected, HFONT font) : chosen_(selected), font_(font) {}

    // The code chosen when the dialog closed with OK: 1 to 255, or 0 when no item was selected.
    int Chosen() const { return chosen_; }

    INT_PTR OnInitDialog() override;
    void OnPaint() override;
    void OnDrawItem(WPARAM w, LPARAM l) override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    HWND List() const;

    int chosen_;
    HFONT font_;
};

} // namespace kestrel
