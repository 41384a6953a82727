// Typing and line editing: the limits and padding of typing, splitting and joining lines, the
// deletions, restoring a line, and how the block marks follow the text.
#include "commands/line_editing.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/fake_editor.h"

namespace kestrel {
namespace {

// An editor whose lines hold at most kLineLength - 1 characters.
template <std::int32_t kLineLength>
class EditingFixture : public ::testing::Test {
protected:
    void TypeText(const std::string& text) {
        for (char c : text) {
            editing.TypeChar(c);
        }
    }
    // Every line of the document, the caret line from its buffer.
    std::vector<std::string> Document() const {
        std::vector<std::string> lines;
        for (std::int32_t i = 0; i < editor.store.LineCount(); ++i) {
            lines.push_back(editor.Line(i));
        }
        return lines;
    }

    FakeEditor editor{kLineLength};
    TextViewState& view = editor.view;
    DocumentFlags& flags = editor.store.Flags();
    LineEditing editing{editor.context};
};

using LineEditingTest = EditingFixture<LineStore::kInitialLineLength>;
// Lines of at most 255 characters, as the stored default `linelength` of 256 gives.
using LineEditingLimitTest = EditingFixture<256>;

using Lines = std::vector<std::string>;

// ---- The character handler ----------------------------------------------------------------

TEST_F(LineEditingTest, CharacterMessagesTypePrintablesAndTabsAndSplitOnCarriageReturn) {
    editor.Load({"ab"});
    editor.PutCaret(0, 0, 2, 0);
    for (std::uint32_t code : {65u, 9u, 126u, 8u, 10u, 27u, 127u, 200u, 0u}) {
        editing.HandleCharacter(code);
    }
    EXPECT_EQ(Document(), (Lines{"abA\t~"}));
    editing.HandleCharacter(13);
    EXPECT_EQ(Document(), (Lines{"abA\t~", ""}));
}

// ---- TypeChar ---------------------------------------------------------------------------------

TEST_F(LineEditingTest, TypingInsertsAtTheCaretAndChangesTheLineNotTheDocument) {
    editor.Load({"ac"});
    editor.PutCaret(0, 0, 1, 0);
    editing.TypeChar('b');
    EXPECT_EQ(editor.Line(0), "abc");
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_TRUE(flags.currentLineChanged);
    EXPECT_FALSE(flags.modified) << "the document is modified when the line is stored";
    EXPECT_EQ(editor.StoredLine(0), "ac");
    EXPECT_EQ(editor.renders, 1);
}

TEST_F(LineEditingTest, TypingBeyondTheEndPadsWithSpaces) {
    editor.Load({"abc"});
    editor.PutCaret(0, 0, 10, 0);
    editing.TypeChar('x');
    EXPECT_EQ(editor.Line(0), "abc       x");
    EXPECT_EQ(editor.CaretDocumentColumn(), 11);
}

TEST_F(LineEditingTest, TypingATabGoesToTheNextTabStop) {
    editor.Load({"abcd"});
    editor.PutCaret(0, 0, 3, 0);
    editing.TypeChar('\t');
    EXPECT_EQ(editor.Line(0), "abc\td");
    EXPECT_EQ(editor.CaretDocumentColumn(), 8);
}

TEST_F(LineEditingTest, OverwriteModeReplacesAppendsAtTheEndAndPadsBeyondIt) {
    editor.Load({"a\tbc"});
    flags.overwriteMode = true;
    editor.PutCaret(0, 0, 1, 0);
    editing.TypeChar('X');
    EXPECT_EQ(editor.Line(0), "aXbc") << "the tab is replaced";
    view.SetCaretColumn(4);
    editing.TypeChar('d');
    EXPECT_EQ(editor.Line(0), "aXbcd");
    view.SetCaretColumn(7);
    editing.TypeChar('e');
    EXPECT_EQ(editor.Line(0), "aXbcd  e");
}

TEST_F(LineEditingTest, ReadOnlyTypingBeepsAndChangesNothing) {
    editor.Load({"abc"});
    flags.readOnly = true;
    editing.TypeChar('x');
    EXPECT_EQ(editor.beeps, 1);
    EXPECT_EQ(editor.Line(0), "abc");
    EXPECT_FALSE(flags.currentLineChanged);
}

TEST_F(LineEditingLimitTest, TypingOnAFullLineBeepsInInsertModeOnly) {
    editor.Load({std::string(255, 'a')});
    editor.PutCaret(0, 0, 10, 0);
    editing.TypeChar('x');
    EXPECT_EQ(editor.beeps, 1);
    EXPECT_EQ(editor.Line(0), std::string(255, 'a'));

    flags.overwriteMode = true;
    editing.TypeChar('x');
    EXPECT_EQ(editor.beeps, 1);
    EXPECT_EQ(editor.Line(0)[10], 'x');
    EXPECT_EQ(editor.Line(0).size(), 255u);

    view.SetHorizontalOffset(8);
    view.SetCaretColumn(255 - 8);
    editing.TypeChar('y');
    EXPECT_EQ(editor.beeps, 2) << "no character goes at column 255";
}

TEST_F(LineEditingLimitTest, TypingStopsAtTheLimitColumnOnAnEmptyLine) {
    editor.Load({""});
    editor.PutCaret(0, 0, 254 - 156, 156);
    editing.TypeChar('x');
    EXPECT_EQ(editor.Line(0), std::string(254, ' ') + "x");
    EXPECT_EQ(editor.beeps, 0);
    editing.TypeChar('y');
    EXPECT_EQ(editor.beeps, 1);
    EXPECT_EQ(editor.Line(0).size(), 255u);
}

TEST_F(LineEditingTest, InsertModeMovesTheMarksWithTheText) {
    editor.Load({"abcdefgh", "other"});
    view.SetBlock({0, 2}, {0, 5});
    editor.PutCaret(0, 0, 2, 0);
    editing.TypeChar('x'); // at the begin: outside the block
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 3}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{0, 6}));
    view.SetCaretColumn(4);
    editing.TypeChar('y'); // inside: the block grows
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 3}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{0, 7}));
    view.SetCaretColumn(7);
    editing.TypeChar('z'); // at the end: outside
    EXPECT_EQ(view.BlockEnd(), (TextPos{0, 7}));
}

