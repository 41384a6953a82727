// The colour dialog's palette: size, order and the colours the defaults rely on.
#include "settings/colour_palette.h"

#include <gtest/gtest.h>

#include <set>

namespace kestrel {
namespace {

TEST(ColourPalette, KnownColoursSitAtTheirIndices) {
    const struct {
        std::int32_t index;
        std::uint32_t colour;
    } cases[] = {
        {0, 0x000000},   // black
        {1, 0x000080},   // maroon
        {14, 0x00FFFF},  // yellow, the default block background
        {78, 0xC0C0C0},  // light grey, the default background
        {137, 0xFFFFFF}, // white
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColourPalette::At(c.index), c.colour) << c.index;
        EXPECT_EQ(ColourPalette::IndexOf(c.colour), c.index) << c.index;
    }
    // Dark sea green with its own blue.
    EXPECT_GE(ColourPalette::IndexOf(0x8BBC8F), 0);
    EXPECT_EQ(ColourPalette::IndexOf(0x8FBC8F), -1);
    EXPECT_EQ(ColourPalette::IndexOf(0x123456), -1);
}

TEST(ColourPalette, DistinctAscendingAndClampedAtTheEnds) {
    std::set<std::uint32_t> seen;
    for (std::int32_t i = 0; i < ColourPalette::kSize; ++i) {
        seen.insert(ColourPalette::At(i));
        if (i > 0) {
            EXPECT_LT(ColourPalette::At(i - 1), ColourPalette::At(i)) << i;
        }
    }
    EXPECT_EQ(seen.size(), 138u);
    EXPECT_EQ(ColourPalette::At(-1), 0x000000u);
    EXPECT_EQ(ColourPalette::At(138), 0xFFFFFFu);
}

} // namespace
} // namespace kestrel
