// Tests for CurrentLineBuffer: the text always ends inside the buffer.
#include "document/current_line_buffer.h"

#include <cstring>

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

TEST(CurrentLineBuffer, StopsAssignedTextAtANul) {
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(16));
    line.Assign(std::string_view("ab\0cd", 5));
    EXPECT_EQ(line.View(), "ab");
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

TEST(CurrentLineBuffer, LengthStaysInsideABufferWhoseTerminatorWasOverwritten) {
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(6));
    std::memset(line.Data(), 'x', 6);
    EXPECT_EQ(line.Length(), 5);
}

TEST(CurrentLineBuffer, IsAnEmptyStringBeforeItIsSized) {
    CurrentLineBuffer line;
    EXPECT_STREQ(line.Data(), "");
    line.Assign("text");
    EXPECT_EQ(line.Length(), 0);
}

} // namespace
} // namespace kestrel