TEST_F(LineEditingTest, OverwriteModeNeverMovesTheMarks) {
    editor.Load({"abcdefgh"});
    view.SetBlock({0, 2}, {0, 5});
    flags.overwriteMode = true;
    editor.PutCaret(0, 0, 1, 0);
    editing.TypeChar('x');
    view.SetCaretColumn(12);
    editing.TypeChar('y');
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 2}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{0, 5}));
}

TEST_F(LineEditingTest, TypingPastTheWindowPagesRightAndRendersOnce) {
    editor.Load({""});
    editor.PutCaret(0, 0, FakeEditor::kVisibleColumns, 0);
    editing.TypeChar('x');
    EXPECT_EQ(view.HorizontalOffset(), 8);
    EXPECT_EQ(editor.CaretDocumentColumn(), FakeEditor::kVisibleColumns + 1);
    EXPECT_EQ(view.CaretColumn(), FakeEditor::kVisibleColumns + 1 - 8);
    EXPECT_EQ(editor.renders, 1);
    EXPECT_TRUE(editor.Called("hpos 8"));
}

// ---- SplitLine ----------------------------------------------------------------------------

TEST_F(LineEditingTest, EnterInTheMiddleSplitsTheLineWithoutIndent) {
    editing.SetAutoIndent(true);
    editor.Load({"  abcdef", "next"});
    editor.PutCaret(0, 0, 5, 0);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"  abc", "def", "next"}));
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    EXPECT_FALSE(flags.currentLineChanged) << "both parts are stored";
    EXPECT_EQ(editor.StoredLine(0), "  abc");
    EXPECT_EQ(editor.StoredLine(1), "def");
    EXPECT_TRUE(flags.modified);
    EXPECT_EQ(view.LineCount(), 3);
    EXPECT_EQ(editor.renders, 1);
}

