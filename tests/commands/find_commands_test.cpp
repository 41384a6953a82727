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

class FindCommandsTest : public ::testing::Test, public PassedEndListener {
protected:
    void OnPassedEnd() override { ++passedEnd; }
    void Search(const std::string& text, bool matchCase = false, bool up = false) {
        find.SetSearchText(text);
        find.SetMatchCase(matchCase);
        find.SetSearchUp(up);
    }

    FakeEditor editor;
    TextViewState& view = editor.view;
    FindCommands find{editor.context, *this};
    int passedEnd = 0;
};

// ---- The search, as a table -------------------------------------------------------------------

struct SearchCase {
    const char* name;
    std::vector<std::string> lines;
    std::int32_t caretLine, caretColumn;
    std::string pattern;
    bool matchCase, up, found;
    std::int32_t line, column; // the caret afterwards; the match is on that line
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
    EXPECT_EQ(editor.CaretLine(), c.line);
    EXPECT_EQ(editor.CaretDocumentColumn(), c.column);
    EXPECT_EQ(passedEnd, c.passedEnd);
    EXPECT_EQ(editor.store.CaretLine(), editor.CaretLine()) << "the caret line is loaded";
    if (c.found) {
        const std::int32_t end = c.blockBegin + static_cast<std::int32_t>(c.pattern.size());
        EXPECT_TRUE(view.BlockShown());
        EXPECT_EQ(view.BlockBegin(), (TextPos{c.line, c.blockBegin}));
        EXPECT_EQ(view.BlockEnd(), (TextPos{c.line, end}));
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, SearchTable, ::testing::Values(
    SearchCase{"next one on the line", {"foo bar foo", "x"}, 0, 5, "foo", 0, 0, 1, 0, 11, 8, 0},
    SearchCase{"one before caret: wraps", {"foo bar", "x"}, 0, 4, "foo", 0, 0, 1, 0, 3, 0, 1},
    SearchCase{"single one, again", {"a", "needle", "b"}, 1, 6, "needle", 0, 0, 1, 1, 6, 0, 1},
    SearchCase{"on a later line", {"x", "y", "  key"}, 0, 0, "key", 0, 0, 1, 2, 5, 2, 0},
    SearchCase{"caret beyond the end", {"abc", "abc"}, 0, 40, "abc", 0, 0, 1, 1, 3, 0, 0},
    SearchCase{"abc finds ABC", {"xx ABC"}, 0, 0, "abc", 0, 0, 1, 0, 6, 3, 0},
    SearchCase{"case: not found, line 0", {"yy", "xx ABC"}, 1, 0, "abc", 1, 0, 0, 0, 0, 0, 1},
    SearchCase{"high bytes exact", {"\xE9t\xC9"}, 0, 0, "\xC9", 0, 0, 1, 0, 3, 2, 0},
    SearchCase{"high bytes not folded", {"\xE9t"}, 0, 0, "\xC9", 0, 0, 0, 0, 0, 0, 1},
    SearchCase{"up: last one before caret", {"ab ab ab"}, 0, 5, "ab", 0, 1, 1, 0, 3, 3, 0},
    SearchCase{"up from a match's start", {"ab ab"}, 0, 3, "ab", 0, 1, 1, 0, 0, 0, 0},
    SearchCase{"up: last one above", {"ab ab", "x"}, 1, 1, "ab", 0, 1, 1, 0, 3, 3, 0},
    SearchCase{"up wraps, last line whole", {"x", "y ab ab"}, 0, 0, "ab", 0, 1, 1, 1, 5, 5, 1},
    SearchCase{"up not found: last line", {"a", "b", "c"}, 1, 1, "zz", 0, 1, 0, 2, 0, 0, 1},
    SearchCase{"down not found: line 0", {"a", "b", "c"}, 1, 1, "zz", 0, 0, 0, 0, 0, 0, 1}));

TEST_F(FindCommandsTest, FindNextWalksTheOccurrencesAndSaysWhenThereIsNone) {
    editor.Load({"one two one", "", "two one"});
    find.FindNext(); // nothing to look for yet: nothing happens
    EXPECT_TRUE(editor.calls.empty());
    Search("ONE");
    std::vector<std::pair<int, int>> seen;
    for (int i = 0; i < 4; ++i) {
        find.FindNext();
        seen.emplace_back(editor.CaretLine(), editor.CaretDocumentColumn());
    }
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 3}, {0, 11}, {2, 7}, {0, 3}}));
    EXPECT_EQ(passedEnd, 1);
    EXPECT_TRUE(editor.messages.empty());
    Search("three");
    find.FindNext();
    EXPECT_EQ(editor.messages, (std::vector<std::string>{"Text not found|three"}));
}

