// The Settings dialog: editing options, backup mode, tab size, wheel lines and longest line.
#pragma once

#include <cstdint>

#include "framework/dialog_window.h"

namespace kestrel {

class EditorView;

class SettingsDialog : public DialogWindow {
public:
    // True when closed with OK; the changes are then in the view.
    bool Run(HWND owner, EditorView& view);

    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    void Apply();

    EditorView* view_ = nullptr;
    std::int32_t shownLineLength_ = 0;
};

} // namespace kestrel
