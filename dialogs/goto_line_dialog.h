// The Go to Line dialog: a line number field, with the valid range painted above it.
#pragma once

#include <cstdint>

#include "commands/find_commands.h"
#include "framework/dialog_window.h"

namespace kestrel {

class GotoLineDialog : public DialogWindow {
public:
    explicit GotoLineDialog(FindCommands& find) : find_(find) {}

    // Shows the dialog modally over `owner` for a document of `lineCount` lines; OK moves the
    // caret to the line typed, when it is one of them.
    void Run(HWND owner, std::int32_t lineCount);

    INT_PTR OnInitDialog() override;
    void OnPaint() override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    FindCommands& find_;
    std::int32_t lineCount_ = 0;
};

} // namespace kestrel