struct IndentCase {
    bool autoIndent;
    std::int32_t column; // where Enter is pressed on "    abc"
    std::string firstLine;
    std::string newLine;
    std::int32_t caretColumn;
};

class SplitLineIndent : public ::testing::TestWithParam<IndentCase> {};

TEST_P(SplitLineIndent, IndentsOnlyAnEmptyNewLineAndOnlyWhenOn) {
    const IndentCase& c = GetParam();
    FakeEditor editor;
    LineEditing editing(editor.context);
    editing.SetAutoIndent(c.autoIndent);
    editor.Load({"    abc"});
    editor.PutCaret(0, 0, c.column, 0);
    editing.SplitLine();
    EXPECT_EQ(editor.Line(0), c.firstLine);
    EXPECT_EQ(editor.Line(1), c.newLine);
    EXPECT_EQ(editor.StoredLine(1), c.newLine);
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), c.caretColumn);
}

INSTANTIATE_TEST_SUITE_P(
    FourSpacesAndAbc, SplitLineIndent,
    ::testing::Values(IndentCase{true, 7, "    abc", "    ", 4},
                      IndentCase{false, 7, "    abc", "", 0},
                      IndentCase{true, 12, "    abc", "    ", 4},
                      IndentCase{true, 6, "    ab", "c", 0}));

TEST_F(LineEditingTest, AutoIndentCopiesTabsAndPlacesTheCaretAtTheirWidth) {
    editing.SetAutoIndent(true);
    editor.Load({"\t x"});
    editor.PutCaret(0, 0, 10, 0);
    editing.SplitLine();
    EXPECT_EQ(editor.Line(1), "\t ");
    EXPECT_EQ(editor.CaretDocumentColumn(), 9);
}

TEST_F(LineEditingTest, EnterInOverwriteModeOnlyMovesToTheNextLine) {
    editor.Load({"abcdef", "ghi"});
    flags.overwriteMode = true;
    editor.PutCaret(0, 0, 3, 0);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"abcdef", "ghi"}));
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    editor.PutCaret(0, 1, 2, 8);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"abcdef", "ghi"}));
    EXPECT_EQ(editor.CaretLine(), 1) << "on the last line only the column changes";
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
}

TEST_F(LineEditingTest, EnterInOverwriteModeOnTheBottomRowScrollsAndRenders) {
    std::vector<std::string> lines(30, "text");
    editor.Load(lines);
    flags.overwriteMode = true;
    editor.PutCaret(0, FakeEditor::kVisibleLines - 1, 2, 0);
    editing.SplitLine();
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_EQ(editor.CaretLine(), FakeEditor::kVisibleLines);
    EXPECT_EQ(editor.renders, 1);
    EXPECT_TRUE(editor.Called("vpos 1"));
}

TEST_F(LineEditingTest, EnterOnTheBottomRowScrollsTheNewLineIntoView) {
    std::vector<std::string> lines(30, "text");
    editor.Load(lines);
    editor.PutCaret(5, FakeEditor::kVisibleLines - 1, 2, 0);
    editing.SplitLine();
    EXPECT_EQ(view.TopLine(), 6);
    EXPECT_EQ(editor.CaretLine(), 25);
    EXPECT_EQ(editor.Line(24), "te");
    EXPECT_EQ(editor.Line(25), "xt");
}

TEST_F(LineEditingTest, EnterMovesMarksAtOrAfterTheSplitToTheNewLine) {
    editor.Load({"abcdef", "ghi"});
    view.SetBlock({0, 1}, {0, 3});
    editor.PutCaret(0, 0, 3, 0);
    editing.SplitLine();
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 1}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{1, 0}));

    view.SetBlock({1, 2}, {2, 1});
    editor.PutCaret(0, 1, 1, 0);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"abc", "d", "ef", "ghi"}));
    EXPECT_EQ(view.BlockBegin(), (TextPos{2, 1}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{3, 1}));
}

