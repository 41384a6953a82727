// One binding of the key table: a command index and up to three keystrokes.
#pragma once

#include <cstdint>
#include <optional>

#include "keys/command_table.h"
#include "keys/key_code.h"

namespace kestrel {

// The handler is not stored here: the view turns `command` into its own operation. A binding
// whose command index names no command (only a damaged stored table holds one) is never bound
// and never fires; a binding whose key1 is 0 never fires either.
struct KeyBinding {
    std::int32_t command = 0; // index into CommandTable, valid below CommandTable::kCount
    KeyCode key1;             // first keystroke; 0 for a binding with no keys
    KeyCode key2;             // second keystroke, 0 for a one-key binding
    KeyCode key3;             // third keystroke, 0 for fewer than three keys

    bool IsBound() const { return CommandTable::IsValid(command); }
    // The command this binding runs; none for a binding naming no command.
    std::optional<CommandId> Command() const { return CommandTable::FromIndex(command); }

    friend bool operator==(const KeyBinding& a, const KeyBinding& b) {
        return a.command == b.command && a.key1 == b.key1 && a.key2 == b.key2 && a.key3 == b.key3;
    }
    friend bool operator!=(const KeyBinding& a, const KeyBinding& b) { return !(a == b); }
};

} // namespace kestrel