TEST_F(FindCommandsTest, NotFoundShowsTheViewWhereTheCaretWent) {
    editor.Load(std::vector<std::string>(100, "text"));
    editor.PutCaret(60, 5, 30, 10);
    Search("absent");
    EXPECT_FALSE(find.SearchFromCaret());
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_EQ(view.HorizontalOffset(), 0);
    for (const char* call : {"vpos 0", "hpos 0", "repaint", "caret"}) {
        EXPECT_TRUE(editor.Called(call)) << call;
    }
}

TEST_F(FindCommandsTest, UnstoredEditsOfTheCaretLineAreSearchedAndStored) {
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

TEST_F(FindCommandsTest, TheViewMovesByWholePagesAndWidths) {
    std::vector<std::string> lines(100, "filler");
    lines[57] = std::string(200, '.') + "end";
    lines[10] = "target";
    editor.Load(lines);
    editor.PutCaret(3, 2, 0, 0);
    Search("end");
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(view.TopLine(), 3 + 2 * FakeEditor::kVisibleLines);
    EXPECT_EQ(view.HorizontalOffset(), 2 * FakeEditor::kVisibleColumns);
    EXPECT_EQ(editor.CaretDocumentColumn(), 203);
    EXPECT_TRUE(editor.Called("hpos 184"));

    editor.PutCaret(80, 5, 0, 0);
    Search("target", false, true);
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(view.TopLine(), 0) << "upwards the page stops at line 0";
    EXPECT_EQ(editor.CaretLine(), 10);
}

TEST_F(FindCommandsTest, AnUpwardMatchAcrossTheLeftEdgePutsTheCaretAtItsStart) {
    editor.Load({std::string(95, '.') + "needle" + std::string(60, '.')});
    editor.PutCaret(0, 0, 50, 100);
    Search("needle", false, true);
    EXPECT_TRUE(find.SearchFromCaret());
    EXPECT_EQ(editor.CaretDocumentColumn(), 95);
    EXPECT_GE(view.CaretColumn(), 0);
}

TEST_F(FindCommandsTest, AWindowTooSmallForALineOrAColumnNeverHangs) {
    std::vector<std::string> lines(300, "x");
    lines[250] = std::string(500, ' ') + "deep";
    editor.Load(lines);
    view.SetClientSize(4, 4);
    view.UpdateLayout();
    ASSERT_LE(view.VisibleColumns(), 0);
    ASSERT_EQ(view.VisibleLines(), 0);
    Search("deep");
    EXPECT_TRUE(find.SearchFromCaret());
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

INSTANTIATE_TEST_SUITE_P(Lines, WordAtCaretTable, ::testing::Values(
    WordCase{"x = total_count + 1", 8, "total_count"}, WordCase{"x = total", 4, "total"},
    WordCase{"x = total_count + 1", 14, "total_count"}, WordCase{"x = total_count + 1", 15, ""},
    WordCase{"abc", 3, ""}, WordCase{"abc", 30, ""}, WordCase{"", 0, ""}, WordCase{"\tname", 3, ""},
    WordCase{"\tname", 9, "name"}, WordCase{"a\xE9z", 1, ""}, WordCase{"Z9_", 0, "Z9_"},
    WordCase{std::string(50, 'w') + " x", 45, std::string(38, 'w')}));

// ---- The go-to line number --------------------------------------------------------------------

TEST(ParseLineNumber, ReadsLeadingDigitsAndSaturates) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::pair<const char*, std::int64_t> cases[] = {
        {"12abc", 12}, {"-5", -5}, {"0", 0}, {"4294967297", 4294967297}, {"  \t 7", 7}, {"+3", 3},
        {"", 0}, {"abc", 0}, {"- 4", 0}, {"9223372036854775807", kMax},
        {"9223372036854775808", kMax}, {"99999999999999999999999999", kMax},
        {"-99999999999999999999", -kMax}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseLineNumber(text), expected) << text;
    }
}

TEST_F(FindCommandsTest, GoToLineMovesOnlyForNumbersInsideTheDocument) {
    editor.Load(std::vector<std::string>(30, "row"));
    for (const char* field : {"0", "-5", "31", "4294967297", "4294967296", "letters", ""}) {
        find.GoToLine(field);
        EXPECT_EQ(editor.CaretLine(), 0) << field;
    }
    find.GoToLine("12abc");
    EXPECT_EQ(editor.CaretLine(), 11);
    find.GoToLine(" 30");
    EXPECT_EQ(editor.CaretLine(), 29);
    EXPECT_EQ(editor.CaretDocumentColumn(), 0);
}

} // namespace
} // namespace kestrel
