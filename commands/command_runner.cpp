// The command switch: each CommandId to its operation.
#include "commands/command_runner.h"

namespace kestrel {

void CommandRunner::Run(CommandId command) {
    if (!RunWindowFree(command)) {
        RunThroughHost(command);
    }
    host_.CommandDone();
}

void CommandRunner::TypeCharacter(std::uint32_t code, bool autoIndent) {
    editing_.SetAutoIndent(autoIndent);
    editing_.HandleCharacter(code);
    host_.CommandDone();
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
    default:
        break;
    }
}

} // namespace kestrel
