// The one place a command runs: a key binding and a menu item both hand their CommandId here,
// and typed characters arrive here too. Window-free commands run on the document and the view
// state; the rest go to the window through the CommandHost. Every command that can change text
// is one step of the undo history, and a run of characters typed on one line is one step.
#pragma once

#include <cstdint>

#include "commands/block_commands.h"
#include "commands/command_host.h"
#include "commands/cursor_commands.h"
#include "commands/editor_context.h"
#include "commands/find_commands.h"
#include "commands/line_editing.h"
#include "document/edit_history.h"
#include "keys/command_table.h"

namespace kestrel {

// Where the view state's caret and block are: what undoing or redoing a step brings back.
StepPlace PlaceOf(const TextViewState& view);

// The text that says a change could not be kept for undo.
inline constexpr char kUndoUnavailableText[] = "Not enough memory to undo this change.";

class CommandRunner {
public:
    // None of the four is owned; the window that owns them outlives the runner. `history` is
    // the one attached to the context's line store.
    CommandRunner(EditorContext& context, EditHistory& history, CommandHost& host,
                  PassedEndListener& passedEnd)
        : context_(context), history_(history), host_(host), find_(context, passedEnd) {}

    // Runs `command`, then tells the host the command is done.
    void Run(CommandId command);
    // A character message: printable characters and tab are typed, carriage return is Enter.
    // `autoIndent` is the setting `indent` as it stands now.
    void TypeCharacter(std::uint32_t code, bool autoIndent);
    // Runs `operation` as one undo step, as every command that changes text runs: the caret
    // line's change is stored with it. A run of typed characters ends first.
    template <typename Operation>
    void RunAsStep(Operation operation) {
        EndTyping();
        history_.BeginStep(PlaceOf(context_.View()));
        operation();
        EndStep();
    }
    // Ends a run of typed characters, so that it is a step of its own: before anything that is
    // no typing (a save, a load, a command) looks at the document.
    void EndTyping();
    // "Undo" and "Redo": the document as it was before the newest step (or after the step undone
    // last), the caret where the step happened, shown, and the block marks as they were.
    // Nothing in a read-only document, nor when there is nothing to undo or redo.
    void Undo();
    void Redo();

    CursorCommands& Cursor() { return cursor_; }
    LineEditing& Editing() { return editing_; }
    BlockCommands& Block() { return block_; }
    FindCommands& Find() { return find_; }

private:
    // The commands the runner does itself; false for those that go to the host.
    bool RunWindowFree(CommandId command);
    void RunThroughHost(CommandId command);
    // Closes a step: the caret line's change is stored into it, and a change the history had
    // no memory for is told once.
    void EndStep();
    // Shows the document after an undo or a redo, with the caret and block at `place`.
    void ShowPlace(const StepPlace& place);

    EditorContext& context_;
    EditHistory& history_;
    CommandHost& host_;
    bool typing_ = false;         // a run of typed characters is an open step
    std::int32_t typingLine_ = 0; // the line it is typed on
    CursorCommands cursor_{context_};
    LineEditing editing_{context_};
    BlockCommands block_{context_};
    FindCommands find_;
};

} // namespace kestrel
