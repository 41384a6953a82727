// The Find dialog: the search text with its history in a drop-down, the case check box and the
// direction. OK records the text in the history and takes the options.
#pragma once

#include "commands/find_commands.h"
#include "framework/dialog_window.h"
#include "settings/find_history.h"

namespace kestrel {

class FindDialog : public DialogWindow {
public:
    explicit FindDialog(FindCommands& find) : find_(find) {}

    // Shows the dialog modally over `owner`; true when it ended with OK.
    bool Run(HWND owner);

    // Lists the history, offers the identifier under the caret and sets the options.
    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    void Confirm();

    FindCommands& find_;
    FindHistory history_;
};

} // namespace kestrel