TEST_F(LineEditingTest, EnterInAReadOnlyDocumentDoesNothing) {
    editor.Load({"abcdef"});
    flags.readOnly = true;
    editor.PutCaret(0, 0, 3, 0);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"abcdef"}));
    EXPECT_EQ(editor.CaretDocumentColumn(), 3);
}

TEST_F(LineEditingTest, EnterKeepsTheLineWholeWhenNoLineCanBeAdded) {
    // A store whose line table was never made cannot add a line, as one that cannot grow.
    editor.store.CurrentLine().Assign("abcdef");
    view.SetCaretColumn(3);
    editing.SplitLine();
    EXPECT_EQ(editor.store.CurrentLine().View(), "abcdef");
    EXPECT_EQ(editor.messages, (std::vector<std::string>{"Out of memory|"}));
    EXPECT_EQ(editor.store.LineCount(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 3);
    EXPECT_FALSE(view.PaintingSuspended());
}

TEST_F(LineEditingTest, EnterKeepsTheLineWholeWhenStoringItRunsOutOfMemory) {
    editor.Load({"abc", "ghi"});
    editor.PutCaret(0, 0, 3, 0);
    TypeText("defgh");
    editor.store.Arena().SetBlockAllocator(FailingBlockAllocator);
    view.SetCaretColumn(6);
    editing.SplitLine();
    EXPECT_TRUE(flags.readOnly);
    EXPECT_EQ(Document(), (Lines{"abc", "ghi"})) << "the line keeps its stored text, unsplit";
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.messages, (std::vector<std::string>{"Out of memory|"}));
}

TEST_F(LineEditingTest, EnterNeverLosesTheTextAfterTheCaretWhenTheNewLineCannotBeStored) {
    editor.Load({"abcdef", "ghi"});
    editor.PutCaret(0, 0, 3, 0);
    editor.store.Arena().SetBlockAllocator(FailingBlockAllocator);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"abcdef", "ghi"})) << "the tail needed storage of its own";
    EXPECT_EQ(editor.StoredLine(0), "abcdef");
    EXPECT_TRUE(flags.readOnly);
    EXPECT_EQ(editor.messages, (std::vector<std::string>{"Out of memory|"}));
}

TEST_F(LineEditingTest, EnterAtTheEndOfAnEmptyLineNeedsNoStorage) {
    editor.Load({"", "x"});
    editor.store.Arena().SetBlockAllocator(FailingBlockAllocator);
    editing.SplitLine();
    EXPECT_EQ(Document(), (Lines{"", "", "x"}));
    EXPECT_TRUE(editor.messages.empty());
    EXPECT_FALSE(flags.readOnly);
}

// ---- Backspace ------------------------------------------------------------------------------

TEST_F(LineEditingTest, BackspaceDeletesTheCharacterBeforeTheCaret) {
    editor.Load({"ab\tcd"});
    view.SetBlock({0, 3}, {0, 4});
    editor.PutCaret(0, 0, 8, 0);
    editing.Backspace();
    EXPECT_EQ(editor.Line(0), "abcd");
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_TRUE(flags.currentLineChanged);
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 2}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{0, 3}));
}

TEST_F(LineEditingTest, BackspaceBeyondTheEndOnlyMovesTheCaret) {
    editor.Load({"ab"});
    editor.PutCaret(0, 0, 5, 0);
    editing.Backspace();
    EXPECT_EQ(editor.Line(0), "ab");
    EXPECT_EQ(editor.CaretDocumentColumn(), 4);
    EXPECT_FALSE(flags.currentLineChanged);
}

TEST_F(LineEditingTest, BackspaceAtTheStartOfTheDocumentChangesNothing) {
    editor.Load({"ab", "cd"});
    editing.Backspace();
    EXPECT_EQ(Document(), (Lines{"ab", "cd"}));
    EXPECT_TRUE(editor.calls.empty());
}

