// The user-editable table of key bindings, its defaults, and the edits the key recorder makes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "keys/key_binding.h"

namespace kestrel {

// An ordered sequence of bindings. Order matters twice: the first exact match wins a key
// lookup, and the menu shows the keys of a command's first binding. A command may have several
// rows and a row may have no keys.
class KeyTable {
public:
    // The first version's 41 defaults, then those of the commands added since (Undo on Ctrl+Z and
    // Alt+Backspace, Redo on Ctrl+Shift+Z, Replace on Ctrl+Q Ctrl+A), so the first 41 rows keep
    // their places.
    static constexpr std::size_t kDefaultCount = 45;

    // The table never grows past this many rows, so that every table that can be stored can
    // also be read back (a stored count above it is treated as damage). Real tables hold a few
    // dozen rows.
    static constexpr std::size_t kMaxBindings = 1024;

    KeyTable() = default;
    // Keeps at most kMaxBindings of `bindings`.
    explicit KeyTable(std::vector<KeyBinding> bindings);

    // The table used when none is stored, and what "Restore to default" brings back.
    static KeyTable Defaults();
    static const std::array<KeyBinding, kDefaultCount>& DefaultBindings();

    std::size_t Count() const { return bindings_.size(); }
    bool IsEmpty() const { return bindings_.empty(); }
    bool IsDefault() const;

    // Row `row`; the caller keeps row < Count().
    const KeyBinding& At(std::size_t row) const { return bindings_[row]; }
    const KeyBinding* Data() const { return bindings_.data(); }
    const KeyBinding* begin() const { return bindings_.data(); }
    const KeyBinding* end() const { return bindings_.data() + bindings_.size(); }

    // The first row naming `command`, or null when it has none (what the menu shows).
    const KeyBinding* FirstBindingOf(std::int32_t command) const;
    std::size_t CountBindingsOf(std::int32_t command) const;

    // Recorder edits. Each returns false and changes nothing when `row` is not a row.
    // Sets keystroke `slot` (0, 1 or 2) of a row; false also for any other slot.
    bool SetKey(std::size_t row, int slot, KeyCode key);
    bool ClearKeys(std::size_t row);

    // "Add": inserts a keyless copy of row `row` in front of it, so the new row names the same
    // command and the rows from `row` on move down. Never appends; false when the table is full.
    bool InsertKeylessCopy(std::size_t row);

    // "Delete": removes row `row` unless it is the only row of its command (every command keeps
    // one row; the recorder beeps on false). A row naming no command can always be removed.
    bool RemoveBinding(std::size_t row);

    // A table stored before some commands existed gets one keyless row for each command added
    // since that it does not name, at its end: the key recorder lists them so the user can bind
    // them, and nothing is bound that the user did not bind. False when nothing was missing.
    bool AddMissingCommands();

    friend bool operator==(const KeyTable& a, const KeyTable& b) {
        return a.bindings_ == b.bindings_;
    }
    friend bool operator!=(const KeyTable& a, const KeyTable& b) { return !(a == b); }

private:
    std::vector<KeyBinding> bindings_;
};

} // namespace kestrel
