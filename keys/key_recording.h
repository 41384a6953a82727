// The key recorder's recording of new keys for one binding: up to three keystrokes, ended by
// the third key or by "End".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "keys/key_table.h"
#include "keys/modifier_state.h"

namespace kestrel {

enum class RecordStep {
    Ignored,  // not recording (or the row is gone): the key-down is still consumed
    Modifier, // Shift, Ctrl or Alt: remembered for the next key
    Recorded, // stored as key1 or key2; waiting for the next key
    Finished, // stored as key3; recording is over
};

// Recording state with its own modifier flags, separate from any text window's. The table is
// passed to each call because the recorder's working table may be replaced while it is open.
class KeyRecording {
public:
    // Clears all three keys of row `row` and waits for its first key. False (and nothing
    // changes) when `row` is not a row of `table`.
    bool Start(KeyTable& table, std::size_t row);

    // A key-down (ordinary or system) while the recorder has the focus.
    RecordStep KeyDown(std::uint32_t virtualKey, KeyTable& table);

    // A key-up: Shift, Ctrl or Alt clears its flag, whether or not a recording is running.
    void KeyUp(std::uint32_t virtualKey) { modifiers_.KeyUp(virtualKey); }

    // "End" (or the list being refreshed): keys not yet recorded stay 0.
    void End() { stage_ = 0; }

    // The recorder lost the focus: a modifier released meanwhile never reports its key-up here,
    // so the flags are cleared.
    void LoseFocus() { modifiers_.SaveAndClear(); }

    // 0 idle; 1 to 3 the number of the keystroke awaited.
    int Stage() const { return stage_; }
    bool IsRecording() const { return stage_ != 0; }
    std::size_t Row() const { return row_; }

    // Caption of the "Start" button: "Start" when idle, else the number of the awaited key.
    std::string_view StartCaption() const;

private:
    ModifierState modifiers_;
    int stage_ = 0;
    std::size_t row_ = 0;
};

} // namespace kestrel