TEST_F(LineEditingTest, BackspaceAtTheLeftEdgeScrollsLeftKeepingTheColumn) {
    editor.Load({std::string(100, 'x')});
    editor.PutCaret(0, 0, 1, 8);
    editing.Backspace();
    EXPECT_EQ(editor.Line(0).size(), 99u);
    EXPECT_EQ(view.HorizontalOffset(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 8);
    EXPECT_EQ(editor.renders, 1);
}

TEST_F(LineEditingTest, BackspaceAtTheStartOfALineJoinsItToThePreviousOne) {
    editor.Load({"hello", "world", "tail"});
    view.SetBlock({1, 2}, {2, 1});
    editor.PutCaret(0, 1, 0, 0);
    editing.Backspace();
    EXPECT_EQ(Document(), (Lines{"helloworld", "tail"}));
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 5);
    EXPECT_EQ(editor.StoredLine(0), "helloworld");
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 7})) << "previous length + 2";
    EXPECT_EQ(view.BlockEnd(), (TextPos{1, 1}));
    EXPECT_EQ(view.LineCount(), 2);
    EXPECT_TRUE(editor.messages.empty());
}

TEST_F(LineEditingTest, BackspaceInsideALeadingTabJoins) {
    editor.Load({"ab", "\tcd"});
    editor.PutCaret(0, 1, 4, 0);
    editing.Backspace();
    EXPECT_EQ(Document(), (Lines{"ab\tcd"}));
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
}

TEST_F(LineEditingTest, BackspaceJoinOnTheTopRowScrollsUp) {
    std::vector<std::string> lines(30, "ab");
    editor.Load(lines);
    editor.PutCaret(10, 0, 0, 0);
    editing.Backspace();
    EXPECT_EQ(view.TopLine(), 9);
    EXPECT_EQ(editor.CaretLine(), 9);
    EXPECT_EQ(editor.Line(9), "abab");
    EXPECT_EQ(editor.store.LineCount(), 29);
}

TEST_F(LineEditingTest, BackspaceJoinBringsAFarJoinPointIntoTheWindow) {
    editor.Load({std::string(150, 'a'), "b"});
    editor.PutCaret(0, 1, 0, 0);
    editing.Backspace();
    EXPECT_EQ(editor.CaretDocumentColumn(), 150);
    EXPECT_EQ(view.HorizontalOffset(), 150 - FakeEditor::kVisibleColumns + 1);
}

TEST_F(LineEditingLimitTest, BackspaceJoinOverTheLimitWrapsTheRestAndKeepsAllText) {
    const std::string previous(250, 'a');
    const std::string joined = "bcdefghijk";
    editor.Load({previous, joined, "tail"});
    view.SetBlock({1, 2}, {2, 0});
    editor.PutCaret(0, 1, 0, 0);
    editing.Backspace();
    EXPECT_EQ(Document(), (Lines{previous + "bcdef", "ghijk", "tail"}));
    EXPECT_EQ(editor.StoredLine(0), previous + "bcdef");
    EXPECT_EQ(editor.StoredLine(1), "ghijk");
    EXPECT_EQ(editor.messages,
              (std::vector<std::string>{
                  "Line is longer than 255 characters.\nIt will be wrapped to the next line.|"}));
    EXPECT_EQ(editor.CaretLine(), 0);
    EXPECT_EQ(editor.CaretDocumentColumn(), 250);
    EXPECT_EQ(view.BlockBegin(), (TextPos{1, 2})) << "the marks stay where they were";
    EXPECT_FALSE(flags.currentLineChanged);
}

TEST_F(LineEditingLimitTest, BackspaceJoinToExactlyTheLimitNeedsNoMessage) {
    editor.Load({std::string(250, 'a'), "bcdef"});
    editor.PutCaret(0, 1, 0, 0);
    editing.Backspace();
    EXPECT_EQ(Document(), (Lines{std::string(250, 'a') + "bcdef"}));
    EXPECT_TRUE(editor.messages.empty());
}

