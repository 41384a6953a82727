// The command names, in the order that stored key tables rely on.
#include "keys/command_table.h"

namespace kestrel {

namespace {

constexpr std::array<Command, CommandTable::kCount> kCommands = {{
    {CommandId::ArrowLeft, "Arrow left"},
    {CommandId::ArrowRight, "Arrow right"},
    {CommandId::ArrowDown, "Arrow down"},
    {CommandId::ArrowUp, "Arrow up"},
    {CommandId::TopOfFile, "Top of file"},
    {CommandId::BottomOfFile, "Bottom of file"},
    {CommandId::PageUp, "Page up"},
    {CommandId::PageDown, "Page down"},
    {CommandId::BeginningOfLine, "Beginning of line"},
    {CommandId::EndOfLine, "End of line"},
    {CommandId::Backspace, "Backspace"},
    {CommandId::DeleteLine, "Delete line"},
    {CommandId::DeleteChar, "Delete char"},
    {CommandId::OpenFile, "Open file"},
    {CommandId::NewFile, "New file"},
    {CommandId::SaveFile, "Save file"},
    {CommandId::SaveAs, "Save As"},
    {CommandId::ExitProgram, "Exit program"},
    {CommandId::ToggleInsert, "Toggle insert"},
    {CommandId::ToggleWindowSize, "Toggle window size"},
    {CommandId::Cut, "Cut"},
    {CommandId::Copy, "Copy"},
    {CommandId::Paste, "Paste"},
    {CommandId::FindText, "Find text"},
    {CommandId::FindNext, "Find next"},
    {CommandId::GotoLine, "Goto line #"},
    {CommandId::InsertDate, "Insert date"},
    {CommandId::RestoreLine, "Restore line"},
    {CommandId::GetSpecialChar, "Get special char"},
    {CommandId::WriteSpecialChar, "Write special char"},
    {CommandId::MarkBegin, "Mark begin"},
    {CommandId::MarkEnd, "Mark end"},
    {CommandId::GotoBlockBegin, "Goto block begin"},
    {CommandId::GotoBlockEnd, "Goto block end"},
    {CommandId::HideBlock, "Hide block"},
    {CommandId::BlockRead, "Block read"},
    {CommandId::BlockWrite, "Block write"},
    {CommandId::DeleteBlock, "Delete block"},
    {CommandId::PrintBlock, "Print block"},
    {CommandId::Undo, "Undo"},
    {CommandId::Redo, "Redo"},
    {CommandId::Replace, "Replace"},
}};

// The enum and the table must agree entry by entry, or a stored index would run the wrong command.
constexpr bool IdsMatchPositions() {
    for (std::int32_t i = 0; i < CommandTable::kCount; ++i) {
        if (ToIndex(kCommands[static_cast<std::size_t>(i)].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(IdsMatchPositions(), "command ids must equal their table positions");
static_assert(ToIndex(CommandId::Replace) + 1 == CommandTable::kCount);
static_assert(ToIndex(CommandId::PrintBlock) + 1 == CommandTable::kFirstAddedCommand);

} // namespace

std::string_view CommandTable::Name(std::int32_t index) {
    if (!IsValid(index)) {
        return {};
    }
    return kCommands[static_cast<std::size_t>(index)].name;
}

const std::array<Command, CommandTable::kCount>& CommandTable::Entries() {
    return kCommands;
}

} // namespace kestrel
