// Caret movement: horizontal steps over text, tabs and the empty columns beyond a line, line and
// page steps through the document, and the jumps to a position.
#include "commands/cursor_commands.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/fake_editor.h"

namespace kestrel {
namespace {

// Lines "line 0" .. "line N-1".
std::vector<std::string> Numbered(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    return lines;
}

class CursorCommandsTest : public ::testing::Test {
protected:
    FakeEditor editor;
    TextViewState& view = editor.view;
    CursorCommands cursor{editor.context};
};

// ---- A document of one empty line -------------------------------------------------------------

TEST_F(CursorCommandsTest, NothingMovesInADocumentOfOneEmptyLine) {
    editor.Load({});
    cursor.ArrowUp();
    cursor.ArrowDown();
    cursor.PageUp();
    cursor.PageDown();
    cursor.ArrowLeft();
    cursor.BottomOfFile();
    cursor.TopOfFile();
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    EXPECT_EQ(editor.store.LineCount(), 1);
}

// ---- Arrow left and right ---------------------------------------------------------------------

TEST_F(CursorCommandsTest, HorizontalStepsNeverWrapBetweenLines) {
    editor.Load({"ab", "cd"});
    editor.PutCaret(0, 1, 0, 0);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    EXPECT_FALSE(editor.Called("caret")) << "a step that moves nothing places no caret";

    editor.PutCaret(0, 0, 2, 0);
    cursor.ArrowRight();
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 3);
}

TEST(CursorCommandsLimit, ArrowRightPastTheEndKeepsCountingAndStopsAtTheLimit) {
    FakeEditor editor(256);
    CursorCommands cursor(editor.context);
    editor.Load({"abc"});
    for (int i = 0; i < 10; ++i) {
        cursor.ArrowRight();
    }
    EXPECT_EQ(editor.CaretDocumentColumn(), 10);
    EXPECT_EQ(editor.view.CaretStatusText(), "\tLine 1 Col 11");
    for (int i = 0; i < 300; ++i) {
        cursor.ArrowRight();
    }
    EXPECT_EQ(editor.CaretDocumentColumn(), 255);
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.view.HorizontalOffset(), editor.view.HorizontalMax());
}

TEST_F(CursorCommandsTest, ArrowRightOverATabGoesToTheNextTabStop) {
    editor.Load({"abc\tdef"});
    editor.PutCaret(0, 0, 3, 0);
    cursor.ArrowRight();
    EXPECT_EQ(editor.CaretDocumentColumn(), 8);
    cursor.ArrowRight();
    EXPECT_EQ(editor.CaretDocumentColumn(), 9);
}

TEST_F(CursorCommandsTest, ArrowLeftStepsBackOverTheWholeWidthOfATab) {
    editor.Load({"abc\tdef"});
    editor.PutCaret(0, 0, 8, 0);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 3);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
}

TEST_F(CursorCommandsTest, ArrowLeftFromTheEndOfALineLandsOnItsLastCharacter) {
    editor.Load({"ab\t"});
    editor.PutCaret(0, 0, 8, 0);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
}

TEST_F(CursorCommandsTest, ArrowLeftBeyondTheEndMovesOneColumnAtATime) {
    editor.Load({"ab"});
    editor.PutCaret(0, 0, 6, 0);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 5);
}

TEST_F(CursorCommandsTest, ArrowLeftInsideALeadingTabGoesToColumnZero) {
    editor.Load({"0123456789", "\tab"});
    editor.PutCaret(0, 0, 5, 0);
    cursor.ArrowDown();
    EXPECT_EQ(editor.CaretDocumentColumn(), 5) << "the caret keeps its column inside the tab";
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
}

TEST_F(CursorCommandsTest, ArrowLeftAtTheLeftEdgeFirstOnlyScrollsOneTabWidth) {
    editor.Load({std::string(100, 'x')});
    editor.PutCaret(0, 0, 0, 16);
    cursor.ArrowLeft();
    EXPECT_EQ(view.HorizontalOffset(), 8);
    EXPECT_EQ(editor.CaretDocumentColumn(), 16);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 15);
}

TEST_F(CursorCommandsTest, ArrowLeftOntoATabAcrossTheLeftEdgeKeepsTheCaretInTheWindow) {
    // The tab covers columns 8 to 15; the window starts at column 12.
    editor.Load({"abcdefgh\tijklmnop"});
    editor.PutCaret(0, 0, 4, 12);
    cursor.ArrowLeft();
    EXPECT_EQ(editor.CaretDocumentColumn(), 8);
    EXPECT_GE(view.CaretColumn(), 0);
}

TEST_F(CursorCommandsTest, ArrowRightAtTheRightEdgePagesRightByOneTabWidth) {
    editor.Load({std::string(200, 'x')});
    editor.PutCaret(0, 0, FakeEditor::kVisibleColumns - 1, 0);
    cursor.ArrowRight();
    EXPECT_EQ(view.HorizontalOffset(), 8);
    EXPECT_EQ(editor.CaretDocumentColumn(), FakeEditor::kVisibleColumns);
    EXPECT_EQ(view.CaretColumn(), FakeEditor::kVisibleColumns - 8);
}

