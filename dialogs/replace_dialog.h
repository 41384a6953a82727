// The Replace dialog: the search text and the replacement, each with its history in a drop-down,
// the case check box and the direction. It stays up while its buttons step through the matches.
#pragma once

#include <string>

#include "commands/find_commands.h"
#include "framework/dialog_window.h"
#include "settings/find_history.h"

namespace kestrel {

// What the Replace dialog's "Find next", "Replace" and "Replace all" buttons do. Each is called
// with the fields already taken: the search text, case and direction in the dialog's
// FindCommands, the replacement in its string. An action may show a message box; the dialog
// takes no command of its own until the action returns, and stays up afterwards.
class ReplaceActions {
public:
    virtual void FindNext() = 0;
    virtual void ReplaceOne() = 0;
    virtual void ReplaceAll() = 0;

protected:
    ~ReplaceActions() = default;
};

class ReplaceDialog : public DialogWindow {
public:
    // None of the three is owned. The replacement field starts with `replacement`, and each
    // button leaves the field's text there (possibly empty: the matches are then deleted).
    ReplaceDialog(FindCommands& find, std::string& replacement, ReplaceActions& actions)
        : find_(find), replacement_(replacement), actions_(actions) {}

    // Shows the dialog modally over `owner` until Cancel or Escape closes it.
    void Run(HWND owner);

    // Lists both histories, offers the identifier under the caret and sets the options.
    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;

private:
    // Takes the fields and runs `action`.
    void Act(void (ReplaceActions::*action)());
    // The fields into the search state, the replacement and both histories.
    void TakeFields();
    // Fills a combo box's drop-down with `history`, most recent first, and its field with `text`.
    void ShowHistory(int comboId, const FindHistory& history, const std::string& text);

    FindCommands& find_;
    std::string& replacement_;
    ReplaceActions& actions_;
    FindHistory findHistory_;
    FindHistory replaceHistory_;
    bool acting_ = false; // an action is running; buttons pressed meanwhile are not taken
};

} // namespace kestrel
