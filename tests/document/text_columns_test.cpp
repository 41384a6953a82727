// Tests for the column helpers: tab-aware index/column conversion and bounded copies.
#include "document/text_columns.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

struct ColumnCase {
    std::int32_t column;
    std::int32_t index;
};

class ColumnToIndexOnTabThenTwoLetters : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnToIndexOnTabThenTwoLetters, MapsEachColumnToTheCharacterCoveringIt) {
    EXPECT_EQ(ColumnToIndex(GetParam().column, "\tab", 8), GetParam().index);
}

// Columns inside the tab map to the tab; past the end the line counts as padded with spaces.
INSTANTIATE_TEST_SUITE_P(TabSize8, ColumnToIndexOnTabThenTwoLetters,
                         ::testing::Values(ColumnCase{0, 0}, ColumnCase{3, 0}, ColumnCase{7, 0},
                                           ColumnCase{8, 1}, ColumnCase{9, 2}, ColumnCase{10, 3},
                                           ColumnCase{12, 5}, ColumnCase{-4, 0}));

TEST(TextColumns, IndexToColumnCountsATabToTheNextStop) {
    EXPECT_EQ(IndexToColumn(3, "a\tb", 8), 9);
    EXPECT_EQ(IndexToColumn(2, "a\tb", 8), 8);
    EXPECT_EQ(IndexToColumn(8, "1234567\tx", 8), 8);
    EXPECT_EQ(IndexToColumn(2, "ab\tc", 4), 2);
    EXPECT_EQ(IndexToColumn(3, "ab\tc", 4), 4);
}

TEST(TextColumns, IndexToColumnStopsAtTheEndOfTheText) {
    EXPECT_EQ(IndexToColumn(50, "a\tb", 8), 9);
    // A NUL byte is one column like any other character; the text goes on after it.
    EXPECT_EQ(IndexToColumn(50, std::string_view("ab\0cd", 5), 8), 5);
    EXPECT_EQ(ColumnToIndex(4, std::string_view("\0\0\tx", 4), 4), 3);
}

TEST(TextColumns, ConversionsRoundTripOnCharacterStarts) {
    const char* text = "x\t\tyz\tq";
    for (std::int32_t index = 0; index <= 7; ++index) {
        EXPECT_EQ(ColumnToIndex(IndexToColumn(index, text, 4), text, 4), index) << index;
    }
}

TEST(TextColumns, ATabSizeBelowOneIsTakenAsOne) {
    EXPECT_EQ(ColumnToIndex(3, "\t\t\t\t", 0), 3);
    EXPECT_EQ(IndexToColumn(4, "\t\t\t\t", -2), 4);
}

class ExpandTabsTest : public ::testing::Test {
protected:
    // Expands into a buffer of '#' (limit at most 32), so a byte written past the limit shows.
    std::string Expand(std::string_view source, std::int32_t tabSize, std::size_t limit) {
        std::memset(out_, '#', sizeof out_);
        written_ = ExpandTabs(out_, source, tabSize, limit);
        EXPECT_EQ(out_[limit], '#') << "wrote past the limit";
        return limit == 0 ? std::string() : std::string(out_);
    }

    char out_[40];
    std::int32_t written_ = 0;
};

TEST_F(ExpandTabsTest, ReplacesTabsWithSpacesToTheNextStop) {
    EXPECT_EQ(Expand("ab\tc", 4, 16), "ab  c");
    EXPECT_EQ(Expand("\t\tx", 8, 32), std::string(16, ' ') + "x");
    EXPECT_EQ(written_, 17);
}

TEST_F(ExpandTabsTest, CutsInsideATabAtTheLimit) {
    EXPECT_EQ(Expand("a\tb", 8, 5), "a   ");
    EXPECT_EQ(written_, 4);
    EXPECT_EQ(Expand("abcdef", 8, 4), "abc");
    EXPECT_EQ(Expand("abc", 8, 1), "");
}

TEST_F(ExpandTabsTest, WritesNothingWithALimitOfZero) {
    Expand("abc", 8, 0);
    EXPECT_EQ(out_[0], '#');
    EXPECT_EQ(written_, 0);
}

} // namespace
} // namespace kestrel