// ---- Arrow up and down --------------------------------------------------------------------

TEST_F(CursorCommandsTest, VerticalMovesKeepTheColumnOverAShortLine) {
    editor.Load({std::string(30, 'a'), "abcde", std::string(30, 'c')});
    for (int i = 0; i < 20; ++i) {
        cursor.ArrowRight();
    }
    cursor.ArrowDown();
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 20);
    cursor.ArrowDown();
    EXPECT_EQ(editor.CaretLine(), 2);
    EXPECT_EQ(editor.CaretDocumentColumn(), 20);
    cursor.ArrowUp();
    cursor.ArrowUp();
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 20);
}

TEST_F(CursorCommandsTest, ArrowUpOnTheFirstLineAndArrowDownOnTheLastDoNothing) {
    editor.Load({"a", "b"});
    cursor.ArrowUp();
    EXPECT_EQ(editor.CaretLine(), 0);
    editor.PutCaret(0, 1, 0, 0);
    cursor.ArrowDown();
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_TRUE(editor.calls.empty());
}

TEST_F(CursorCommandsTest, LeavingALineStoresItAndArrivingLoadsTheNext) {
    editor.Load({"abc", "def"});
    editor.store.CurrentLine().Assign("abcX");
    editor.store.Flags().currentLineChanged = true;
    cursor.ArrowDown();
    EXPECT_EQ(editor.StoredLine(0), "abcX");
    EXPECT_TRUE(editor.store.Flags().modified);
    EXPECT_EQ(editor.store.CurrentLine().View(), "def");
    EXPECT_EQ(editor.store.CaretLine(), 1);
    cursor.ArrowUp();
    EXPECT_EQ(editor.store.CurrentLine().View(), "abcX");
}

TEST_F(CursorCommandsTest, ArrowDownOnTheBottomRowScrollsTheViewUnderTheCaret) {
    editor.Load(Numbered(100));
    editor.PutCaret(0, FakeEditor::kVisibleLines - 1, 3, 0);
    cursor.ArrowDown();
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_EQ(view.CaretRow(), FakeEditor::kVisibleLines - 1);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 20");
}

TEST_F(CursorCommandsTest, ArrowUpOnTheTopRowScrollsTheViewUnderTheCaret) {
    editor.Load(Numbered(100));
    editor.PutCaret(10, 0, 0, 0);
    cursor.ArrowUp();
    EXPECT_EQ(view.TopLine(), 9);
    EXPECT_EQ(view.CaretRow(), 0);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 9");
}

// ---- Pages ----------------------------------------------------------------------------------

TEST_F(CursorCommandsTest, PageDownWithTheLastLineVisibleDoesNothing) {
    editor.Load(Numbered(30));
    editor.PutCaret(15, 0, 0, 0);
    cursor.PageDown();
    EXPECT_EQ(view.TopLine(), 15);
    EXPECT_EQ(view.CaretRow(), 0);
    EXPECT_TRUE(editor.calls.empty());
}

TEST_F(CursorCommandsTest, PageDownMovesOneWindowHeightKeepingTheRow) {
    editor.Load(Numbered(100));
    editor.PutCaret(0, 5, 2, 0);
    cursor.PageDown();
    EXPECT_EQ(view.TopLine(), 20);
    EXPECT_EQ(editor.CaretLine(), 25);
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 25");
}

TEST_F(CursorCommandsTest, PageDownOntoTheLastPageKeepsTheCaretOnTheLastLine) {
    editor.Load(Numbered(45));
    editor.PutCaret(20, 19, 0, 0);
    cursor.PageDown();
    EXPECT_EQ(view.TopLine(), 40);
    EXPECT_EQ(editor.CaretLine(), 44);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 44");
}

TEST_F(CursorCommandsTest, PageUpOnTheFirstPageGoesToTheWindowsFirstRow) {
    editor.Load(Numbered(100));
    editor.PutCaret(0, 5, 7, 8);
    cursor.PageUp();
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(view.CaretColumn(), 0);
    EXPECT_EQ(view.HorizontalOffset(), 8);
}

TEST_F(CursorCommandsTest, PageUpMovesOneWindowHeightKeepingTheRow) {
    editor.Load(Numbered(100));
    editor.PutCaret(30, 3, 0, 0);
    cursor.PageUp();
    EXPECT_EQ(view.TopLine(), 10);
    EXPECT_EQ(editor.CaretLine(), 13);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 13");
}

// ---- Top and bottom ---------------------------------------------------------------------------

struct BottomCase {
    std::int32_t top;
    std::int32_t expectedTop;
    std::int32_t expectedRow;
};

class BottomOfFile : public ::testing::TestWithParam<BottomCase> {};

