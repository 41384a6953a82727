// The block from the keyboard and through InsertText: the iterator and the clipboard text,
// marks, deletion, insertion with its cuts at the limit, and the order a mouse drag gives.
#include "commands/block_commands.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/block_iterator.h"
#include "document/line_splitter.h"
#include "tests/commands/fake_editor.h"

namespace kestrel {
namespace {

using Lines = std::vector<std::string>;

class BlockTest : public ::testing::Test {
protected:
    std::vector<std::string> Document() const {
        std::vector<std::string> lines;
        for (std::int32_t i = 0; i < editor.store.LineCount(); ++i) {
            lines.push_back(editor.Line(i));
        }
        return lines;
    }
    std::string BlockText() {
        BlockIterator block(editor.store, view.BlockBegin(), view.BlockEnd(), view.BlockShown());
        std::string text(BlockTextLength(block) + 1, '#');
        CopyBlockText(block, text.data());
        EXPECT_EQ(text.back(), '\0');
        text.pop_back();
        return text;
    }
    void Mark(TextPos begin, TextPos end) {
        view.SetBlock(begin, end);
        view.SetBlockShown(true);
    }

    FakeEditor editor{256};
    TextViewState& view = editor.view;
    BlockCommands block{editor.context};
};

// ---- The iterator and the clipboard text -----------------------------------------------------

struct TextCase {
    const char* name;
    Lines lines;
    TextPos begin, end;
    std::string text;
};

class BlockTextTable : public BlockTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(BlockTextTable, JoinsTheCoveredCharactersWithCrLf) {
    editor.Load(GetParam().lines);
    Mark(GetParam().begin, GetParam().end);
    EXPECT_EQ(BlockText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockTextTable,
    ::testing::Values(
        TextCase{"SingleLine", {"abcdef"}, {0, 1}, {0, 4}, "bcd"},
        TextCase{"MultiLine", {"abc", "def", "ghi"}, {0, 1}, {2, 2}, "bc\r\ndef\r\ngh"},
        TextCase{"EndAtIndexZeroOfTheNextLine", {"abcdef", "ghi"}, {0, 2}, {1, 0}, "cdef\r\n"},
        TextCase{"EmptyLinesAndTabs", {"\tx", "", "y\t"}, {0, 0}, {2, 2}, "\tx\r\n\r\ny\t"},
        TextCase{"NulBytesAreCopied", {std::string("a\0b", 3)}, {0, 0}, {0, 3},
                 std::string("a\0b", 3)},
        TextCase{"InvalidMarksGiveNothing", {"abc", "def"}, {1, 2}, {0, 1}, ""},
        TextCase{"AnEmptyBlockGivesNothing", {"abc"}, {0, 2}, {0, 2}, ""}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST_F(BlockTest, AHiddenBlockIsNotWalkedButTheWholeDocumentIs) {
    editor.Load({"one", "two"});
    Mark({0, 1}, {1, 2});
    view.SetBlockShown(false);
    EXPECT_EQ(BlockText(), "");
    BlockIterator whole(editor.store, view.BlockBegin(), view.BlockEnd(), false);
    EXPECT_FALSE(whole.BlockFirst(true));
    EXPECT_EQ(whole.Segment(), "one");
    EXPECT_TRUE(whole.BlockNext());
    EXPECT_EQ(whole.Segment(), "two");
    EXPECT_TRUE(whole.BlockNext()) << "it stays on the last segment";
}

// ---- Marks and hiding -------------------------------------------------------------------------

TEST_F(BlockTest, MarksClampToTheLineAndShowOnlyAValidBlock) {
    editor.Load({"0123456789", "short"});
    editor.PutCaret(0, 1, 30, 0);
    block.MarkEnd();
    EXPECT_EQ(view.BlockEnd(), (TextPos{1, 5})) << "beyond the end marks the end";
    EXPECT_TRUE(view.BlockShown()) << "from the start of line 0";
    editor.PutCaret(0, 1, 5, 0);
    block.MarkBegin();
    EXPECT_FALSE(view.BlockShown()) << "begin on the end: an empty block";
    editor.PutCaret(0, 0, 3, 0);
    block.MarkBegin();
    EXPECT_TRUE(view.BlockShown());
    block.HideBlock();
    block.HideBlock();
    EXPECT_TRUE(view.BlockShown());
}

// ---- Delete block -----------------------------------------------------------------------------

struct DeleteCase {
    const char* name;
    TextPos begin, end;
    Lines result;
};

class DeleteBlockTable : public BlockTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteBlockTable, RemovesTheCoveredTextAndKeepsHeadAndTailApart) {
    editor.Load({"line0", "line1", "line2", "line3", "line4", "line5"});
    Mark(GetParam().begin, GetParam().end);
    block.DeleteBlock();
    EXPECT_EQ(Document(), GetParam().result);
    EXPECT_EQ(view.BlockEnd(), view.BlockBegin());
    EXPECT_TRUE(editor.store.Flags().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DeleteBlockTable,
    ::testing::Values(
        DeleteCase{"WithinALine", {1, 1}, {1, 4}, {"line0", "l1", "line2", "line3", "line4", "line5"}},
        DeleteCase{"WholeLines", {2, 0}, {4, 5}, {"line0", "line1", "line5"}},
        DeleteCase{"HeadAndTail", {2, 3}, {5, 4}, {"line0", "line1", "lin", "5"}},
        DeleteCase{"Everything", {0, 0}, {5, 5}, {""}}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

TEST_F(BlockTest, DeletingBelowTheTopLineKeepsTheCaretInSight) {
    std::vector<std::string> lines(60, "x");
    editor.Load(lines);
    editor.PutCaret(50, 5, 0, 0);
    Mark({10, 0}, {59, 1});
    block.DeleteBlock();
    ASSERT_EQ(editor.store.LineCount(), 10);
    EXPECT_LE(view.TopLine(), 9);
    EXPECT_EQ(view.CaretLine(), 9);
    EXPECT_GE(view.CaretRow(), 0);
}

TEST_F(BlockTest, DeleteBlockDoesNothingReadOnlyHiddenOrInvalid) {
    editor.Load({"abc", "def"});
    Mark({0, 1}, {1, 1});
    editor.store.Flags().readOnly = true;
    block.DeleteBlock();
    editor.store.Flags().readOnly = false;
    view.SetBlockShown(false);
    block.DeleteBlock();
    Mark({1, 1}, {0, 1});
    block.DeleteBlock();
    EXPECT_EQ(Document(), (Lines{"abc", "def"}));
}

// ---- InsertText -------------------------------------------------------------------------------

struct InsertCase {
    const char* name;
    Lines lines;
    std::int32_t column; // caret column on line 0
    std::string text;
    Lines result;
    TextPos begin, end;
    bool restoredByDelete; // Delete block gives the original lines back
};

class InsertTable : public BlockTest, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertTable, InsertsAtTheCaretAndMarksTheInsertedText) {
    const InsertCase& c = GetParam();
    editor.Load(c.lines);
    editor.PutCaret(0, 0, c.column, 0);
    ASSERT_TRUE(block.InsertText(c.text));
    EXPECT_EQ(Document(), c.result);
    EXPECT_EQ(view.BlockBegin(), c.begin);
    EXPECT_EQ(view.BlockEnd(), c.end);
    EXPECT_TRUE(view.BlockShown());
    EXPECT_EQ(view.CaretLine(), 0) << "the caret stays";
    EXPECT_EQ(view.CaretDocumentColumn(), c.column);
    if (c.restoredByDelete) {
        block.DeleteBlock();
        Lines original = c.lines;
        if (c.column > static_cast<int>(original[0].size())) {
            original[0].resize(static_cast<std::size_t>(c.column), ' ');
        }
        EXPECT_EQ(Document(), original);
    }
}

const std::string k300(300, 'z');

INSTANTIATE_TEST_SUITE_P(
    Blocks, InsertTable,
    ::testing::Values(
        InsertCase{"OneLineMidLine", {"abcdef"}, 3, "XY", {"abcXYdef"}, {0, 3}, {0, 5}, true},
        InsertCase{"SeveralLinesMidLine", {"abcdef", "next"}, 3, "X\r\nYY\nZ",
                   {"abcX", "YY", "Z", "def", "next"}, {0, 3}, {2, 1}, false},
        InsertCase{"BeyondTheEndPads", {"ab"}, 4, "X", {"ab  X"}, {0, 4}, {0, 5}, true},
        InsertCase{"EndingInALineFeed", {"abc"}, 0, "X\n", {"X", "", "abc"}, {0, 0}, {1, 0},
                   false},
        InsertCase{"LoneCarriageReturnsVanish", {"ab"}, 1, "\r\rX\rY\r", {"aXYb"}, {0, 1},
                   {0, 3}, true},
        InsertCase{"TooLongForTheCaretLineGoesBelowIt", {std::string(250, 'a'), "b"}, 2,
                   "0123456789", {std::string(250, 'a'), "0123456789", "b"}, {1, 0}, {1, 10},
                   false},
        InsertCase{"ALongLineIsCutAtTheLimit", {"ab"}, 1, k300,
                   {"ab", std::string(255, 'z'), std::string(45, 'z')}, {1, 0}, {2, 45}, true},
        InsertCase{"ALongLineOfLoneCarriageReturnsIsCutToo", {""}, 0,
                   std::string(600, '\r') + std::string(260, 'q'),
                   {std::string(255, 'q'), "qqqqq"}, {0, 0}, {1, 5}, true}),
    [](const ::testing::TestParamInfo<InsertCase>& info) { return info.param.name; });

TEST_F(BlockTest, ACutLineIsReportedWithTheLoadingWarning) {
    editor.Load({""});
    ASSERT_TRUE(block.InsertText(k300));
    EXPECT_EQ(editor.messages, (std::vector<std::string>{LinesCutWarning(256) + "|"}));
}

TEST_F(BlockTest, RunningOutOfMemoryLeavesTheDocumentThePaintingAndTheMemoryAsTheyWere) {
    // The copy of the text cannot be had; the line table cannot grow for a text of many lines.
    const std::string manyLines(6000, '\n');
    for (int failure = 0; failure < 2; ++failure) {
        SCOPED_TRACE(failure == 0 ? "copy" : "line table");
        editor.Load({"abc", "def"});
        editor.PutCaret(0, 0, 1, 0);
        editor.store.CurrentLine().InsertAt(1, 'T');
        editor.store.Flags().currentLineChanged = true;
        editor.messages.clear();
        if (failure == 0) {
            editor.store.Arena().SetBlockAllocator(FailingBlockAllocator);
        } else {
            editor.store.LimitLineCapacityForTesting(editor.store.LineCapacity());
        }
        EXPECT_FALSE(block.InsertText(failure == 0 ? "a much longer first line\nand more"
                                                   : "x" + manyLines));
        editor.store.Arena().SetBlockAllocator(nullptr);
        editor.store.LimitLineCapacityForTesting(-1);
        EXPECT_EQ(Document(), (Lines{"aTbc", "def"}));
        EXPECT_EQ(editor.messages, (std::vector<std::string>{"Out of memory|"}));
        EXPECT_FALSE(view.PaintingSuspended());
        // Nothing of the failed insertion is held: the caret line's own edit at most.
        EXPECT_LE(editor.store.Arena().ArenaFreeAll(), 1);
    }
}

TEST_F(BlockTest, AJoinedTextKeepsNoCopyAndLinesBelowKeepTheirs) {
    editor.Load({"abc"});
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(block.InsertText("xy"));
        block.DeleteBlock();
    }
    // Fifty joined insertions stored the caret line in the shared blocks only.
    EXPECT_EQ(Document(), (Lines{"abc"}));
    EXPECT_EQ(editor.store.Arena().ArenaFreeAll(), 1);
    editor.Load({"abc"});
    ASSERT_TRUE(block.InsertText("one\ntwo\nthree"));
    ASSERT_TRUE(block.InsertText("joined"));
    EXPECT_EQ(Document(), (Lines{"joinedone", "two", "three", "abc"}));
}

// ---- A mouse drag -----------------------------------------------------------------------------

TEST(DragBlock, OrdersTheBlockWhicheverWayTheDragWent) {
    const std::pair<TextPos, TextPos> down = DragBlock({1, 4}, {3, 2});
    const std::pair<TextPos, TextPos> up = DragBlock({3, 10}, {1, 6});
    const std::pair<TextPos, TextPos> left = DragBlock({2, 7}, {2, 3});
    EXPECT_EQ(down, std::make_pair(TextPos{1, 4}, TextPos{3, 2}));
    EXPECT_EQ(up, std::make_pair(TextPos{1, 6}, TextPos{3, 10}));
    EXPECT_EQ(left, std::make_pair(TextPos{2, 3}, TextPos{2, 7}));
}

TEST(MarkAtColumn, ClampsToTheLineAndTakesATabsStart) {
    EXPECT_EQ(MarkAtColumn(4, 40, "short", 8), (TextPos{4, 5}));
    EXPECT_EQ(MarkAtColumn(0, 5, "a\tb", 8), (TextPos{0, 1}));
    EXPECT_EQ(MarkAtColumn(0, 8, "a\tb", 8), (TextPos{0, 2}));
}

} // namespace
} // namespace kestrel
