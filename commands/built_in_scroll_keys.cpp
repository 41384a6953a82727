// The built-in scrolling key table of a bare text window.
#include "commands/built_in_scroll_keys.h"

namespace kestrel {

namespace {

constexpr std::uint32_t kCtrlQ = 0x00050051;

constexpr KeyBinding ScrollBinding(std::int32_t position, std::uint32_t key1,
                                   std::uint32_t key2 = 0) {
    return KeyBinding{position, KeyCode(key1), KeyCode(key2), KeyCode()};
}

constexpr std::array<KeyBinding, kBuiltInScrollKeyCount> kBindings = {{
    ScrollBinding(0, 0x00010028),         // Down arrow
    ScrollBinding(1, 0x00010026),         // Up arrow
    ScrollBinding(2, 0x00010021),         // Page Up
    ScrollBinding(3, 0x00010022),         // Page Down
    ScrollBinding(4, 0x00010024),         // Home
    ScrollBinding(5, kCtrlQ, 0x00050052), // Ctrl+Q Ctrl+R
    ScrollBinding(6, 0x00010023),         // End
    ScrollBinding(7, kCtrlQ, 0x00050043), // Ctrl+Q Ctrl+C
}};

constexpr std::array<ScrollCode, kBuiltInScrollKeyCount> kCodes = {
    ScrollCode::LineDown, ScrollCode::LineUp, ScrollCode::PageUp, ScrollCode::PageDown,
    ScrollCode::Top,      ScrollCode::Top,    ScrollCode::Bottom, ScrollCode::Bottom,
};

} // namespace

const std::array<KeyBinding, kBuiltInScrollKeyCount>& BuiltInScrollKeys() {
    return kBindings;
}

ScrollCode BuiltInScrollCode(std::int32_t position) {
    if (position < 0 || position >= static_cast<std::int32_t>(kCodes.size())) {
        return ScrollCode::EndScroll;
    }
    return kCodes[static_cast<std::size_t>(position)];
}

} // namespace kestrel