TEST_F(LineEditingTest, BackspaceJoinThatCannotBeStoredKeepsBothLines) {
    editor.Load({"abc", "def"});
    editor.store.Arena().SetBlockAllocator(FailingBlockAllocator);
    editor.PutCaret(0, 1, 0, 0);
    editing.Backspace();
    EXPECT_TRUE(flags.readOnly);
    EXPECT_EQ(Document(), (Lines{"abc", "def"}));
    EXPECT_EQ(editor.messages, (std::vector<std::string>{"Out of memory|"}));
}

TEST_F(LineEditingTest, BackspaceInAReadOnlyDocumentDoesNothing) {
    editor.Load({"ab", "cd"});
    flags.readOnly = true;
    editor.PutCaret(0, 1, 1, 0);
    editing.Backspace();
    editor.PutCaret(0, 1, 0, 0);
    editing.Backspace();
    EXPECT_EQ(Document(), (Lines{"ab", "cd"}));
    EXPECT_EQ(editor.beeps, 0);
}

// ---- JoinText -----------------------------------------------------------------------------

struct JoinCase {
    std::string line;
    std::string rest;
    std::string joined;
    std::string left;
};

class JoinTextTable : public ::testing::TestWithParam<JoinCase> {};

// A buffer of 16 bytes: 15 columns fit.
TEST_P(JoinTextTable, AppendsWhileTheWidthIsBelowTheLimit) {
    const JoinCase& c = GetParam();
    CurrentLineBuffer line;
    ASSERT_TRUE(line.Resize(16));
    line.Assign(c.line);
    std::string rest = c.rest;
    JoinText(line, rest, 8);
    EXPECT_EQ(line.View(), c.joined);
    EXPECT_EQ(rest, c.left);
}

INSTANTIATE_TEST_SUITE_P(
    SixteenByteBuffer, JoinTextTable,
    ::testing::Values(JoinCase{"abc", "def", "abcdef", ""},
                      JoinCase{"0123456789", "abcdefgh", "0123456789abcde", "fgh"},
                      JoinCase{"0123456789", "abcde", "0123456789abcde", ""},
                      JoinCase{"0123456789abcde", "xyz", "0123456789abcde", "xyz"},
                      // A tab at column 9 takes the width to 16; nothing fits behind it.
                      JoinCase{"012345678", "\tab", "012345678\t", "ab"},
                      JoinCase{"", "", "", ""}));

// ---- Delete char ----------------------------------------------------------------------------

TEST_F(LineEditingTest, DeleteCharRemovesTheCharacterAtTheCaretWhichStays) {
    editor.Load({"abcdef"});
    view.SetBlock({0, 2}, {0, 4});
    editor.PutCaret(0, 0, 2, 0);
    editing.DeleteChar();
    EXPECT_EQ(editor.Line(0), "abdef");
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_TRUE(flags.currentLineChanged);
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 2}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{0, 3}));
}

TEST_F(LineEditingTest, DeleteCharAtOrBeyondTheEndNeverJoins) {
    editor.Load({"ab", "cd"});
    for (std::int32_t column : {2, 5}) {
        editor.PutCaret(0, 0, column, 0);
        editing.DeleteChar();
    }
    EXPECT_EQ(Document(), (Lines{"ab", "cd"}));
    EXPECT_FALSE(flags.currentLineChanged);
}

// ---- Delete line ------------------------------------------------------------------------------

TEST_F(LineEditingTest, DeleteLineRemovesTheCaretLineAndMarksTheDocumentModified) {
    editor.Load({"one", "two", "three"});
    editor.PutCaret(0, 1, 2, 0);
    editor.store.CurrentLine().Assign("unstored edit");
    flags.currentLineChanged = true;
    editing.DeleteLine();
    EXPECT_EQ(Document(), (Lines{"one", "three"}));
    EXPECT_EQ(editor.StoredLine(1), "three") << "the discarded edit is not stored anywhere";
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_TRUE(flags.modified);
    EXPECT_FALSE(flags.currentLineChanged);
    EXPECT_EQ(view.LineCount(), 2);
}

