// The main window's stored placement: what is written when the window is destroyed, and whether
// a stored placement is put back when the window is first shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/settings_values.h"
#include "shell/geometry.h"

namespace kestrel {

// The members of the window placement record that are stored (values flags, showCmd, rcNormal).
struct StoredPlacement {
    std::uint32_t flags = 0;   // placement flags, as the system reports them
    std::uint32_t showCmd = 0; // 1 normal, 2 minimised, 3 maximised
    Rect normal;               // restored position in screen coordinates
};

// Screen and icon sizes in pixels, as the system metrics give them.
struct ScreenMetrics {
    int width = 0;
    int height = 0;
    int iconWidth = 0;
    int iconHeight = 0;
};

// The show commands the system reports for a window's placement. Anything else (a hidden window,
// say) is never put back, since the program would then start with no visible window.
constexpr std::uint32_t kShowNormal = 1;
constexpr std::uint32_t kShowMinimized = 2;
constexpr std::uint32_t kShowMaximized = 3;

// rcNormal holds the four edges as signed 32-bit little-endian numbers.
constexpr std::size_t kStoredRectSize = 16;

// Writes flags, showCmd and rcNormal, and initialdir unless `initialDir` is empty (the stored
// one is then left as it was). A directory too long to be read back is not written either.
void WriteWindowState(SettingsSink& sink, const StoredPlacement& placement,
                      std::string_view initialDir);

// flags, showCmd and rcNormal (exactly 16 bytes); nothing unless all three are stored.
std::optional<StoredPlacement> ReadStoredPlacement(const SettingsSource& source);

// True when the stored window would open where the user can reach it: its left edge at most the
// screen width less an icon's width, its top edge at most the screen height less an icon's
// height, and a show command the system itself reports.
bool PlacementFitsScreen(const StoredPlacement& placement, const ScreenMetrics& screen);

// The stored placement to apply at the first show, or nothing when the window must open as if
// nothing were stored.
std::optional<StoredPlacement> ReadPlacementToRestore(const SettingsSource& source,
                                                      const ScreenMetrics& screen);

} // namespace kestrel
