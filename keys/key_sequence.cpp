// Key lookup: exact matches fire, prefixes wait for the next keystroke, anything else resets.
#include "keys/key_sequence.h"

namespace kestrel {

KeySequence& KeySequence::Shared() {
    static KeySequence shared;
    return shared;
}

KeyLookup KeySequence::Press(KeyCode key, const KeyBinding* bindings, std::size_t count) {
    if (!key.HasKey() || bindings == nullptr) {
        // A keyless code would match every keyless row; an absent table matches nothing.
        Reset();
        return KeyLookup{};
    }
    pending_[static_cast<std::size_t>(stage_)] = key;
    bool prefix = false;
    for (std::size_t row = 0; row < count; ++row) {
        const KeyBinding& binding = bindings[row];
        if (!binding.IsBound()) {
            continue;
        }
        bool first = binding.key1 == pending_[0];
        if (first && binding.key2 == pending_[1] && binding.key3 == pending_[2]) {
            Reset();
            return KeyLookup{KeyOutcome::Fired, binding.command, row};
        }
        if (stage_ == 0) {
            prefix = prefix || first;
        } else if (stage_ == 1) {
            prefix = prefix || (first && binding.key2 == pending_[1]);
        }
    }
    if (prefix && stage_ < 2) {
        ++stage_;
        return KeyLookup{KeyOutcome::Pending, -1, 0};
    }
    Reset();
    return KeyLookup{};
}

KeyLookup KeySequence::Press(KeyCode key, const KeyTable& table) {
    return Press(key, table.Data(), table.Count());
}

KeyCode KeySequence::Pending(int slot) const {
    if (slot < 0 || slot > 2) {
        return KeyCode();
    }
    return pending_[static_cast<std::size_t>(slot)];
}

void KeySequence::Reset() {
    stage_ = 0;
    pending_ = {};
}

} // namespace kestrel
