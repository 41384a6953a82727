// Tests for CurrentLineBuffer: the text stays inside the buffer and keeps every byte, NULs too.
#include "document/current_line_buffer.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(CurrentLineBuffer, CutsAssignedTextToOneLessThanItsSize) {
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(8));
    line.Assign("abcdefghij");
    EXPECT_STREQ(line.Data(), "abcdefg");
    EXPECT_EQ(line.Length(), 7);
}

TEST(CurrentLineBuffer, KeepsEveryByteAfterANulThroughEachEdit) {
    using namespace std::string_view_literals;
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(16));
    line.Assign("\0ab\0cd\0"sv);
    EXPECT_EQ(line.View(), "\0ab\0cd\0"sv);
    EXPECT_TRUE(line.InsertAt(1, 'X'));
    EXPECT_TRUE(line.EraseAt(3));
    EXPECT_TRUE(line.ReplaceAt(0, 'Y'));
    EXPECT_TRUE(line.PadTo(9));
    EXPECT_EQ(line.View(), "YXa\0cd\0  "sv);
    EXPECT_TRUE(line.Truncate(4));
    EXPECT_EQ(line.View(), "YXa\0"sv);
    ASSERT_TRUE(line.Resize(32));
    EXPECT_EQ(line.View(), "YXa\0"sv);
}

TEST(CurrentLineBuffer, ResizingKeepsTheTextCutToTheNewSize) {
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(16));
    line.Assign("abcdefgh");
    ASSERT_TRUE(line.Resize(4));
    EXPECT_EQ(line.View(), "abc");
    EXPECT_FALSE(line.Resize(0));
    EXPECT_EQ(line.Size(), 4);
}

TEST(CurrentLineBuffer, RefusesEditsBeyondItsCapacityOrItsText) {
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(4));
    line.Assign("abc");
    EXPECT_FALSE(line.InsertAt(0, 'x')); // full: three characters and the terminator
    EXPECT_FALSE(line.PadTo(4));
    EXPECT_FALSE(line.EraseAt(3));
    EXPECT_FALSE(line.EraseAt(-1));
    EXPECT_FALSE(line.ReplaceAt(3, 'x'));
    EXPECT_FALSE(line.Truncate(4));
    EXPECT_EQ(line.View(), "abc");
    EXPECT_EQ(line.Data()[3], '\0');
    line.Clear();
    EXPECT_FALSE(line.InsertAt(1, 'x'));
    EXPECT_TRUE(line.Append('x'));
    EXPECT_EQ(line.View(), "x");
}

TEST(CurrentLineBuffer, IsAnEmptyStringBeforeItIsSized) {
    CurrentLineBuffer line;
    EXPECT_STREQ(line.Data(), "");
    line.Assign("text");
    EXPECT_EQ(line.Length(), 0);
}

} // namespace
} // namespace kestrel
