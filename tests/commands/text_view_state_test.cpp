// Layout, scrolling, wheel, caret and deferred-painting rules of the text view state.
#include "commands/text_view_state.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

// Records what the view state asks of its window, with the caret line at the time of each
// store and load, so that the order against the state change can be checked.
class RecordingHost : public TextViewHost {
public:
    explicit RecordingHost(const TextViewState& view) : view_(view) {}

    void StoreCurrentLine() override { calls.push_back("store " + Line()); }
    void LoadCurrentLine() override { calls.push_back("load " + Line()); }
    void Repaint() override { calls.push_back("repaint"); }
    void PlaceCaret() override { calls.push_back("caret"); }
    void SetVerticalScrollPosition(std::int32_t position) override {
        calls.push_back("vpos " + std::to_string(position));
    }
    void SetHorizontalScrollPosition(std::int32_t position) override {
        calls.push_back("hpos " + std::to_string(position));
    }

    std::vector<std::string> calls;

private:
    std::string Line() const { return std::to_string(view_.CaretLine()); }
    const TextViewState& view_;
};

using Calls = std::vector<std::string>;

// A 100-line document in a window of 800 x 328 pixels with an 8 x 16 font: 20 whole rows and a
// partial one, 800 / 8 - 8 = 92 visible columns.
class TextViewStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.SetFontMetrics(8, 16);
        view.SetClientSize(800, 328);
        view.UpdateLayout();
        view.AdjustLineCount(100);
    }

    TextViewState view;
    RecordingHost host{view};
};

// ---- Layout -------------------------------------------------------------------------------

TEST_F(TextViewStateTest, LayoutCountsWholeRowsAndCellsLessTheMarginWidth) {
    EXPECT_EQ(view.VisibleLines(), 20);
    EXPECT_EQ(view.VisibleColumns(), 92);
    EXPECT_EQ(view.LeftMargin(), 8);
}

struct HorizontalMaxCase {
    std::int32_t lineLength;
    std::int32_t charWidth;
    std::int32_t clientWidth;
    std::int32_t expected;
};

class HorizontalMaximum : public ::testing::TestWithParam<HorizontalMaxCase> {};

