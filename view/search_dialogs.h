// The dialogs of "Find text", "Goto line #" and "Replace" around the window-free search and
// replace.
#pragma once

#include "commands/command_runner.h"
#include "commands/replace_commands.h"
#include "dialogs/replace_dialog.h"
#include "framework/window.h"

namespace kestrel {

class SearchDialogs : private ReplaceActions {
public:
    // None of the three is owned.
    SearchDialogs(const Window& owner, CommandRunner& runner, EditorContext& context)
        : owner_(owner), runner_(runner), context_(context), replace_(runner, context) {}

    // The Find dialog, then a search when it closed with OK.
    void FindText();
    // The Go to Line dialog for the document's line count.
    void GotoLine();
    // The Replace dialog, open until Cancel: its buttons find, replace one match and replace
    // all, with the view following behind it.
    void Replace();

private:
    void FindNext() override;
    void ReplaceOne() override;
    // Replaces every match and reports how many were replaced, and how many lines were too long.
    void ReplaceAll() override;

    const Window& owner_;
    CommandRunner& runner_;
    EditorContext& context_;
    ReplaceCommands replace_;
};

} // namespace kestrel
