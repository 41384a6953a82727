// The named commands that keys can be bound to: the 39 of the first version, then those added
// since (Undo, Redo, Replace). A command's index is what bindings and the stored key table record, so
// the order of the table is a storage format: it never changes, and new commands go at its end.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrel {

// Command indices, in table order. The view maps each one to its own operation.
enum class CommandId : std::int32_t {
    ArrowLeft,
    ArrowRight,
    ArrowDown,
    ArrowUp,
    TopOfFile,
    BottomOfFile,
    PageUp,
    PageDown,
    BeginningOfLine,
    EndOfLine,
    Backspace,
    DeleteLine,
    DeleteChar,
    OpenFile,
    NewFile,
    SaveFile,
    SaveAs,
    ExitProgram,
    ToggleInsert,
    ToggleWindowSize,
    Cut,
    Copy,
    Paste,
    FindText,
    FindNext,
    GotoLine,
    InsertDate,
    RestoreLine,
    GetSpecialChar,
    WriteSpecialChar,
    MarkBegin,
    MarkEnd,
    GotoBlockBegin,
    GotoBlockEnd,
    HideBlock,
    BlockRead,
    BlockWrite,
    DeleteBlock,
    PrintBlock,
    Undo,
    Redo,
    Replace,
};

// One entry of the table: the command and the name the key recorder lists it under.
struct Command {
    CommandId id;
    std::string_view name;
};

// The fixed command table. All of it is constant data; an object of this class only names it.
class CommandTable {
public:
    static constexpr std::int32_t kCount = 42;
    // Commands from this index on were added after key tables were first stored: a stored table
    // may lack them.
    static constexpr std::int32_t kFirstAddedCommand = 39;

    // True when `index` names a command (0 to kCount - 1). Anything else, such as an index read from a
    // damaged stored table, must never reach a command operation.
    static constexpr bool IsValid(std::int32_t index) { return index >= 0 && index < kCount; }
    // The command a stored index names: the one place an index becomes a CommandId.
    static constexpr std::optional<CommandId> FromIndex(std::int32_t index) {
        return IsValid(index) ? std::optional<CommandId>(static_cast<CommandId>(index))
                              : std::nullopt;
    }

    // Display name of command `index`; empty for an index that names no command.
    static std::string_view Name(std::int32_t index);

    static const std::array<Command, kCount>& Entries();
};

constexpr std::int32_t ToIndex(CommandId id) {
    return static_cast<std::int32_t>(id);
}

} // namespace kestrel
