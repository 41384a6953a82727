// Searching from the caret with its wrap, where the caret and the view land, the identifier under
// the caret and the go-to line number.
#include "commands/find_commands.h"

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/fake_editor.h"

namespace kestrel {
namespace {

class CountingListener : public PassedEndListener {
public:
    void OnPassedEnd() override { ++passedEnd; }
    int passedEnd = 0;
};

class FindCommandsTest : public ::testing::Test {
protected:
    void Search(const std::string& text, bool matchCase = false, bool up = false) {
        find.SetSearchText(text);
        find.SetMatchCase(matchCase);
        find.SetSearchUp(up);
    }

    FakeEditor editor;
    TextViewState& view = editor.view;
    CountingListener listener;
    FindCommands find{editor.context, listener};
};

// ---- The search, as a table -------------------------------------------------------------------

struct SearchCase {
    const char* name;
    std::vector<std::string> lines;
    std::int32_t caretLine;
    std::int32_t caretColumn;
    std::string pattern;
    bool matchCase;
    bool up;
    bool found;
    std::int32_t endLine;   // caret afterwards, and the block's line when found
    std::int32_t endColumn; // caret's document column afterwards
    std::int32_t blockBegin;
    int passedEnd;
};

class SearchTable : public FindCommandsTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchTable, CaretBlockAndWrapAreAsExpected) {
    const SearchCase& c = GetParam();
    editor.Load(c.lines);
    editor.PutCaret(0, c.caretLine, c.caretColumn, 0);
    Search(c.pattern, c.matchCase, c.up);
    EXPECT_EQ(find.SearchFromCaret(), c.found);
    EXPECT_EQ(editor.CaretLine(), c.endLine);
    EXPECT_EQ(editor.CaretDocumentColumn(), c.endColumn);
    EXPECT_EQ(listener.passedEnd, c.passedEnd);
    if (c.found) {
        EXPECT_TRUE(view.BlockShown());
        EXPECT_EQ(view.BlockBegin(), (TextPos{c.endLine, c.blockBegin}));
        EXPECT_EQ(view.BlockEnd(),
                  (TextPos{c.endLine, c.blockBegin + static_cast<int>(c.pattern.size())}));
    }
    EXPECT_EQ(editor.store.CaretLine(), editor.CaretLine()) << "the caret line is loaded";
}

INSTANTIATE_TEST_SUITE_P(
    Documents, SearchTable,
    ::testing::Values(
        SearchCase{"down finds the next one on the caret line", {"foo bar foo", "x"}, 0, 5,
                   "foo", false, false, true, 0, 11, 8, 0},
        SearchCase{"down: one before the caret only after the wrap", {"foo bar", "x"}, 0, 4,
                   "foo", false, false, true, 0, 3, 0, 1},
        SearchCase{"single occurrence found again after the wrap", {"a", "needle", "b"}, 1, 6,
                   "needle", false, false, true, 1, 6, 0, 1},
        SearchCase{"down on a later line", {"x", "y", "  key"}, 0, 0, "key", false, false, true,
                   2, 5, 2, 0},
        SearchCase{"caret beyond the end counts as at the end", {"abc", "abc"}, 0, 40, "abc",
                   false, false, true, 1, 3, 0, 0},
        SearchCase{"case off finds ABC and aBc", {"xx ABC"}, 0, 0, "abc", false, false, true, 0,
                   6, 3, 0},
        SearchCase{"case on misses ABC: not found, line 0", {"yy", "xx ABC"}, 1, 0, "abc", true,
                   false, false, 0, 0, 0, 1},
        SearchCase{"high bytes compare exactly", {"\xE9t\xC9"}, 0, 0, "\xC9", false, false, true,
                   0, 3, 2, 0},
        SearchCase{"high bytes are not folded", {"\xE9t"}, 0, 0, "\xC9", false, false, false, 0,
                   0, 0, 1},
        SearchCase{"up: the last one ending at the caret", {"ab ab ab"}, 0, 5, "ab", false, true,
                   true, 0, 3, 3, 0},
        SearchCase{"up from the start of a match steps before it", {"ab ab"}, 0, 3, "ab", false,
                   true, true, 0, 0, 0, 0},
        SearchCase{"up on a line above: its last one", {"ab ab", "x"}, 1, 1, "ab", false, true,
                   true, 0, 3, 3, 0},
        SearchCase{"up wraps to the last line, searched whole", {"x", "y ab ab"}, 0, 0, "ab",
                   false, true, true, 1, 5, 5, 1},
        SearchCase{"up not found ends on the last line", {"a", "b", "c"}, 1, 1, "zz", false, true,
                   false, 2, 0, 0, 1},
        SearchCase{"down not found ends on line 0", {"a", "b", "c"}, 1, 1, "zz", false, false,
                   false, 0, 0, 0, 1}));

TEST_F(FindCommandsTest, AnEmptySearchTextMovesNothingAndSucceeds) {
    editor.Load({"abc", "def"});
    editor.PutCaret(0, 1, 2, 0);
    EXPECT_TRUE(find.SearchFromCaret());
    find.FindNext();
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretDocumentColumn(), 2);
    EXPECT_TRUE(editor.messages.empty());
    EXPECT_EQ(listener.passedEnd, 0);
}

