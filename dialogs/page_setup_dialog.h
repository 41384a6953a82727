// The Page setup dialog: top margin, left margin and page numbers of printed pages.
#pragma once

#include "framework/dialog_window.h"
#include "settings/editor_settings.h"

namespace kestrel {

class PageSetupDialog : public DialogWindow {
public:
    // True when closed with OK; the margins and page numbers are then in `settings`.
    bool Run(HWND owner, EditorSettings& settings);

    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    EditorSettings* settings_ = nullptr;
};

} // namespace kestrel
