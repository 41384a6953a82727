// The one place a command runs: a key binding and a menu item both hand their CommandId here,
// and typed characters arrive here too. Window-free commands run on the document and the view
// state; the rest go to the window through the CommandHost.
#pragma once

#include <cstdint>

#include "commands/block_commands.h"
#include "commands/command_host.h"
#include "commands/cursor_commands.h"
#include "commands/editor_context.h"
#include "commands/find_commands.h"
#include "commands/line_editing.h"
#include "keys/command_table.h"

namespace kestrel {

class CommandRunner {
public:
    // None of the three is owned; the window that owns them outlives the runner.
    CommandRunner(EditorContext& context, CommandHost& host, PassedEndListener& passedEnd)
        : context_(context), host_(host), find_(context, passedEnd) {}

    // Runs `command`, then tells the host the command is done.
    void Run(CommandId command);
    // A character message: printable characters and tab are typed, carriage return is Enter.
    // `autoIndent` is the setting `indent` as it stands now.
    void TypeCharacter(std::uint32_t code, bool autoIndent);

    CursorCommands& Cursor() { return cursor_; }
    LineEditing& Editing() { return editing_; }
    BlockCommands& Block() { return block_; }
    FindCommands& Find() { return find_; }

private:
    // The commands the runner does itself; false for those that go to the host.
    bool RunWindowFree(CommandId command);
    void RunThroughHost(CommandId command);

    EditorContext& context_;
    CommandHost& host_;
    CursorCommands cursor_{context_};
    LineEditing editing_{context_};
    BlockCommands block_{context_};
    FindCommands find_;
};

} // namespace kestrel
