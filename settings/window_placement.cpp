// Storing the main window's placement and deciding whether a stored one is put back.
#include "settings/window_placement.h"

#include <array>

#include "settings/editor_settings.h"

namespace kestrel {

static_assert(sizeof(int) == 4, "stored edges are 32-bit");

namespace {

std::array<std::uint8_t, kStoredRectSize> EncodeRect(const Rect& rect) {
    std::array<std::uint8_t, kStoredRectSize> bytes{};
    EncodeWord(bytes.data(), static_cast<std::uint32_t>(rect.left));
    EncodeWord(bytes.data() + 4, static_cast<std::uint32_t>(rect.top));
    EncodeWord(bytes.data() + 8, static_cast<std::uint32_t>(rect.right));
    EncodeWord(bytes.data() + 12, static_cast<std::uint32_t>(rect.bottom));
    return bytes;
}

Rect DecodeRect(const std::uint8_t* bytes) {
    Rect rect;
    rect.left = static_cast<int>(DecodeWord(bytes));
    rect.top = static_cast<int>(DecodeWord(bytes + 4));
    rect.right = static_cast<int>(DecodeWord(bytes + 8));
    rect.bottom = static_cast<int>(DecodeWord(bytes + 12));
    return rect;
}

} // namespace

void WriteWindowState(SettingsSink& sink, const StoredPlacement& placement,
                      std::string_view initialDir) {
    sink.WriteNumber(setting::kFlags, placement.flags);
    sink.WriteNumber(setting::kShowCmd, placement.showCmd);
    std::array<std::uint8_t, kStoredRectSize> rect = EncodeRect(placement.normal);
    sink.WriteBinary(setting::kRcNormal, rect.data(), rect.size());
    if (!initialDir.empty() && initialDir.size() < kInitialDirSize) {
        sink.WriteText(setting::kInitialDir, initialDir);
    }
}

std::optional<StoredPlacement> ReadStoredPlacement(const SettingsSource& source) {
    StoredPlacement placement;
    std::array<std::uint8_t, kStoredRectSize> rect{};
    if (!ReadNumber(source, setting::kFlags, placement.flags, 0) ||
        !ReadNumber(source, setting::kShowCmd, placement.showCmd, 0) ||
        !ReadBinary(source, setting::kRcNormal, rect.data(), rect.size())) {
        return std::nullopt;
    }
    placement.normal = DecodeRect(rect.data());
    return placement;
}

bool PlacementFitsScreen(const StoredPlacement& placement, const ScreenMetrics& screen) {
    if (placement.showCmd != kShowNormal && placement.showCmd != kShowMinimized &&
        placement.showCmd != kShowMaximized) {
        return false;
    }
    // Widened, so that no stored edge or metric can overflow the comparison.
    long long maxLeft = static_cast<long long>(screen.width) - screen.iconWidth;
    long long maxTop = static_cast<long long>(screen.height) - screen.iconHeight;
    return placement.normal.left <= maxLeft && placement.normal.top <= maxTop;
}

std::optional<StoredPlacement> ReadPlacementToRestore(const SettingsSource& source,
                                                      const ScreenMetrics& screen) {
    std::optional<StoredPlacement> placement = ReadStoredPlacement(source);
    if (!placement || !PlacementFitsScreen(*placement, screen)) {
        return std::nullopt;
    }
    return placement;
}

} // namespace kestrel
