// The key table a bare text window scrolls by until the editor hands it its own table: eight
// bindings whose command field is their position, each standing for one vertical scroll.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "commands/text_view_state.h"
#include "keys/key_binding.h"

namespace kestrel {

inline constexpr std::size_t kBuiltInScrollKeyCount = 8;

// The eight bindings in lookup order: Down, Up, Page Up, Page Down, Home, Ctrl+Q Ctrl+R, End,
// Ctrl+Q Ctrl+C. Binding i has command i.
const std::array<KeyBinding, kBuiltInScrollKeyCount>& BuiltInScrollKeys();

// The vertical scroll that the window sends itself for the built-in binding whose command is
// `position`: line down, line up, page up, page down, top, top, bottom, bottom. Any other number
// gives EndScroll, which moves nothing.
ScrollCode BuiltInScrollCode(std::int32_t position);

} // namespace kestrel
