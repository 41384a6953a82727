// Modifier flags kept from key messages.
#include "keys/modifier_state.h"

namespace kestrel {

bool* ModifierState::FlagOf(Flags& flags, std::uint32_t virtualKey) {
    switch (virtualKey & KeyCode::kVirtualKeyMask) {
    case kVkShift:
        return &flags.shift;
    case kVkControl:
        return &flags.ctrl;
    case kVkMenu:
        return &flags.alt;
    default:
        return nullptr;
    }
}

std::optional<KeyCode> ModifierState::KeyDown(std::uint32_t virtualKey) {
    if (bool* flag = FlagOf(current_, virtualKey)) {
        *flag = true;
        return std::nullopt;
    }
    return KeyCode::Make(virtualKey, current_.shift, current_.ctrl, current_.alt);
}

void ModifierState::KeyUp(std::uint32_t virtualKey) {
    if (bool* flag = FlagOf(current_, virtualKey)) {
        *flag = false;
    }
}

void ModifierState::SaveAndClear() {
    saved_ = current_;
    current_ = Flags{};
}

void ModifierState::RestoreSaved() {
    current_ = saved_;
}

} // namespace kestrel