TEST_F(FindCommandsTest, FindNextWalksEveryOccurrenceAndSaysWhenThereIsNone) {
    editor.Load({"one two one", "", "two one"});
    Search("ONE");
    std::vector<std::pair<int, int>> seen;
    for (int i = 0; i < 4; ++i) {
        find.FindNext();
        seen.emplace_back(editor.CaretLine(), editor.CaretDocumentColumn());
    }
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 3}, {0, 11}, {2, 7}, {0, 3}}));
    EXPECT_EQ(listener.passedEnd, 1);
    EXPECT_TRUE(editor.messages.empty());

    Search("three");
    find.FindNext();
    EXPECT_EQ(editor.messages, (std::vector<std::string>{"Text not found|three"}));
}

TEST_F(FindCommandsTest, NotFoundShowsTheViewWhereTheCaretWent) {
    std::vector<std::string> lines(100, "text");
    editor.Load(lines);
    editor.PutCaret(60, 5, 30, 10);
    Search("absent");
    EXPECT_FALSE(find.SearchFromCaret());
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_EQ(view.HorizontalOffset(), 0);
    EXPECT_TRUE(editor.Called("vpos 0"));
    EXPECT_TRUE(editor.Called("hpos 0"));
    EXPECT_TRUE(editor.Called("repaint"));
    EXPECT_TRUE(editor.Called("caret"));
}

TEST_F(FindCommandsTest, UnstoredEditsOfTheCaretLineAreSearchedAndKept) {
    editor.Load({"plain", "other"});
    editor.PutCaret(0, 0, 9, 0);
    editor.store.CurrentLine().Assign("typed key here key");
    editor.store.Flags().currentLineChanged = true;
    Search("key");
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(editor.CaretDocumentColumn(), 18);
    EXPECT_EQ(editor.StoredLine(0), "typed key here key");
    EXPECT_TRUE(editor.store.Flags().modified);
}

TEST_F(FindCommandsTest, AMatchFarBelowMovesTheViewByWholePages) {
    std::vector<std::string> lines(100, "filler");
    lines[57] = "target";
    editor.Load(lines);
    editor.PutCaret(3, 2, 0, 0);
    Search("target");
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(view.TopLine(), 3 + 2 * FakeEditor::kVisibleLines);
    EXPECT_EQ(editor.CaretLine(), 57);

    lines[57] = "filler";
    lines[10] = "target";
    editor.Load(lines);
    editor.PutCaret(80, 5, 0, 0);
    Search("target", false, true);
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(view.TopLine(), 0) << "upwards the page stops at line 0";
    EXPECT_EQ(editor.CaretLine(), 10);
}

TEST_F(FindCommandsTest, AMatchBeyondTheRightEdgeMovesTheOffsetByWholeWidths) {
    editor.Load({std::string(200, '.') + "end"});
    Search("end");
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(view.HorizontalOffset(), 2 * FakeEditor::kVisibleColumns);
    EXPECT_EQ(editor.CaretDocumentColumn(), 203);
    EXPECT_TRUE(editor.Called("hpos 184"));
}

