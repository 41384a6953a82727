// Tests for LineStore: reading lines, writing the caret line back, table growth, whole-line
// insertion and deletion, the block test, Restore line's text and replacing records.
#include "document/line_store.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/document_listener.h"
#include "tests/document/store_text.h"

namespace kestrel {
namespace {

class RecordingListener : public DocumentListener {
public:
    void OnLineChanged() override { ++lineChanges; }
    void OnLineCountChanged(std::int32_t count) override { counts.push_back(count); }
    void ShowMessage(std::string_view text, std::string_view detail) override {
        messages.push_back(std::string(text) + "|" + std::string(detail));
    }

    int lineChanges = 0;
    std::vector<std::int32_t> counts;
    std::vector<std::string> messages;
};

class LineStoreTest : public ::testing::Test {
protected:
    void SetUp() override { store_.SetListener(&listener_); }

    // Loads `text` as a file whose lines end in LF, the way the loader fills the store.
    void Load(const std::string& text) { ASSERT_TRUE(LoadText(store_, text)); }

    // Moves the caret to `line`, replaces its text and stores it, as an edit and a move away do.
    void Edit(std::int32_t line, std::string_view text) {
        store_.SetCaretLine(line);
        store_.LoadCurrentLine();
        store_.CurrentLine().Assign(text);
        store_.Flags().currentLineChanged = true;
        std::int32_t stored = store_.StoreCurrentLine();
        EXPECT_EQ(stored, store_.CurrentLine().Length());
    }

    std::string Text(std::int32_t line) { return std::string(store_.LineView(line)); }

    bool InFileBuffer(const char* p) {
        const char* data = store_.GetFileBuffer().Data();
        return std::less_equal<const char*>()(data, p) &&
               std::less<const char*>()(p, data + store_.GetFileBuffer().Length());
    }

