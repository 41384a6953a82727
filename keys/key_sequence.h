// Key lookup with the pending state of two- and three-key sequences (Ctrl+K then Ctrl+B).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "keys/key_binding.h"
#include "keys/key_code.h"
#include "keys/key_table.h"

namespace kestrel {

enum class KeyOutcome {
    Fired,   // a binding matched completely: run `command`
    Pending, // the keystroke starts or continues a longer binding: do nothing else
    Dropped, // nothing matched (or the sequence was already three keys long): do nothing
};

struct KeyLookup {
    KeyOutcome outcome = KeyOutcome::Dropped;
    std::int32_t command = -1; // a valid command index when Fired, -1 otherwise
    std::size_t row = 0;       // row of the binding that fired
};

// Which keystrokes of a sequence are pending. There is no time-out: only keystrokes move it;
// mouse actions, focus changes and menu commands neither advance nor cancel it.
class KeySequence {
public:
    // The one state that every text window shares.
    static KeySequence& Shared();

    // Looks keystroke `key` up in `count` bindings from `bindings`, in order:
    // - a binding whose keys equal the pending keys plus this one fires (the first such wins,
    //   and it wins over any longer binding starting the same way);
    // - otherwise, if some binding starts with them and fewer than three keys are pending,
    //   the keystroke is kept and the sequence waits for the next one;
    // - otherwise the keystroke is dropped (it is not tried again as a first key).
    // Fired and Dropped both return the state to rest before returning, so a command that runs
    // a nested message loop starts with a clean sequence. Bindings naming no command take part
    // in nothing; a `key` without its present bit (no real keystroke) is dropped.
    KeyLookup Press(KeyCode key, const KeyBinding* bindings, std::size_t count);
    KeyLookup Press(KeyCode key, const KeyTable& table);

    // Number of keystrokes pending: 0 at rest, 1 or 2 inside a sequence.
    int Stage() const { return stage_; }
    // Pending keystroke `slot` (0 to 2); 0 when unset.
    KeyCode Pending(int slot) const;
    void Reset();

private:
    int stage_ = 0;
    std::array<KeyCode, 3> pending_{};
};

} // namespace kestrel