TEST_P(BottomOfFile, AdvancesTheWindowByWholePagesFromWhereItStands) {
    const BottomCase& c = GetParam();
    FakeEditor editor;
    CursorCommands cursor(editor.context);
    editor.Load(Numbered(45));
    editor.PutCaret(c.top, 0, 5, 8);
    cursor.BottomOfFile();
    EXPECT_EQ(editor.view.TopLine(), c.expectedTop);
    EXPECT_EQ(editor.view.CaretRow(), c.expectedRow);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 44");
    EXPECT_EQ(editor.renders, 1);
}

INSTANTIATE_TEST_SUITE_P(FortyFiveLinesTwentyVisible, BottomOfFile,
                         ::testing::Values(BottomCase{0, 40, 4}, BottomCase{30, 30, 14},
                                           BottomCase{25, 25, 19}, BottomCase{5, 25, 19}));

TEST_F(CursorCommandsTest, TopOfFileGoesToLineZeroColumnZeroAndRendersOnce) {
    editor.Load(Numbered(100));
    editor.PutCaret(50, 4, 7, 16);
    editor.store.CurrentLine().Assign("edited");
    editor.store.Flags().currentLineChanged = true;
    cursor.TopOfFile();
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    EXPECT_EQ(editor.StoredLine(54), "edited");
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 0");
    EXPECT_EQ(editor.renders, 1);
    EXPECT_TRUE(editor.Called("vpos 0"));
    EXPECT_TRUE(editor.Called("hpos 0"));
}

// ---- Start and end of the line ------------------------------------------------------------

TEST_F(CursorCommandsTest, BeginningOfLineScrollsFullyLeft) {
    editor.Load({std::string(100, 'x')});
    editor.PutCaret(0, 0, 5, 16);
    cursor.BeginningOfLine();
    EXPECT_EQ(view.HorizontalOffset(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
}

TEST_F(CursorCommandsTest, EndOfLineStandsJustAfterTheLastCharacter) {
    editor.Load({"\tab"});
    cursor.EndOfLine();
    EXPECT_EQ(editor.CaretDocumentColumn(), 10);
    EXPECT_EQ(view.HorizontalOffset(), 0);
    EXPECT_EQ(editor.renders, 0) << "a move inside the window renders nothing";
}

TEST_F(CursorCommandsTest, EndOfLineOutsideTheWindowScrollsToShowIt) {
    editor.Load({std::string(150, 'x')});
    cursor.EndOfLine();
    EXPECT_EQ(view.HorizontalOffset(), 150 - FakeEditor::kVisibleColumns + 1);
    EXPECT_EQ(view.CaretColumn(), FakeEditor::kVisibleColumns - 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 150);
}

// ---- Positions --------------------------------------------------------------------------------

TEST_F(CursorCommandsTest, GoToPositionMovesTheWindowByWholePages) {
    editor.Load(Numbered(100));
    cursor.GoToPosition(45, 3);
    EXPECT_EQ(view.TopLine(), 40);
    EXPECT_EQ(view.CaretRow(), 5);
    EXPECT_EQ(editor.CaretDocumentColumn(), 3);
    EXPECT_EQ(editor.store.CurrentLine().View(), "line 45");
    EXPECT_EQ(editor.renders, 1);

    editor.PutCaret(60, 0, 0, 0);
    cursor.GoToPosition(15, 0);
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_EQ(view.CaretRow(), 15);
}

TEST_F(CursorCommandsTest, GoToPositionMovesTheWindowByWholeWidths) {
    editor.Load({std::string(200, 'x')});
    cursor.GoToPosition(0, 150);
    EXPECT_EQ(view.HorizontalOffset(), FakeEditor::kVisibleColumns);
    EXPECT_EQ(editor.CaretDocumentColumn(), 150);
}

TEST_F(CursorCommandsTest, GoToPositionBeyondTheEndGoesToTheEndOfTheLine) {
    editor.Load({"abc", "a\tb"});
    cursor.GoToPosition(1, 50);
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 9);
    EXPECT_EQ(editor.renders, 0) << "nothing scrolled, so nothing is rendered";
}

TEST_F(CursorCommandsTest, GoToPositionOutsideTheDocumentIsIgnored) {
    editor.Load(Numbered(10));
    editor.PutCaret(0, 3, 2, 0);
    cursor.GoToPosition(10, 0);
    cursor.GoToPosition(-1, 0);
    EXPECT_EQ(editor.CaretLine(), 3);
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_TRUE(editor.calls.empty());
}

TEST_F(CursorCommandsTest, GotoBlockBeginBeforeAnyBlockGoesToTheStart) {
    editor.Load(Numbered(100));
    editor.PutCaret(30, 4, 3, 0);
    cursor.GotoBlockBegin();
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
}

TEST_F(CursorCommandsTest, GotoBlockEndGoesToTheMarkEvenWhenTheBlockIsHidden) {
    editor.Load(Numbered(100));
    view.SetBlock({70, 2}, {50, 3});
    view.SetBlockShown(false);
    cursor.GotoBlockEnd();
    EXPECT_EQ(editor.CaretLine(), 50);
    EXPECT_EQ(editor.CaretDocumentColumn(), 3);
    cursor.GotoBlockBegin();
    EXPECT_EQ(editor.CaretLine(), 70);
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
}

} // namespace
} // namespace kestrel
