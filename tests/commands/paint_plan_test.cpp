// The rows a repaint draws: which lines, their expanded visible text, and the block cells.
#include "commands/paint_plan.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

// Lines held as strings, copied out as the line store does: cut to the buffer, NUL-terminated.
class FakeLineSource : public LineSource {
public:
    std::int32_t GetLineText(std::int32_t line, char* buffer, std::size_t size) const override {
        ++reads;
        const std::string& text = lines.at(static_cast<std::size_t>(line));
        const std::size_t n = std::min(text.size(), size - 1);
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        return static_cast<std::int32_t>(n);
    }
    std::int32_t GetLineLength(std::int32_t line) const override {
        return static_cast<std::int32_t>(lines.at(static_cast<std::size_t>(line)).size());
    }

    std::vector<std::string> lines;
    mutable int reads = 0;
};

// An 8 x 16 font in an 800 x 328 window: 20 whole rows, one partial row, a left margin of 8.
class PaintPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.SetFontMetrics(8, 16);
        view.SetClientSize(800, 328);
        view.SetLineLength(256);
        view.UpdateLayout();
    }

    void SetLines(std::vector<std::string> lines) {
        view.AdjustLineCount(static_cast<std::int32_t>(lines.size()) - view.LineCount());
        source.lines = std::move(lines);
    }

    void SetNumberedLines(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back("line " + std::to_string(i));
        }
        SetLines(std::move(lines));
    }

    const PaintRow& RowOf(std::int32_t line) const {
        for (const PaintRow& row : plan.Rows()) {
            if (row.line == line) {
                return row;
            }
        }
        throw std::out_of_range("line not painted");
    }

    TextViewState view;
    FakeLineSource source;
    PaintPlan plan;
};

// ---- Rows ---------------------------------------------------------------------------------

TEST_F(PaintPlanTest, CoversThePageAndOnePartialRow) {
    SetNumberedLines(100);
    view.SetTopLine(10);
    plan.Build(view, source);
    ASSERT_EQ(plan.Rows().size(), 21u);
    EXPECT_EQ(plan.Rows().front().line, 10);
    EXPECT_EQ(plan.Rows().front().top, 0);
    EXPECT_EQ(plan.Rows().back().line, 30);
    EXPECT_EQ(plan.Rows().back().top, 20 * 16);
    EXPECT_EQ(plan.Rows().back().text, "line 30");
    EXPECT_EQ(source.reads, 21);
    EXPECT_EQ(plan.TextLeft(), 8);
    EXPECT_EQ(plan.RowHeight(), 16);
}

TEST_F(PaintPlanTest, StopsAtTheLastLine) {
    SetNumberedLines(100);
    view.SetTopLine(95);
    plan.Build(view, source);
    ASSERT_EQ(plan.Rows().size(), 5u);
    EXPECT_EQ(plan.Rows().back().line, 99);
}

TEST_F(PaintPlanTest, OneLineDocumentShowsItsLine) {
    SetLines({"only line"});
    plan.Build(view, source);
    ASSERT_EQ(plan.Rows().size(), 1u);
    EXPECT_EQ(plan.Rows()[0].text, "only line");
    EXPECT_FALSE(plan.Rows()[0].block.covered);
    EXPECT_FALSE(plan.DrawsBlock());
}

TEST_F(PaintPlanTest, RebuildingAfterAScrollDropsRowsThatLeft) {
    SetNumberedLines(30);
    plan.Build(view, source);
    ASSERT_EQ(plan.Rows().size(), 21u);
    view.SetTopLine(25);
    plan.Build(view, source);
    ASSERT_EQ(plan.Rows().size(), 5u);
    EXPECT_EQ(plan.Rows()[0].text, "line 25");
}

// ---- Text of a row ------------------------------------------------------------------------

struct TextCase {
    std::string line;
    std::int32_t tabSize;
    std::int32_t offset;
    std::string expected;
};

