// The Shift, Ctrl and Alt flags a window keeps from its own key messages, and the edge where a
// key-down becomes a KeyCode.
#pragma once

#include <cstdint>
#include <optional>

#include "keys/key_code.h"

namespace kestrel {

// The flags follow the modifier keys' own key-down and key-up messages; the keyboard state is
// never queried. Each text window has one set, and the key recorder has its own.
class ModifierState {
public:
    // A key-down of `virtualKey` (the low 16 bits of the message's key parameter). Shift, Ctrl
    // or Alt sets its flag and yields nothing: a modifier alone is not a keystroke and must not
    // touch a pending key sequence. Any other key yields its code with the flags now held.
    std::optional<KeyCode> KeyDown(std::uint32_t virtualKey);

    // A key-up: Shift, Ctrl or Alt clears its flag; any other key changes nothing.
    void KeyUp(std::uint32_t virtualKey);

    // Focus gained or lost: the key-up of a modifier released in another window never arrives
    // here, so the flags are put aside and cleared.
    void SaveAndClear();

    // Puts back the flags set aside by the last SaveAndClear (after a notice window that took
    // the focus briefly while the user still holds the keys).
    void RestoreSaved();

    bool ShiftDown() const { return current_.shift; }
    bool CtrlDown() const { return current_.ctrl; }
    bool AltDown() const { return current_.alt; }

private:
    struct Flags {
        bool shift = false;
        bool ctrl = false;
        bool alt = false;
    };

    // Points at the flag of a modifier key, or null for any other key.
    static bool* FlagOf(Flags& flags, std::uint32_t virtualKey);

    Flags current_;
    Flags saved_;
};

} // namespace kestrel
