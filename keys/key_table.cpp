// The key table, its defaults and the recorder's edits.
#include "keys/key_table.h"

#include <algorithm>
#include <utility>

namespace kestrel {

namespace {

constexpr KeyBinding Bind(CommandId command, std::uint32_t key1, std::uint32_t key2 = 0) {
    return KeyBinding{ToIndex(command), KeyCode(key1), KeyCode(key2), KeyCode()};
}

// Ctrl+Q and Ctrl+K start the two-key sequences.
constexpr std::uint32_t kCtrlQ = 0x50051;
constexpr std::uint32_t kCtrlK = 0x5004B;

constexpr std::array<KeyBinding, KeyTable::kDefaultCount> kDefaults = {{
    Bind(CommandId::ArrowLeft, 0x10025),
    Bind(CommandId::ArrowRight, 0x10027),
    Bind(CommandId::ArrowDown, 0x10028),
    Bind(CommandId::ArrowUp, 0x10026),
    Bind(CommandId::TopOfFile, 0x50021),
    Bind(CommandId::TopOfFile, kCtrlQ, 0x50052),
    Bind(CommandId::BottomOfFile, 0x50022),
    Bind(CommandId::BottomOfFile, kCtrlQ, 0x50043),
    Bind(CommandId::PageUp, 0x10021),
    Bind(CommandId::PageDown, 0x10022),
    Bind(CommandId::BeginningOfLine, 0x10024),
    Bind(CommandId::EndOfLine, 0x10023),
    Bind(CommandId::Backspace, 0x10008),
    Bind(CommandId::DeleteLine, 0x50059),
    Bind(CommandId::DeleteChar, 0x1002E),
    Bind(CommandId::OpenFile, 0x10072),
    Bind(CommandId::NewFile, 0x5004E),
    Bind(CommandId::SaveFile, 0x10071),
    Bind(CommandId::SaveAs, 0),
    Bind(CommandId::ExitProgram, 0x90058),
    Bind(CommandId::ToggleInsert, 0x1002D),
    Bind(CommandId::ToggleWindowSize, 0x10074),
    Bind(CommandId::Cut, 0x50058),
    Bind(CommandId::Copy, 0x50043),
    Bind(CommandId::Paste, 0x50056),
    Bind(CommandId::FindText, kCtrlQ, 0x50046),
    Bind(CommandId::FindNext, 0x5004C),
    Bind(CommandId::GotoLine, kCtrlQ, 0x5004E),
    Bind(CommandId::InsertDate, 0x10078),
    Bind(CommandId::RestoreLine, kCtrlQ, 0x5004C),
    Bind(CommandId::GetSpecialChar, 0x10076),
    Bind(CommandId::WriteSpecialChar, 0x10077),
    Bind(CommandId::MarkBegin, kCtrlK, 0x50042),
    Bind(CommandId::MarkEnd, kCtrlK, kCtrlK),
    Bind(CommandId::GotoBlockBegin, kCtrlQ, 0x50042),
    Bind(CommandId::GotoBlockEnd, kCtrlQ, kCtrlK),
    Bind(CommandId::HideBlock, kCtrlK, 0x50048),
    Bind(CommandId::BlockRead, kCtrlK, 0x50052),
    Bind(CommandId::BlockWrite, kCtrlK, 0x50057),
    Bind(CommandId::DeleteBlock, kCtrlK, 0x50059),
    Bind(CommandId::PrintBlock, kCtrlK, 0x50050),
    Bind(CommandId::Undo, 0x5005A),   // Ctrl+Z
    Bind(CommandId::Undo, 0x90008),   // Alt+Backspace
    Bind(CommandId::Redo, 0x7005A),   // Ctrl+Shift+Z
    Bind(CommandId::Replace, kCtrlQ, 0x50041),
}};

} // namespace

KeyTable::KeyTable(std::vector<KeyBinding> bindings) : bindings_(std::move(bindings)) {
    if (bindings_.size() > kMaxBindings) {
        bindings_.resize(kMaxBindings);
    }
}

KeyTable KeyTable::Defaults() {
    return KeyTable(std::vector<KeyBinding>(kDefaults.begin(), kDefaults.end()));
}

const std::array<KeyBinding, KeyTable::kDefaultCount>& KeyTable::DefaultBindings() {
    return kDefaults;
}

bool KeyTable::IsDefault() const {
    return std::equal(bindings_.begin(), bindings_.end(), kDefaults.begin(), kDefaults.end());
}

const KeyBinding* KeyTable::FirstBindingOf(std::int32_t command) const {
    for (const KeyBinding& binding : bindings_) {
        if (binding.command == command) {
            return &binding;
        }
    }
    return nullptr;
}

std::size_t KeyTable::CountBindingsOf(std::int32_t command) const {
    return static_cast<std::size_t>(
        std::count_if(bindings_.begin(), bindings_.end(),
                      [command](const KeyBinding& binding) { return binding.command == command; }));
}

bool KeyTable::SetKey(std::size_t row, int slot, KeyCode key) {
    if (row >= bindings_.size()) {
        return false;
    }
    KeyBinding& binding = bindings_[row];
    switch (slot) {
    case 0:
        binding.key1 = key;
        return true;
    case 1:
        binding.key2 = key;
        return true;
    case 2:
        binding.key3 = key;
        return true;
    default:
        return false;
    }
}

bool KeyTable::ClearKeys(std::size_t row) {
    if (row >= bindings_.size()) {
        return false;
    }
    bindings_[row].key1 = KeyCode();
    bindings_[row].key2 = KeyCode();
    bindings_[row].key3 = KeyCode();
    return true;
}

bool KeyTable::InsertKeylessCopy(std::size_t row) {
    if (row >= bindings_.size() || bindings_.size() >= kMaxBindings) {
        return false;
    }
    KeyBinding copy{bindings_[row].command, KeyCode(), KeyCode(), KeyCode()};
    bindings_.insert(bindings_.begin() + static_cast<std::ptrdiff_t>(row), copy);
    return true;
}

bool KeyTable::RemoveBinding(std::size_t row) {
    if (row >= bindings_.size()) {
        return false;
    }
    const KeyBinding& binding = bindings_[row];
    if (binding.IsBound() && CountBindingsOf(binding.command) < 2) {
        return false;
    }
    bindings_.erase(bindings_.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

bool KeyTable::AddMissingCommands() {
    bool added = false;
    for (std::int32_t command = CommandTable::kFirstAddedCommand; command < CommandTable::kCount;
         ++command) {
        if (FirstBindingOf(command) == nullptr && bindings_.size() < kMaxBindings) {
            bindings_.push_back(KeyBinding{command, KeyCode(), KeyCode(), KeyCode()});
            added = true;
        }
    }
    return added;
}

} // namespace kestrel
