// Recording keystrokes into a binding.
#include "keys/key_recording.h"

#include <optional>

namespace kestrel {

bool KeyRecording::Start(KeyTable& table, std::size_t row) {
    if (!table.ClearKeys(row)) {
        return false;
    }
    row_ = row;
    stage_ = 1;
    return true;
}

RecordStep KeyRecording::KeyDown(std::uint32_t virtualKey, KeyTable& table) {
    if (stage_ == 0) {
        return RecordStep::Ignored;
    }
    std::optional<KeyCode> key = modifiers_.KeyDown(virtualKey);
    if (!key) {
        return RecordStep::Modifier;
    }
    if (!table.SetKey(row_, stage_ - 1, *key)) {
        stage_ = 0;
        return RecordStep::Ignored;
    }
    if (stage_ == 3) {
        stage_ = 0;
        return RecordStep::Finished;
    }
    ++stage_;
    return RecordStep::Recorded;
}

std::string_view KeyRecording::StartCaption() const {
    switch (stage_) {
    case 1:
        return "1";
    case 2:
        return "2";
    case 3:
        return "3";
    default:
        return "Start";
    }
}

} // namespace kestrel