TEST_P(HorizontalMaximum, IsTheLineWidthBeyondTheWindowInWholeCells) {
    const HorizontalMaxCase& c = GetParam();
    TextViewState view;
    view.SetLineLength(c.lineLength);
    view.SetFontMetrics(c.charWidth, 16);
    view.SetClientSize(c.clientWidth, 400);
    view.UpdateLayout();
    EXPECT_EQ(view.HorizontalMax(), c.expected);
    EXPECT_EQ(view.HorizontalScrollMax(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(TextViewState, HorizontalMaximum,
                         ::testing::Values(HorizontalMaxCase{2048, 8, 800, 1948},
                                           HorizontalMaxCase{256, 8, 800, 156},
                                           HorizontalMaxCase{256, 10, 805, 175},
                                           HorizontalMaxCase{256, 8, 2048, 0},
                                           HorizontalMaxCase{256, 8, 4000, 0},
                                           HorizontalMaxCase{2048, 0, 800, 0}));

TEST_F(TextViewStateTest, WideningTheWindowClampsTheOffsetToTheNewMaximum) {
    view.SetLineLength(256);
    view.SetHorizontalOffset(200);
    view.UpdateLayout();
    EXPECT_EQ(view.HorizontalMax(), 156);
    EXPECT_EQ(view.HorizontalOffset(), 156);
}

TEST_F(TextViewStateTest, HiddenBarHasNoRangeButTheOffsetStillPagesRight) {
    view.SetHorizontalBarHidden(true);
    EXPECT_EQ(view.HorizontalScrollMax(), 0);
    EXPECT_EQ(view.HorizontalMax(), 1948);
    EXPECT_TRUE(view.ScrollHorizontal(ScrollCode::PageRight, 0, host));
    EXPECT_EQ(view.HorizontalOffset(), 8);
}

TEST(TextViewState, FontWithoutSizeShowsNothingInsteadOfDividingByZero) {
    TextViewState view;
    view.SetClientSize(800, 600);
    view.UpdateLayout();
    EXPECT_EQ(view.VisibleLines(), 0);
    EXPECT_EQ(view.VisibleColumns(), 0);
    EXPECT_EQ(view.HorizontalMax(), 0);
    EXPECT_EQ(view.PageLines(), 1);
    EXPECT_EQ(view.PageColumns(), 1);
}

// ---- Line count ---------------------------------------------------------------------------

TEST(TextViewState, OneLineDocumentKeepsTheVerticalRangeZeroToOne) {
    TextViewState view;
    view.AdjustLineCount(1);
    EXPECT_EQ(view.LineCount(), 1);
    EXPECT_EQ(view.VerticalMax(), 1);
    EXPECT_EQ(view.TopLine(), 0);
}

TEST_F(TextViewStateTest, ShrinkingTheDocumentClampsTheTopLineToTheRange) {
    view.SetTopLine(90);
    view.AdjustLineCount(-50);
    EXPECT_EQ(view.LineCount(), 50);
    EXPECT_EQ(view.VerticalMax(), 49);
    EXPECT_EQ(view.TopLine(), 49);
}

// ---- Vertical scrolling -------------------------------------------------------------------

TEST_F(TextViewStateTest, LineDownKeepsTheCaretRowAndMovesItToTheNextLine) {
    view.SetCaretRow(5);
    EXPECT_TRUE(view.ScrollVertical(ScrollCode::LineDown, 0, host));
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_EQ(view.CaretRow(), 5);
    EXPECT_EQ(view.CaretLine(), 6);
    EXPECT_EQ(host.calls, (Calls{"store 5", "load 6", "repaint", "caret", "vpos 1"}));
}

TEST_F(TextViewStateTest, LineDownAtTheEndPullsTheCaretRowUpToTheLastLine) {
    view.SetTopLine(94);
    view.SetCaretRow(5);
    ASSERT_EQ(view.CaretLine(), 99);
    view.ScrollVertical(ScrollCode::LineDown, 0, host);
    EXPECT_EQ(view.TopLine(), 95);
    EXPECT_EQ(view.CaretRow(), 4);
    EXPECT_EQ(view.CaretLine(), 99);
}

TEST_F(TextViewStateTest, PageDownOnTheLastPagePutsTheLastLineAtTheTop) {
    view.SetTopLine(85);
    view.SetCaretRow(3);
    view.ScrollVertical(ScrollCode::PageDown, 0, host);
    EXPECT_EQ(view.TopLine(), 99);
    EXPECT_EQ(view.CaretRow(), 0);
    EXPECT_EQ(host.calls.back(), "vpos 99");
}

struct VerticalCase {
    ScrollCode code;
    std::int32_t position;
    std::int32_t expectedTop;
};

class VerticalScrollCodes : public TextViewStateTest,
                            public ::testing::WithParamInterface<VerticalCase> {};

// From top line 50 with 20 visible lines in a 100-line document.
TEST_P(VerticalScrollCodes, MoveTheTopLineAndClampItToTheDocument) {
    view.SetTopLine(50);
    view.ScrollVertical(GetParam().code, GetParam().position, host);
    EXPECT_EQ(view.TopLine(), GetParam().expectedTop);
}

INSTANTIATE_TEST_SUITE_P(TextViewState, VerticalScrollCodes,
                         ::testing::Values(VerticalCase{ScrollCode::LineUp, 0, 49},
                                           VerticalCase{ScrollCode::LineDown, 0, 51},
                                           VerticalCase{ScrollCode::PageUp, 0, 30},
                                           VerticalCase{ScrollCode::PageDown, 0, 70},
                                           VerticalCase{ScrollCode::ThumbTrack, 12, 12},
                                           VerticalCase{ScrollCode::ThumbTrack, 500, 99},
                                           VerticalCase{ScrollCode::ThumbTrack, -3, 0},
                                           VerticalCase{ScrollCode::Top, 0, 0},
                                           VerticalCase{ScrollCode::Bottom, 0, 99}));

class VerticalCodesThatDoNotMove : public TextViewStateTest,
                                   public ::testing::WithParamInterface<ScrollCode> {};

TEST_P(VerticalCodesThatDoNotMove, LeaveTheViewAndTheCurrentLineAlone) {
    view.SetTopLine(50);
    EXPECT_FALSE(view.ScrollVertical(GetParam(), 7, host));
    EXPECT_EQ(view.TopLine(), 50);
    EXPECT_TRUE(host.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(TextViewState, VerticalCodesThatDoNotMove,
                         ::testing::Values(ScrollCode::ThumbPosition, ScrollCode::EndScroll,
                                           static_cast<ScrollCode>(99)));

TEST_F(TextViewStateTest, PageUpNearTheTopStopsAtLineZero) {
    view.SetTopLine(5);
    view.ScrollVertical(ScrollCode::PageUp, 0, host);
    EXPECT_EQ(view.TopLine(), 0);
}

TEST_F(TextViewStateTest, ScrollingWhilePaintingIsSuspendedOnlyMovesTheView) {
    view.SuspendPainting();
    view.ScrollVertical(ScrollCode::LineDown, 0, host);
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_EQ(host.calls, (Calls{"store 0", "load 1"}));
}

TEST(TextViewState, ScrollingADocumentWithoutLinesKeepsTheCaretOnRowZero) {
    TextViewState view;
    RecordingHost host(view);
    view.SetFontMetrics(8, 16);
    view.SetClientSize(800, 320);
    view.UpdateLayout();
    view.ScrollVertical(ScrollCode::PageDown, 0, host);
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_EQ(view.CaretRow(), 0);
}

// ---- Horizontal scrolling -----------------------------------------------------------------

struct HorizontalCase {
    std::int32_t startOffset;
    ScrollCode code;
    std::int32_t position;
    std::int32_t expectedOffset;
};

class HorizontalScrollCodes : public TextViewStateTest,
                              public ::testing::WithParamInterface<HorizontalCase> {};

// Tab size 8; the horizontal maximum is 1948.
TEST_P(HorizontalScrollCodes, MoveTheOffsetWithinItsRange) {
    const HorizontalCase& c = GetParam();
    view.SetHorizontalOffset(c.startOffset);
    view.ScrollHorizontal(c.code, c.position, host);
    EXPECT_EQ(view.HorizontalOffset(), c.expectedOffset);
}

INSTANTIATE_TEST_SUITE_P(
    TextViewState, HorizontalScrollCodes,
    ::testing::Values(HorizontalCase{10, ScrollCode::LineLeft, 0, 9},
                      HorizontalCase{10, ScrollCode::LineRight, 0, 11},
                      HorizontalCase{10, ScrollCode::PageLeft, 0, 2},
                      HorizontalCase{10, ScrollCode::PageRight, 0, 18},
                      HorizontalCase{3, ScrollCode::PageLeft, 0, 0},
                      HorizontalCase{1945, ScrollCode::PageRight, 0, 1948},
                      HorizontalCase{10, ScrollCode::ThumbTrack, 300, 300},
                      HorizontalCase{10, ScrollCode::Left, 0, 0},
                      HorizontalCase{10, ScrollCode::Right, 0, 10},
                      HorizontalCase{10, ScrollCode::ThumbPosition, 300, 10},
                      HorizontalCase{10, ScrollCode::EndScroll, 0, 10}));

TEST_F(TextViewStateTest, HorizontalScrollKeepsTheCaretLineAndWindowColumn) {
    view.SetCaretRow(4);
    view.SetCaretColumn(6);
    EXPECT_TRUE(view.ScrollHorizontal(ScrollCode::PageRight, 0, host));
    EXPECT_EQ(view.CaretColumn(), 6);
    EXPECT_EQ(view.CaretDocumentColumn(), 14);
    EXPECT_EQ(host.calls, (Calls{"repaint", "caret", "hpos 8"}));
}

TEST_F(TextViewStateTest, PageRightMovesByTheTabSize) {
    view.SetTabSize(4);
    view.ScrollHorizontal(ScrollCode::PageRight, 0, host);
    EXPECT_EQ(view.HorizontalOffset(), 4);
}

// ---- Wheel --------------------------------------------------------------------------------

struct WheelCase {
    std::int32_t delta;
    std::int32_t wheelLines;
    std::int32_t expectedTop;
};

class WheelNotches : public TextViewStateTest, public ::testing::WithParamInterface<WheelCase> {};

// From top line 50; only the sign of the delta counts.
TEST_P(WheelNotches, ScrollWheelLinesPerMessage) {
    view.SetTopLine(50);
    view.SetWheelLines(GetParam().wheelLines);
    view.Wheel(GetParam().delta, host);
    EXPECT_EQ(view.TopLine(), GetParam().expectedTop);
}

INSTANTIATE_TEST_SUITE_P(TextViewState, WheelNotches,
                         ::testing::Values(WheelCase{-120, 3, 53}, WheelCase{-240, 3, 53},
                                           WheelCase{120, 3, 47}, WheelCase{360, 3, 47},
                                           WheelCase{-120, 20, 70}, WheelCase{120, 50, 0}));

// ---- Caret --------------------------------------------------------------------------------

TEST_F(TextViewStateTest, CaretCellIsPlacedAfterTheMargin) {
    view.SetCaretColumn(3);
    view.SetCaretRow(2);
    const PixelPoint p = view.CaretPosition();
    EXPECT_EQ(p.x, 3 * 8 + 8);
    EXPECT_EQ(p.y, 2 * 16);
}

TEST_F(TextViewStateTest, CaretIsAThinBarInInsertModeAndACellInOverwriteMode) {
    const CaretSize insert = view.CaretShape(false);
    EXPECT_EQ(insert.width, 3);
    EXPECT_EQ(insert.height, 16);
    const CaretSize overwrite = view.CaretShape(true);
    EXPECT_EQ(overwrite.width, 8);
    EXPECT_EQ(overwrite.height, 16);
}

TEST_F(TextViewStateTest, StatusCountsLineAndColumnFromOne) {
    view.SetTopLine(10);
    view.SetCaretRow(2);
    view.SetHorizontalOffset(4);
    view.SetCaretColumn(3);
    const CaretStatus status = view.CaretStatusNumbers();
    EXPECT_EQ(status.line, 13);
    EXPECT_EQ(status.column, 8);
    EXPECT_EQ(view.CaretStatusText(), "\tLine 13 Col 8");
}

// ---- Deferred painting and block ----------------------------------------------------------

TEST_F(TextViewStateTest, RepaintRequestedWhileSuspendedRunsOnceOnResume) {
    view.SuspendPainting();
    EXPECT_FALSE(view.BeginRepaint());
    EXPECT_FALSE(view.BeginRepaint());
    EXPECT_TRUE(view.RepaintPending());
    EXPECT_TRUE(view.ResumePainting());
    EXPECT_TRUE(view.BeginRepaint());
    EXPECT_FALSE(view.RepaintPending());
}

TEST_F(TextViewStateTest, ResumingWithoutARequestAsksForNoRepaint) {
    view.SuspendPainting();
    EXPECT_FALSE(view.ResumePainting());
    EXPECT_FALSE(view.PaintingSuspended());
}

TEST_F(TextViewStateTest, BlockIsDrawnOnlyWhenShownAndItsMarksDiffer) {
    view.SetBlock({2, 5}, {2, 5});
    view.SetBlockShown(true);
    EXPECT_FALSE(view.BlockVisible());
    view.SetBlockEnd({3, 5});
    EXPECT_TRUE(view.BlockVisible());
    view.SetBlockShown(false);
    EXPECT_FALSE(view.BlockVisible());
}

} // namespace
} // namespace kestrel
