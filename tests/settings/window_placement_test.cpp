// The main window's stored placement: what is written, and when a stored one is put back.
#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/editor_settings.h"
#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

// 1280 x 1024 with 32-pixel icons: the left edge may be at most 1248, the top at most 992.
const ScreenMetrics kScreen{1280, 1024, 32, 32};

StoredPlacement Placement(int left, int top, std::uint32_t showCmd = kShowNormal) {
    return StoredPlacement{0, showCmd, Rect{left, top, left + 640, top + 480}};
}

class WindowPlacement : public ::testing::Test {
protected:
    MemorySettings store_;
};

TEST_F(WindowPlacement, StateIsWrittenAsNumbersAndASixteenByteRectangle) {
    WriteWindowState(store_, StoredPlacement{2, kShowMaximized, Rect{-8, 10, 300, 0x12345}},
                     "C:\\work\\");
    EXPECT_EQ(store_.WriteOrder(),
              (std::vector<std::string>{"flags", "showCmd", "rcNormal", "initialdir"}));
    EXPECT_EQ(store_.Find("flags")->kind, ValueKind::Number);
    EXPECT_EQ(store_.Find("showCmd")->bytes, MemorySettings::NumberBytes(3));
    const MemoryValue* rect = store_.Find("rcNormal");
    EXPECT_EQ(rect->kind, ValueKind::Binary);
    EXPECT_EQ(rect->bytes, (std::vector<std::uint8_t>{0xF8, 0xFF, 0xFF, 0xFF, 10, 0, 0, 0, 0x2C, 1,
                                                      0, 0, 0x45, 0x23, 1, 0}));
    EXPECT_EQ(store_.Find("initialdir")->kind, ValueKind::Text);
}

TEST_F(WindowPlacement, EmptyInitialDirectoryLeavesTheStoredOneAlone) {
    store_.SetText("initialdir", "D:\\old\\");
    WriteWindowState(store_, Placement(0, 0), "");
    EXPECT_EQ(ReadSettings(store_).initialDir, "D:\\old\\");
}

TEST_F(WindowPlacement, InitialDirectoryTooLongToReadBackIsNotWritten) {
    store_.SetText("initialdir", "D:\\old\\");
    WriteWindowState(store_, Placement(0, 0), std::string(260, 'x'));
    EXPECT_EQ(ReadSettings(store_).initialDir, "D:\\old\\");
    WriteWindowState(store_, Placement(0, 0), std::string(259, 'x'));
    EXPECT_EQ(ReadSettings(store_).initialDir, std::string(259, 'x'));
}

TEST_F(WindowPlacement, WrittenPlacementReadsBackWithNegativeEdges) {
    StoredPlacement written{2, kShowMinimized, Rect{-1200, -4, -100, 700}};
    WriteWindowState(store_, written, "");
    std::optional<StoredPlacement> read = ReadStoredPlacement(store_);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->flags, 2u);
    EXPECT_EQ(read->showCmd, kShowMinimized);
    EXPECT_EQ(read->normal.left, -1200);
    EXPECT_EQ(read->normal.top, -4);
    EXPECT_EQ(read->normal.right, -100);
    EXPECT_EQ(read->normal.bottom, 700);
}

TEST_F(WindowPlacement, NothingIsRestoredUnlessAllThreeValuesFit) {
    WriteWindowState(store_, Placement(100, 100), "");
    ASSERT_TRUE(ReadPlacementToRestore(store_, kScreen).has_value());

    for (const char* missing : {"flags", "showCmd", "rcNormal"}) {
        MemorySettings store;
        WriteWindowState(store, Placement(100, 100), "");
        store.DeleteValue(missing);
        EXPECT_FALSE(ReadPlacementToRestore(store, kScreen).has_value()) << missing;
    }
    store_.SetBytes("rcNormal", std::vector<std::uint8_t>(12, 0));
    EXPECT_FALSE(ReadPlacementToRestore(store_, kScreen).has_value());
    store_.SetBytes("rcNormal", std::vector<std::uint8_t>(20, 0));
    EXPECT_FALSE(ReadPlacementToRestore(store_, kScreen).has_value());
}

struct ScreenCase {
    const char* what;
    StoredPlacement placement;
    bool restored;
};

void PrintTo(const ScreenCase& c, std::ostream* out) {
    *out << c.what;
}

class WindowPlacementScreen : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(WindowPlacementScreen, StoredWindowIsRestoredOnlyWhereItCanBeReached) {
    const ScreenCase& c = GetParam();
    EXPECT_EQ(PlacementFitsScreen(c.placement, kScreen), c.restored) << c.what;
    MemorySettings store;
    WriteWindowState(store, c.placement, "");
    EXPECT_EQ(ReadPlacementToRestore(store, kScreen).has_value(), c.restored) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, WindowPlacementScreen,
    ::testing::Values(ScreenCase{"top left corner", Placement(0, 0), true},
                      ScreenCase{"left edge one icon from the right", Placement(1248, 0), true},
                      ScreenCase{"left edge beyond the right edge", Placement(1249, 0), false},
                      ScreenCase{"left edge on a screen to the right", Placement(1600, 10), false},
                      ScreenCase{"top edge one icon from the bottom", Placement(0, 992), true},
                      ScreenCase{"top edge beyond the bottom edge", Placement(0, 993), false},
                      ScreenCase{"window partly off the left", Placement(-300, 50), true},
                      ScreenCase{"largest left edge", Placement(0x7FFFFFFF - 640, 0), false},
                      ScreenCase{"maximised", Placement(10, 10, kShowMaximized), true},
                      ScreenCase{"minimised", Placement(10, 10, kShowMinimized), true},
                      ScreenCase{"hidden", Placement(10, 10, 0), false},
                      ScreenCase{"unknown show command", Placement(10, 10, 11), false}));

TEST(WindowPlacementMetrics, ExtremeMetricsDoNotOverflowTheComparison) {
    ScreenMetrics odd{-0x7FFFFFFF - 1, -0x7FFFFFFF - 1, 0x7FFFFFFF, 0x7FFFFFFF};
    EXPECT_FALSE(PlacementFitsScreen(Placement(-0x7FFFFFFF - 1, 0), odd));
}

} // namespace
} // namespace kestrel
