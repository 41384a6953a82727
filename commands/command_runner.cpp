// The command switch: each CommandId to its operation.
#include "commands/command_runner.h"

#include <algorithm>
#include <optional>

namespace kestrel {

namespace {

// Commands that look after the history themselves: the file commands (a load clears it, a save
// marks where the document is on disk), undo and redo, and Replace, whose dialog makes each
// replacement a step of its own.
bool KeepsItsOwnHistory(CommandId command) {
    switch (command) {
    case CommandId::OpenFile:
    case CommandId::NewFile:
    case CommandId::SaveFile:
    case CommandId::SaveAs:
    case CommandId::ExitProgram:
    case CommandId::Undo:
    case CommandId::Redo:
    case CommandId::Replace:
        return true;
    default:
        return false;
    }
}

} // namespace

StepPlace PlaceOf(const TextViewState& view) {
    StepPlace place;
    place.caretLine = view.CaretLine();
    place.caretColumn = view.CaretDocumentColumn();
    place.blockBegin = view.BlockBegin();
    place.blockEnd = view.BlockEnd();
    place.blockShown = view.BlockShown();
    return place;
}

void CommandRunner::Run(CommandId command) {
    if (KeepsItsOwnHistory(command)) {
        EndTyping();
        if (!RunWindowFree(command)) {
            RunThroughHost(command);
        }
    } else {
        RunAsStep([this, command] {
            if (!RunWindowFree(command)) {
                RunThroughHost(command);
            }
        });
    }
    host_.CommandDone();
}

void CommandRunner::TypeCharacter(std::uint32_t code, bool autoIndent) {
    editing_.SetAutoIndent(autoIndent);
    const bool typed = (code >= 32 && code <= 126) || code == '\t';
    if (!typed) {
        // Enter, or a control character that types nothing: never part of a typing run.
        RunAsStep([this, code] { editing_.HandleCharacter(code); });
        host_.CommandDone();
        return;
    }
    const std::int32_t line = context_.View().CaretLine();
    if (typing_ && typingLine_ != line) {
        EndTyping();
    }
    if (!typing_) {
        history_.BeginStep(PlaceOf(context_.View()));
        typing_ = true;
        typingLine_ = line;
    }
    editing_.HandleCharacter(code);
    host_.CommandDone();
}

void CommandRunner::EndTyping() {
    if (typing_) {
        typing_ = false;
        EndStep();
    }
}

void CommandRunner::EndStep() {
    context_.Store().CommitCurrentLine();
    history_.EndStep(PlaceOf(context_.View()));
    if (history_.TakeUnavailableNotice()) {
        context_.Host().ShowMessage(kUndoUnavailableText, "");
    }
}

void CommandRunner::Undo() {
    if (context_.ReadOnly()) {
        return;
    }
    // Nothing may stay unstored on the caret line: it would be lost under the records put back.
    context_.Store().CommitCurrentLine();
    if (const std::optional<StepPlace> place = history_.Undo(context_.Store())) {
        ShowPlace(*place);
    }
}

void CommandRunner::Redo() {
    if (context_.ReadOnly()) {
        return;
    }
    context_.Store().CommitCurrentLine();
    if (const std::optional<StepPlace> place = history_.Redo(context_.Store())) {
        ShowPlace(*place);
    }
}

void CommandRunner::ShowPlace(const StepPlace& place) {
    TextViewState& view = context_.View();
    // Back at the state of the last load or save, the document is no longer modified.
    context_.Store().Flags().modified = !history_.AtSavePoint();
    const std::int32_t last = context_.LineCount() - 1;
    if (view.CaretLine() > last) {
        // The caret's line went with the step: it stands on the last line until it moves.
        view.SetTopLine(std::min(view.TopLine(), last));
        view.SetCaretRow(last - view.TopLine());
    }
    context_.LoadCurrentLine();
    cursor_.GoToColumn(std::clamp(place.caretLine, 0, last), place.caretColumn);
    view.SetBlock(place.blockBegin, place.blockEnd);
    view.SetBlockShown(place.blockShown);
    context_.Host().Repaint();
    context_.Host().PlaceCaret();
}

bool CommandRunner::RunWindowFree(CommandId command) {
    switch (command) {
    case CommandId::ArrowLeft:
        cursor_.ArrowLeft();
        return true;
    case CommandId::ArrowRight:
        cursor_.ArrowRight();
        return true;
    case CommandId::ArrowDown:
        cursor_.ArrowDown();
        return true;
    case CommandId::ArrowUp:
        cursor_.ArrowUp();
        return true;
    case CommandId::TopOfFile:
        cursor_.TopOfFile();
        return true;
    case CommandId::BottomOfFile:
        cursor_.BottomOfFile();
        return true;
    case CommandId::PageUp:
        cursor_.PageUp();
        return true;
    case CommandId::PageDown:
        cursor_.PageDown();
        return true;
    case CommandId::BeginningOfLine:
        cursor_.BeginningOfLine();
        return true;
    case CommandId::EndOfLine:
        cursor_.EndOfLine();
        return true;
    case CommandId::GotoBlockBegin:
        cursor_.GotoBlockBegin();
        return true;
    case CommandId::GotoBlockEnd:
        cursor_.GotoBlockEnd();
        return true;
    case CommandId::Backspace:
        editing_.Backspace();
        return true;
    case CommandId::DeleteLine:
        editing_.DeleteLine();
        return true;
    case CommandId::DeleteChar:
        editing_.DeleteChar();
        return true;
    case CommandId::RestoreLine:
        editing_.RestoreLine();
        return true;
    case CommandId::ToggleInsert:
        editing_.ToggleInsert();
        return true;
    case CommandId::ToggleWindowSize:
        editing_.ToggleWindowSize();
        return true;
    case CommandId::MarkBegin:
        block_.MarkBegin();
        return true;
    case CommandId::MarkEnd:
        block_.MarkEnd();
        return true;
    case CommandId::HideBlock:
        block_.HideBlock();
        return true;
    case CommandId::DeleteBlock:
        block_.DeleteBlock();
        return true;
    case CommandId::FindNext:
        find_.FindNext();
        return true;
    case CommandId::Undo:
        Undo();
        return true;
    case CommandId::Redo:
        Redo();
        return true;
    default:
        return false;
    }
}

void CommandRunner::RunThroughHost(CommandId command) {
    switch (command) {
    case CommandId::OpenFile:
        host_.OpenFile();
        break;
    case CommandId::NewFile:
        host_.NewFile();
        break;
    case CommandId::SaveFile:
        host_.SaveFile();
        break;
    case CommandId::SaveAs:
        host_.SaveAs();
        break;
    case CommandId::ExitProgram:
        host_.ExitProgram();
        break;
    case CommandId::Cut:
        host_.Cut();
        break;
    case CommandId::Copy:
        host_.Copy();
        break;
    case CommandId::Paste:
        host_.Paste();
        break;
    case CommandId::BlockRead:
        host_.BlockRead();
        break;
    case CommandId::BlockWrite:
        host_.BlockWrite();
        break;
    case CommandId::PrintBlock:
        host_.PrintBlock();
        break;
    case CommandId::InsertDate:
        host_.InsertDate();
        break;
    case CommandId::GetSpecialChar:
        host_.GetSpecialChar();
        break;
    case CommandId::WriteSpecialChar:
        host_.WriteSpecialChar();
        break;
    case CommandId::FindText:
        host_.FindText();
        break;
    case CommandId::GotoLine:
        host_.GotoLine();
        break;
    case CommandId::Replace:
        host_.Replace();
        break;
    default:
        break;
    }
}

} // namespace kestrel
