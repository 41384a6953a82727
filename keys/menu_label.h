// The menu items whose texts show the keys bound to their commands.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "keys/key_table.h"

namespace kestrel {

// The menu resource leaves these items without text; the texts are built from the key table at
// start-up and after the key recorder's OK. Choosing an item is routed by its menu id, not by
// the key table.
struct MenuLabel {
    std::string_view label; // item text before the keys, with its & mnemonic
    CommandId command;      // command whose first binding's keys are shown
    std::uint16_t menuId;   // command id of the menu item
};

constexpr std::size_t kMenuLabelCount = 23;

// A menu item text holds at most this many characters.
constexpr std::size_t kMenuTextLimit = 99;

const std::array<MenuLabel, kMenuLabelCount>& MenuLabels();

// The label, a tab and three spaces, then the keys of the first binding of the label's command
// in `table` (nothing when it has none), cut to kMenuTextLimit.
std::string MenuItemText(const MenuLabel& label, const KeyTable& table);

} // namespace kestrel