    RecordingListener listener_;
    LineStore store_;
};

TEST_F(LineStoreTest, NewDocumentIsOneEmptyUnmodifiedLine) {
    Edit(0, "stale");
    ASSERT_TRUE(store_.NewDocument());
    EXPECT_EQ(store_.LineCount(), 1);
    EXPECT_EQ(store_.GetLineLength(0), 0);
    EXPECT_EQ(store_.Record(0).text, nullptr);
    EXPECT_FALSE(store_.Flags().modified);
    EXPECT_FALSE(store_.Flags().currentLineChanged);
    EXPECT_EQ(listener_.counts.back(), 0);
}

TEST_F(LineStoreTest, StoringALongerLineTakesArenaStorage) {
    Load("short\nnext");
    Edit(0, "much longer");
    EXPECT_FALSE(InFileBuffer(store_.Record(0).text));
    EXPECT_EQ(Text(0), "much longer");
    EXPECT_EQ(Text(1), "next");
    EXPECT_EQ(store_.Arena().ArenaFreeAll(), 1);
}

TEST_F(LineStoreTest, StoringIntoAnEmptyLineTakesArenaStorage) {
    Load("a\n\nb");
    Edit(1, "z");
    EXPECT_FALSE(InFileBuffer(store_.Record(1).text));
    EXPECT_EQ(Text(1), "z");
    EXPECT_EQ(std::string(store_.GetFileBuffer().Data(), 4), "a\n\nb");
}

TEST_F(LineStoreTest, StoringAShorterOrEqualLineRewritesItInPlace) {
    Load("first line\nsecond");
    const char* before = store_.Record(0).text;
    Edit(0, "fir");
    Edit(0, "abc");
    EXPECT_EQ(store_.Record(0).text, before);
    EXPECT_EQ(Text(0), "abc");
    EXPECT_EQ(Text(1), "second");
    EXPECT_EQ(store_.Arena().ArenaFreeAll(), 0);
}

TEST_F(LineStoreTest, StoringMarksTheDocumentModifiedOnlyWhenTheLineChanged) {
    Load("one\ntwo");
    store_.SetCaretLine(1);
    store_.LoadCurrentLine();
    EXPECT_EQ(store_.StoreCurrentLine(), 3);
    EXPECT_FALSE(store_.Flags().modified);
    EXPECT_EQ(listener_.lineChanges, 0);
    Edit(1, "TWO");
    EXPECT_TRUE(store_.Flags().modified);
    EXPECT_FALSE(store_.Flags().currentLineChanged);
    EXPECT_EQ(listener_.lineChanges, 1);
}

TEST_F(LineStoreTest, ExhaustedArenaMakesTheDocumentReadOnlyAndKeepsTheOldText) {
    Load("abc\ndef");
    store_.Arena().SetBlockAllocator([](std::size_t) -> void* { return nullptr; });
    Edit(0, "abcdef");
    EXPECT_EQ(listener_.messages, std::vector<std::string>{"Out of memory|"});
    EXPECT_TRUE(store_.Flags().readOnly);
    EXPECT_EQ(Text(0), "abc");
    EXPECT_EQ(std::string(store_.CurrentLine().View()), "abc");
    EXPECT_TRUE(store_.Flags().modified);
    EXPECT_EQ(listener_.lineChanges, 1);
}

TEST_F(LineStoreTest, CaretLineIsReadFromTheCurrentLineBuffer) {
    Load("one\ntwo");
    store_.SetCaretLine(1);
    store_.LoadCurrentLine();
    store_.CurrentLine().Assign("changed");
    char out[16];
    EXPECT_EQ(store_.GetLineText(1, out, sizeof out), 7);
    EXPECT_STREQ(out, "changed");
    EXPECT_EQ(store_.GetLineLength(1), 7);
    EXPECT_EQ(store_.GetLineText(0, out, sizeof out), 3);
    EXPECT_STREQ(out, "one");
    EXPECT_EQ(std::string(store_.Record(1).text, 3), "two");
}

TEST_F(LineStoreTest, GetLineTextCutsALineAtTheBuffer) {
    Load("x\na long line");
    char out[6] = "#####";
    EXPECT_EQ(store_.GetLineText(1, out, 4), 3);
    EXPECT_EQ(std::string(out, 5), std::string("a l\0#", 5));
    EXPECT_EQ(store_.GetLineText(7, out, 4), 0);
    EXPECT_STREQ(out, "");
}

class LineStoreGrowthTest : public LineStoreTest,
                            public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(LineStoreGrowthTest, TableGrowsOnlyWhenTheLastRecordIsTaken) {
    std::int32_t lines = GetParam();
    Load(std::string(static_cast<std::size_t>(lines - 1), '\n'));
    EXPECT_EQ(store_.LineCount(), lines);
    EXPECT_EQ(store_.LineCapacity(), lines >= 5000 ? 5500 : 5000);
    EXPECT_LT(store_.LineCount(), store_.LineCapacity());
}

INSTANTIATE_TEST_SUITE_P(AroundTheFirstStep, LineStoreGrowthTest, ::testing::Values(4999, 5000));

TEST_F(LineStoreTest, AReservedTableTakesAllItsLinesWithoutGrowing) {
    ASSERT_TRUE(store_.BeginLoad());
    ASSERT_TRUE(store_.ReserveLines(100000));
    std::int32_t reserved = store_.LineCapacity();
    EXPECT_GT(reserved, 100000);
    Load(std::string(99999, '\n'));
    EXPECT_EQ(store_.LineCount(), 100000);
    EXPECT_EQ(store_.LineCapacity(), reserved);
    EXPECT_TRUE(store_.ReserveLines(10)); // a smaller request changes nothing
    EXPECT_EQ(store_.LineCapacity(), reserved);
}

TEST_F(LineStoreTest, ReservingKeepsLinesAndAFreshTableStillGrows) {
    Load("a\nb\nc");
    ASSERT_TRUE(store_.ReserveLines(20000)); // grown: the lines stay
    EXPECT_EQ(store_.LineCount(), 3);
    EXPECT_EQ(store_.LineView(2), "c");
    ASSERT_TRUE(store_.BeginLoad());
    ASSERT_TRUE(store_.ReserveLines(30000)); // empty: a fresh block
    EXPECT_GT(store_.LineCapacity(), 30000);
    EXPECT_EQ(store_.Record(0).text, nullptr);
    Load(std::string(40000, '\n')); // more lines than reserved: it grows on
    EXPECT_EQ(store_.LineCount(), 40001);
}

TEST_F(LineStoreTest, ALargeTableGrowsByASixteenthOfItself) {
    Load(std::string(8999, '\n'));
    EXPECT_EQ(store_.LineCapacity(), 9031); // 5000, 5500 ... 8500 in steps of 500, then 8500/16
    Load(std::string(199999, '\n'));
    // A fixed step of 500 would need 390 growths to get here; each copies the whole table.
    EXPECT_EQ(store_.LineCount(), 200000);
    EXPECT_LT(store_.LineCapacity(), 200000 + 200000 / 16 + 500);
}

TEST_F(LineStoreTest, AppendLineRefusesTextOutsideTheFileBuffer) {
    Load("abc");
    char elsewhere[] = "xyz";
    EXPECT_FALSE(store_.AppendLine(elsewhere, 3));
    const char* data = store_.GetFileBuffer().Data();
    EXPECT_FALSE(store_.AppendLine(data + 1, 3));
    EXPECT_TRUE(store_.AppendLine(data + 3, 0));
}

TEST_F(LineStoreTest, InsertedLinesAreEmptyAndMoveLaterLinesDown) {
    Load("a\nb\nc");
    ASSERT_TRUE(store_.InsertLines(1, 2));
    ASSERT_TRUE(store_.InsertLines(5, 1));
    EXPECT_EQ(store_.LineCount(), 6);
    EXPECT_EQ(listener_.counts.back(), 6);
    const char* expected[] = {"a", "", "", "b", "c", ""};
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(Text(i), expected[i]) << "line " << i;
    }
    EXPECT_FALSE(store_.InsertLines(7, 1));
}

TEST_F(LineStoreTest, InsertingGrowsTheTableAsFarAsNeeded) {
    Load(std::string(4997, '\n') + "last");
    ASSERT_TRUE(store_.InsertLines(0, 1200));
    EXPECT_EQ(store_.LineCount(), 6198);
    EXPECT_EQ(store_.LineCapacity(), 6500);
    EXPECT_EQ(Text(6197), "last");
}

TEST_F(LineStoreTest, DeletedLinesCloseTheGapAndStayWithinTheDocument) {
    Load("a\nb\nc\nd");
    store_.DeleteLines(1, 2);
    EXPECT_EQ(store_.LineCount(), 2);
    EXPECT_EQ(Text(1), "d");
    store_.DeleteLines(1, 10);
    store_.DeleteLines(3, 1);
    EXPECT_EQ(store_.LineCount(), 1);
    EXPECT_EQ(listener_.counts.back(), 1);
    EXPECT_EQ(Text(0), "a");
}

TEST_F(LineStoreTest, LoadingFreesTheArenaAndClearsTheEditState) {
    Load("a\nb");
    Edit(0, "longer");
    store_.Flags().currentLineChanged = true;
    Load("c");
    EXPECT_FALSE(store_.Flags().modified);
    EXPECT_FALSE(store_.Flags().currentLineChanged);
    EXPECT_EQ(store_.Arena().ArenaFreeAll(), 0);
    EXPECT_EQ(Text(0), "c");
}

TEST_F(LineStoreTest, LineLengthOutsideItsRangeIsRefused) {
    EXPECT_EQ(store_.LineLength(), 2048);
    EXPECT_FALSE(store_.SetLineLength(255));
    EXPECT_FALSE(store_.SetLineLength(8193));
    ASSERT_TRUE(store_.SetLineLength(256));
    Load(std::string(300, 'x'));
    EXPECT_EQ(store_.GetLineLength(0), 255);
}

struct BlockCase {
    TextPos begin;
    TextPos end;
    bool expected;
};

class HasBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(HasBlockTest, NeedsOrderedMarksInsideTheirLines) {
    LineStore store;
    FileBuffer& file = store.GetFileBuffer();
    ASSERT_TRUE(store.BeginLoad() && file.Reserve(7));
    std::memcpy(file.Data(), "abc\nde", 6);
    file.SetLength(6);
    ASSERT_TRUE(store.AppendLine(file.Data(), 3) && store.AppendLine(file.Data() + 4, 2));
    store.LoadCurrentLine();
    EXPECT_EQ(HasBlock(GetParam().begin, GetParam().end, store), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    OnLinesAbcAndDe, HasBlockTest,
    ::testing::Values(BlockCase{{0, 1}, {0, 1}, false}, BlockCase{{0, 1}, {0, 2}, true},
                      BlockCase{{0, 2}, {0, 1}, false}, BlockCase{{0, 3}, {1, 0}, true},
                      BlockCase{{1, 0}, {0, 2}, false}, BlockCase{{0, 4}, {1, 1}, false},
                      BlockCase{{0, 0}, {1, 2}, true}, BlockCase{{0, 0}, {1, 3}, false},
                      BlockCase{{0, 0}, {2, 0}, false}, BlockCase{{-1, 0}, {0, 1}, false}));

// ---- Restore line and undo's primitive -----------------------------------------------------

// Takes reports and keeps none: what matters is only that a recorder is attached.
class NullRecorder : public LineChangeRecorder {
public:
    void BeforeReplace(const LineRecord*, std::int32_t, std::int32_t, std::int32_t) override {}
};

class LineStoreRestoreTest : public LineStoreTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LineStoreRestoreTest, RestoreTextMovesOnStoreAndLoadButNotOnCommit) {
    NullRecorder recorder;
    store_.SetRecorder(GetParam() ? &recorder : nullptr);
    Load("one\ntwo");
    Type(store_, 0, "ab", true); // shorter: even without a recorder never written in place
    Type(store_, 0, "abcdef", true);
    EXPECT_EQ(store_.RestoreText(), "one");
    EXPECT_EQ(Text(0), "abcdef");
    store_.RestoreCurrentLine();
    EXPECT_EQ(std::string(store_.CurrentLine().View()), "one");
    EXPECT_TRUE(store_.Flags().currentLineChanged);
    EXPECT_EQ(store_.StoreCurrentLine(), 3);
    EXPECT_EQ(StoredText(store_), "one\ntwo");
    store_.RestoreCurrentLine();
    EXPECT_FALSE(store_.Flags().currentLineChanged);
    Type(store_, 0, "z");
    EXPECT_EQ(store_.RestoreText(), "z");
    Type(store_, 1, "TWO", true);
    EXPECT_EQ(store_.RestoreText(), "two");
    ASSERT_TRUE(store_.NewDocument());
    EXPECT_EQ(store_.RestoreText(), "");
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutRecorder, LineStoreRestoreTest, ::testing::Bool());

TEST_F(LineStoreTest, ReplaceRecordsMovesTheRestOnceAndRefusesBadRanges) {
    Load(std::string(4997, '\n') + "last");
    const std::vector<LineRecord> many(1200, store_.Record(4997));
    ASSERT_TRUE(store_.ReplaceRecords(1, 2, many.data(), 1200));
    EXPECT_EQ(store_.LineCount(), 6196);
    EXPECT_EQ(listener_.counts.back(), 6196);
    EXPECT_EQ(StoredLine(store_, 1200), "last");
    EXPECT_EQ(StoredLine(store_, 1201), "");
    EXPECT_EQ(StoredLine(store_, 6195), "last");
    EXPECT_TRUE(store_.Flags().modified);
    ASSERT_TRUE(store_.ReplaceRecords(0, 1198, nullptr, 0));
    EXPECT_EQ(StoredLine(store_, 0), "last");
    EXPECT_EQ(store_.LineCount(), 4998);
    EXPECT_FALSE(store_.ReplaceRecords(4998, 1, many.data(), 1));
    EXPECT_FALSE(store_.ReplaceRecords(-1, 0, many.data(), 1));
    EXPECT_FALSE(store_.ReplaceRecords(0, 0, nullptr, 1));
    store_.Flags().currentLineChanged = true; // an unstored caret line would go stale
    EXPECT_FALSE(store_.ReplaceRecords(0, 1, many.data(), 1));
    EXPECT_EQ(store_.LineCount(), 4998);
}

} // namespace
} // namespace kestrel
