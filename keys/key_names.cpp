// Key names and binding texts.
#include "keys/key_names.h"

#include <array>

namespace kestrel {

namespace {

struct NamedKey {
    std::uint16_t virtualKey;
    std::string_view name;
};

// Named keys other than letters, digits and F1-F12, which are derived from their codes.
constexpr std::array<NamedKey, 26> kNamedKeys = {{
    {0x08, "Backspace"},  {0x09, "Tab"},        {0x0D, "Enter"},    {0x1B, "Esc"},
    {0x20, "Space"},      {0x21, "PageUp"},     {0x22, "PageDown"}, {0x23, "End"},
    {0x24, "Home"},       {0x25, "Arrow left"}, {0x26, "Arrow up"}, {0x27, "Arrow right"},
    {0x28, "Arrow down"}, {0x2D, "Insert"},     {0x2E, "Delete"},   {0xBA, ";"},
    {0xBB, "="},          {0xBC, ","},          {0xBD, "-"},        {0xBE, "."},
    {0xBF, "/"},          {0xC0, "`"},          {0xDB, "["},        {0xDC, "\\"},
    {0xDD, "]"},          {0xDE, "'"},
}};

constexpr std::string_view kFunctionKeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                              "F7", "F8", "F9", "F10", "F11", "F12"};

// Letters and digits are named by their own character; these are those characters in code order.
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

constexpr std::string_view kKeySeparator = "  ";

// Appends one key; false when the key is present but has no name, which ends the text.
bool AppendKey(std::string& text, KeyCode key) {
    if (key.Shift()) {
        text += "Shift+";
    }
    if (key.Ctrl()) {
        text += "Ctrl+";
    }
    if (key.Alt()) {
        text += "Alt+";
    }
    if (!key.HasKey()) {
        return true;
    }
    std::string_view name = KeyName(key.VirtualKey());
    if (name.empty()) {
        return false;
    }
    text += name;
    return true;
}

} // namespace

std::string_view KeyName(std::uint16_t virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') {
        return kDigits.substr(virtualKey - '0', 1);
    }
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return kLetters.substr(virtualKey - 'A', 1);
    }
    if (virtualKey >= kVkF1 && virtualKey <= kVkF12) {
        return kFunctionKeys[virtualKey - kVkF1];
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.virtualKey == virtualKey) {
            return named.name;
        }
    }
    return {};
}

void AppendBindingKeys(std::string& text, const KeyBinding& binding) {
    if (!AppendKey(text, binding.key1)) {
        return;
    }
    text += kKeySeparator;
    if (!AppendKey(text, binding.key2)) {
        return;
    }
    text += kKeySeparator;
    AppendKey(text, binding.key3);
}

std::string FormatBindingKeys(const KeyBinding& binding) {
    std::string text;
    AppendBindingKeys(text, binding);
    return text;
}

std::string RecorderRowText(const KeyBinding& binding) {
    std::string text(binding.IsBound() ? CommandTable::Name(binding.command)
                                       : kUnknownCommandName);
    text += '\t';
    AppendBindingKeys(text, binding);
    if (text.size() > kRecorderRowLimit) {
        text.resize(kRecorderRowLimit);
    }
    return text;
}

} // namespace kestrel
