// Where each menu item goes: one table from menu id to either a command, run by the command
// runner exactly as its key would run it, or an action of the main frame itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "keys/command_table.h"

namespace kestrel {

// What the frame does itself: the items that are no key command (options, help, printing the
// whole document), Exit and Toggle window size, and the key recorder's store command.
enum class FrameAction {
    None, // the item runs its command
    Exit,
    PrintDocument,
    ToggleWindowSize,
    Settings,
    FileInfo,
    PageSetup,
    TextColours,
    SelectedColours,
    Font,
    PrinterFont,
    Keys,
    CheckForUpdates,
    About,
    StoreKeyTable,
};

struct MenuRoute {
    std::uint16_t menuId;
    std::optional<CommandId> command; // set exactly when action is None
    FrameAction action;
};

inline constexpr std::size_t kMenuRouteCount = 35;

// The route of command id `id` (the low 16 bits of the command message's first parameter);
// null for an id that has none, which is ignored.
const MenuRoute* FindMenuRoute(std::uint32_t id);

// Every route, in menu order.
const MenuRoute* MenuRoutesBegin();
const MenuRoute* MenuRoutesEnd();

} // namespace kestrel
