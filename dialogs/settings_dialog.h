// The Settings dialog: editing options, backup mode, tab size, wheel lines and longest line.
#pragma once

#include <cstdint>
#include <functional>

#include "framework/dialog_window.h"
#include "settings/editor_settings.h"

namespace kestrel {

class SettingsDialog : public DialogWindow {
public:
    // Decides at OK whether a newly typed longest line can take effect now (and says why not
    // when it cannot).
    using LineLengthCheck = std::function<bool(std::int32_t typed, std::int32_t shown)>;

    // Shows `settings` and the document's `unixMode`; true when closed with OK, both then
    // holding what the dialog was left with.
    bool Run(HWND owner, EditorSettings& settings, bool& unixMode, LineLengthCheck check);

    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    void Take();

    EditorSettings settings_;
    bool unixMode_ = false;
    LineLengthCheck check_;
};

} // namespace kestrel
