// The built-in key table that lets a bare text window scroll from the keyboard.
#include "commands/built_in_scroll_keys.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

struct BuiltInCase {
    std::uint32_t key1;
    std::uint32_t key2;
    ScrollCode code;
};

class BuiltInScrollKeyRows : public ::testing::TestWithParam<std::size_t> {};

const BuiltInCase kExpected[kBuiltInScrollKeyCount] = {
    {0x00010028, 0, ScrollCode::LineDown},        // Down arrow
    {0x00010026, 0, ScrollCode::LineUp},          // Up arrow
    {0x00010021, 0, ScrollCode::PageUp},          // Page Up
    {0x00010022, 0, ScrollCode::PageDown},        // Page Down
    {0x00010024, 0, ScrollCode::Top},             // Home
    {0x00050051, 0x00050052, ScrollCode::Top},    // Ctrl+Q Ctrl+R
    {0x00010023, 0, ScrollCode::Bottom},          // End
    {0x00050051, 0x00050043, ScrollCode::Bottom}, // Ctrl+Q Ctrl+C
};

TEST_P(BuiltInScrollKeyRows, BindTheirKeysToTheScrollAtTheirPosition) {
    const std::size_t position = GetParam();
    const KeyBinding& binding = BuiltInScrollKeys()[position];
    EXPECT_EQ(binding.command, static_cast<std::int32_t>(position));
    EXPECT_EQ(binding.key1.Value(), kExpected[position].key1);
    EXPECT_EQ(binding.key2.Value(), kExpected[position].key2);
    EXPECT_TRUE(binding.key3.IsNone());
    EXPECT_EQ(BuiltInScrollCode(binding.command), kExpected[position].code);
}

INSTANTIATE_TEST_SUITE_P(BuiltInScrollKeys, BuiltInScrollKeyRows,
                         ::testing::Range<std::size_t>(0, kBuiltInScrollKeyCount));

TEST(BuiltInScrollKeys, UnknownPositionScrollsNowhere) {
    EXPECT_EQ(BuiltInScrollCode(-1), ScrollCode::EndScroll);
    EXPECT_EQ(BuiltInScrollCode(8), ScrollCode::EndScroll);
}

} // namespace
} // namespace kestrel
