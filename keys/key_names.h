// Key names and the text of a binding's keys, as the menu and the key recorder show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "keys/key_binding.h"

namespace kestrel {

// The key recorder's list rows hold at most this many characters.
constexpr std::size_t kRecorderRowLimit = 79;

// Name of virtual key `virtualKey` ("PageUp", "F5", "B", ";"), or empty when it has none
// (F13 and up, the numeric keypad, and every other key outside the named set).
std::string_view KeyName(std::uint16_t virtualKey);

// Appends the keys of `binding`: each key as its modifier prefixes ("Shift+", "Ctrl+", "Alt+")
// and its name, with two spaces after key1 and after key2 whether or not those are present.
// A present key without a name ends the text at once, after its prefixes.
void AppendBindingKeys(std::string& text, const KeyBinding& binding);
std::string FormatBindingKeys(const KeyBinding& binding);

// What the key recorder lists for a row of a damaged stored table whose command index names no
// command; such a row is never bound and never fires.
constexpr std::string_view kUnknownCommandName = "(unknown command)";

// A key recorder row: the command name, a tab and the keys, cut to kRecorderRowLimit.
std::string RecorderRowText(const KeyBinding& binding);

} // namespace kestrel