TEST_F(FindCommandsTest, AnUpwardMatchAcrossTheLeftEdgePutsTheCaretAtItsStart) {
    editor.Load({std::string(95, '.') + "needle" + std::string(60, '.')});
    editor.PutCaret(0, 0, 50, 100);
    Search("needle", false, true);
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(editor.CaretDocumentColumn(), 95);
    EXPECT_GE(view.CaretColumn(), 0);
    EXPECT_LE(view.HorizontalOffset(), 95);
}

TEST_F(FindCommandsTest, AWindowTooSmallForALineOrColumnNeverHangs) {
    std::vector<std::string> lines(300, "x");
    lines[250] = std::string(500, ' ') + "deep";
    editor.Load(lines);
    view.SetClientSize(4, 4);
    view.UpdateLayout();
    ASSERT_LE(view.VisibleColumns(), 0);
    ASSERT_EQ(view.VisibleLines(), 0);
    Search("deep");
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(editor.CaretLine(), 250);
    EXPECT_EQ(editor.CaretDocumentColumn(), 504);
    Search("none");
    EXPECT_FALSE(find.SearchFromCaret());
    find.GoToLine("300");
    EXPECT_EQ(editor.CaretLine(), 299);
}

// ---- The identifier under the caret -----------------------------------------------------------

struct WordCase {
    std::string line;
    std::int32_t column;
    std::string expected;
};

class WordAtCaretTable : public FindCommandsTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(WordAtCaretTable, TakesTheWholeIdentifierOrNothing) {
    const WordCase& c = GetParam();
    editor.Load({c.line});
    editor.PutCaret(0, 0, c.column, 0);
    find.SetSearchText("previous");
    find.WordAtCaret();
    EXPECT_EQ(find.SearchText(), c.expected) << c.line << " @" << c.column;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordAtCaretTable,
    ::testing::Values(WordCase{"x = total_count + 1", 8, "total_count"},
                      WordCase{"x = total_count + 1", 4, "total_count"},
                      WordCase{"x = total_count + 1", 14, "total_count"},
                      WordCase{"x = total_count + 1", 15, ""}, // on the space after it
                      WordCase{"abc", 3, ""},                  // at the end of the line
                      WordCase{"abc", 30, ""},                 // beyond it
                      WordCase{"", 0, ""},
                      WordCase{"\tname", 3, ""},               // inside the tab
                      WordCase{"\tname", 9, "name"},
                      WordCase{"a\xE9z", 1, ""},               // not an identifier byte
                      WordCase{"Z9_", 0, "Z9_"},
                      WordCase{std::string(50, 'w') + " x", 45, std::string(38, 'w')}));

// ---- The go-to line number --------------------------------------------------------------------

struct NumberCase {
    std::string text;
    std::int64_t expected;
};

class ParseLineNumberTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseLineNumberTable, ReadsLeadingDigitsAndSaturates) {
    EXPECT_EQ(ParseLineNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Fields, ParseLineNumberTable,
    ::testing::Values(NumberCase{"12abc", 12}, NumberCase{"-5", -5}, NumberCase{"0", 0},
                      NumberCase{"4294967297", 4294967297}, NumberCase{"  \t 7", 7},
                      NumberCase{"+3", 3}, NumberCase{"", 0}, NumberCase{"abc", 0},
                      NumberCase{"- 4", 0}, NumberCase{"9223372036854775807", kMax},
                      NumberCase{"9223372036854775808", kMax},
                      NumberCase{"99999999999999999999999999", kMax},
                      NumberCase{"-99999999999999999999", -kMax}));

TEST_F(FindCommandsTest, GoToLineMovesOnlyForNumbersInsideTheDocument) {
    std::vector<std::string> lines(30, "row");
    editor.Load(lines);
    for (const char* field : {"0", "-5", "31", "4294967297", "4294967296", "letters", ""}) {
        find.GoToLine(field);
        EXPECT_EQ(editor.CaretLine(), 0) << field;
    }
    find.GoToLine("12abc");
    EXPECT_EQ(editor.CaretLine(), 11);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
    find.GoToLine(" 30");
    EXPECT_EQ(editor.CaretLine(), 29);
}

} // namespace
} // namespace kestrel