TEST_F(LineEditingTest, DeleteLineOnTheLastLineEmptiesIt) {
    editor.Load({"one", "two"});
    editor.PutCaret(0, 1, 2, 0);
    editing.DeleteLine();
    EXPECT_EQ(Document(), (Lines{"one", ""}));
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    EXPECT_TRUE(flags.modified);
    EXPECT_TRUE(flags.currentLineChanged);
}

TEST_F(LineEditingTest, DeleteLineInAOneLineDocumentLeavesOneEmptyLine) {
    editor.Load({"only"});
    editing.DeleteLine();
    EXPECT_EQ(Document(), (Lines{""}));
    editor.store.StoreCurrentLine();
    EXPECT_EQ(editor.StoredLine(0), "");
}

TEST_F(LineEditingTest, DeleteLineAboveABlockMovesItUpWithItsText) {
    editor.Load({"zero", "one", "two", "three"});
    view.SetBlock({2, 1}, {3, 2});
    editing.DeleteLine();
    EXPECT_EQ(view.BlockBegin(), (TextPos{1, 1}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{2, 2}));
}

TEST_F(LineEditingTest, DeleteLineUnderTheBlockBeginMovesTheMarksToLineStarts) {
    editor.Load({"zero", "one", "two", "three"});
    view.SetBlock({1, 2}, {2, 3});
    editor.PutCaret(0, 1, 0, 0);
    editing.DeleteLine();
    EXPECT_EQ(view.BlockBegin(), (TextPos{1, 0}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{1, 0}));

    view.SetBlock({0, 1}, {1, 3});
    editing.DeleteLine();
    EXPECT_EQ(view.BlockBegin(), (TextPos{0, 1}));
    EXPECT_EQ(view.BlockEnd(), (TextPos{1, 0}));
}

TEST_F(LineEditingTest, DeleteLineInAReadOnlyDocumentDoesNothing) {
    editor.Load({"one", "two"});
    flags.readOnly = true;
    editing.DeleteLine();
    EXPECT_EQ(Document(), (Lines{"one", "two"}));
    EXPECT_FALSE(flags.modified);
}

// ---- Restore line -----------------------------------------------------------------------------

TEST_F(LineEditingTest, RestoreLineGoesBackOnlyToTheLastStore) {
    editor.Load({"abc", "def"});
    editor.PutCaret(0, 0, 3, 0);
    TypeText("XY");
    editing.RestoreLine();
    EXPECT_EQ(editor.Line(0), "abc");
    EXPECT_EQ(view.CaretColumn(), 0);
    EXPECT_FALSE(flags.currentLineChanged);

    TypeText("Z");
    editor.store.StoreCurrentLine(); // the caret leaves and comes back
    TypeText("W");
    editing.RestoreLine();
    EXPECT_EQ(editor.Line(0), "Zabc");
}

TEST_F(LineEditingTest, RestoreLineWorksInAReadOnlyDocument) {
    editor.Load({"abc"});
    editor.store.CurrentLine().Assign("changed");
    flags.currentLineChanged = true;
    flags.readOnly = true;
    editing.RestoreLine();
    EXPECT_EQ(editor.Line(0), "abc");
}

// ---- Modes and the window -----------------------------------------------------------------

TEST_F(LineEditingTest, ToggleInsertFlipsTheModeAndReshapesTheCaret) {
    editor.Load({""});
    editing.ToggleInsert();
    EXPECT_TRUE(flags.overwriteMode);
    editing.ToggleInsert();
    EXPECT_FALSE(flags.overwriteMode);
    EXPECT_EQ(editor.calls, (std::vector<std::string>{"recreate caret", "recreate caret"}));
}

TEST_F(LineEditingTest, ToggleWindowSizeAsksTheWindowAndLeavesTheDocument) {
    editor.Load({"abc"});
    editing.ToggleWindowSize();
    EXPECT_EQ(editor.calls, (std::vector<std::string>{"toggle size"}));
    EXPECT_EQ(editor.Line(0), "abc");
}

} // namespace
} // namespace kestrel