class RowText : public PaintPlanTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(RowText, IsTheExpandedLineFromTheHorizontalOffsetOn) {
    const TextCase& c = GetParam();
    SetLines({c.line});
    view.SetTabSize(c.tabSize);
    view.SetHorizontalOffset(c.offset);
    plan.Build(view, source);
    ASSERT_EQ(plan.Rows().size(), 1u);
    EXPECT_EQ(plan.Rows()[0].text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(PaintPlan, RowText,
                         ::testing::Values(TextCase{"a\tb", 8, 0, "a       b"},
                                           TextCase{"\tx", 4, 0, "    x"},
                                           TextCase{"ab\t\tc", 4, 0, "ab      c"},
                                           TextCase{"0123456789", 8, 4, "456789"},
                                           TextCase{"0123456789", 8, 10, ""},
                                           TextCase{"0123456789", 8, 12, ""},
                                           TextCase{"\tx", 8, 3, "     x"},
                                           TextCase{"", 8, 0, ""},
                                           // A NUL byte is a visible cell; the line goes on.
                                           TextCase{std::string("\0a\0\tb\0", 6), 4, 0,
                                                    "?a? b?"},
                                           TextCase{std::string("ab\0cd", 5), 8, 2, "?cd"}));

TEST_F(PaintPlanTest, TabsExpandOnlyUpToTheLineLengthLimit) {
    // 40 tabs would be 320 columns; the limit of 256 bytes leaves room for 255.
    SetLines({std::string(40, '\t') + "tail"});
    plan.Build(view, source);
    EXPECT_EQ(plan.Rows()[0].text, std::string(255, ' '));
}

TEST_F(PaintPlanTest, StoredLineLongerThanTheLimitIsCutAtTheBuffer) {
    SetLines({std::string(5000, 'x')});
    plan.Build(view, source);
    EXPECT_EQ(plan.Rows()[0].text, std::string(255, 'x'));
}

// ---- Block --------------------------------------------------------------------------------

class PaintPlanBlockTest : public PaintPlanTest {
protected:
    void SetUp() override {
        PaintPlanTest::SetUp();
        SetLines({"line zero", "line one", "abcdefghij", "klmnopqrst", "uvwxyz0123", "after"});
        view.SetBlockShown(true);
    }
};

TEST_F(PaintPlanBlockTest, RunsToTheRightEdgeUntilTheEndLineAndStopsAtTheEndIndexThere) {
    view.SetBlock({2, 5}, {4, 5});
    plan.Build(view, source);
    EXPECT_TRUE(plan.DrawsBlock());
    EXPECT_FALSE(RowOf(1).block.covered);
    EXPECT_FALSE(RowOf(5).block.covered);

    const RowBlock& begin = RowOf(2).block;
    EXPECT_TRUE(begin.covered);
    EXPECT_EQ(begin.firstColumn, 5);
    EXPECT_EQ(begin.columnCount, 5); // "fghij"
    EXPECT_EQ(begin.textLeft, 8 + 5 * 8);
    EXPECT_TRUE(begin.fillsToRightEdge);
    EXPECT_EQ(begin.fillLeft, 8 + 10 * 8);
    EXPECT_EQ(begin.fillRight, 800);

    const RowBlock& middle = RowOf(3).block;
    EXPECT_EQ(middle.firstColumn, 0);
    EXPECT_EQ(middle.columnCount, 10);
    EXPECT_EQ(middle.textLeft, 8);
    EXPECT_TRUE(middle.fillsToRightEdge);
    EXPECT_EQ(middle.fillLeft, 8 + 10 * 8);

    const RowBlock& end = RowOf(4).block;
    EXPECT_EQ(end.firstColumn, 0);
    EXPECT_EQ(end.columnCount, 5); // "uvwxy"; the character at the end index is not selected
    EXPECT_FALSE(end.fillsToRightEdge);
}

TEST_F(PaintPlanBlockTest, FollowsTheHorizontalOffset) {
    view.SetBlock({2, 5}, {4, 5});
    view.SetHorizontalOffset(3);
    plan.Build(view, source);

    const PaintRow& begin = RowOf(2);
    EXPECT_EQ(begin.text, "defghij");
    EXPECT_EQ(begin.block.firstColumn, 2);
    EXPECT_EQ(begin.block.columnCount, 5);
    EXPECT_EQ(begin.block.textLeft, 8 + 2 * 8);
    EXPECT_EQ(begin.block.fillLeft, 8 + 7 * 8);

    const PaintRow& end = RowOf(4);
    EXPECT_EQ(end.block.firstColumn, 0);
    EXPECT_EQ(end.block.columnCount, 2); // "xy"
}

TEST_F(PaintPlanBlockTest, BeginScrolledOutToTheLeftStartsAtTheFirstVisibleColumn) {
    view.SetBlock({2, 1}, {2, 8});
    view.SetHorizontalOffset(3);
    plan.Build(view, source);
    const RowBlock& block = RowOf(2).block;
    EXPECT_EQ(block.firstColumn, 0);
    EXPECT_EQ(block.columnCount, 5); // columns 3 to 7, "defgh"
    EXPECT_FALSE(block.fillsToRightEdge);
}

TEST_F(PaintPlanBlockTest, EndingAtIndexZeroSelectsNothingOnTheEndLine) {
    view.SetBlock({2, 5}, {4, 0});
    plan.Build(view, source);
    EXPECT_TRUE(RowOf(3).block.fillsToRightEdge);
    const RowBlock& end = RowOf(4).block;
    EXPECT_EQ(end.columnCount, 0);
    EXPECT_FALSE(end.fillsToRightEdge);
}

TEST_F(PaintPlanBlockTest, LineScrolledPastLeavesOnlyTheFillFromTheMargin) {
    view.SetBlock({1, 0}, {3, 2});
    view.SetHorizontalOffset(9); // "line one" has 8 columns
    plan.Build(view, source);
    const RowBlock& block = RowOf(1).block;
    EXPECT_EQ(block.columnCount, 0);
    EXPECT_TRUE(block.fillsToRightEdge);
    EXPECT_EQ(block.fillLeft, 8);
}

TEST_F(PaintPlanBlockTest, IsNotDrawnWhenHiddenOrEmpty) {
    view.SetBlock({2, 5}, {4, 5});
    view.SetBlockShown(false);
    plan.Build(view, source);
    EXPECT_FALSE(plan.DrawsBlock());
    EXPECT_FALSE(RowOf(3).block.covered);

    view.SetBlockShown(true);
    view.SetBlock({2, 5}, {2, 5});
    plan.Build(view, source);
    EXPECT_FALSE(plan.DrawsBlock());
    EXPECT_FALSE(RowOf(2).block.covered);
}

TEST_F(PaintPlanBlockTest, ReversedMarksOnOneLineSelectNothing) {
    view.SetBlock({2, 7}, {2, 3});
    plan.Build(view, source);
    EXPECT_EQ(RowOf(2).block.columnCount, 0);
    EXPECT_FALSE(RowOf(2).block.fillsToRightEdge);
}

TEST_F(PaintPlanTest, BlockMarksCountTabsByTheirExpandedWidth) {
    SetLines({"\tab\tc"});
    view.SetBlockShown(true);
    view.SetBlock({0, 1}, {0, 4}); // from 'a' (column 8) up to 'c' (column 16)
    plan.Build(view, source);
    const RowBlock& block = plan.Rows()[0].block;
    EXPECT_EQ(block.firstColumn, 8);
    EXPECT_EQ(block.columnCount, 8);
}

TEST_F(PaintPlanTest, BlockEndBeyondTheCutExpansionStopsAtTheText) {
    // 100 tabs are 800 columns wide but only 255 fit the limit; the end mark at index 50
    // (column 400) must not select characters the row does not hold.
    SetLines({std::string(100, '\t')});
    view.SetBlockShown(true);
    view.SetBlock({0, 0}, {0, 50});
    plan.Build(view, source);
    const PaintRow& row = plan.Rows()[0];
    EXPECT_EQ(row.text.size(), 255u);
    EXPECT_EQ(row.block.firstColumn, 0);
    EXPECT_EQ(row.block.columnCount, 255);
}

} // namespace
} // namespace kestrel
