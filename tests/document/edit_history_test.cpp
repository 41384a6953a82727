// Tests for EditHistory and what the line store reports to it: every kind of change recorded,
// undone and redone exactly, steps, the save point, the memory bound and running out of memory.
#include "document/edit_history.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "document/line_store.h"
#include "tests/document/store_text.h"

namespace kestrel {
namespace {

StepPlace At(std::int32_t line) {
    return StepPlace{line, 0, {}, {}, false};
}

// Passes reports on to the history, noting each as "first:old>new".
class ReportLog : public LineChangeRecorder {
public:
    explicit ReportLog(EditHistory& history) : history_(history) {}
    void BeforeReplace(const LineRecord* old, std::int32_t first, std::int32_t oldCount,
                       std::int32_t newCount) override {
        reports += (reports.empty() ? "" : " ") + std::to_string(first) + ":" +
                   std::to_string(oldCount) + ">" + std::to_string(newCount);
        history_.BeforeReplace(old, first, oldCount, newCount);
    }
    std::string reports;

private:
    EditHistory& history_;
};

class EditHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Load("alpha\nbeta\ngamma");
        store_.SetRecorder(&log_);
    }
    void TearDown() override { failAt = -1; }

    void Load(const std::string& text) {
        ASSERT_TRUE(LoadText(store_, text));
        history_.Clear();
    }

    // One step placed at `line` before and at line + 1 after.
    template <typename Edit> void Step(std::int32_t line, Edit edit) {
        history_.BeginStep(At(line));
        edit(store_);
        history_.EndStep(At(line + 1));
    }

    // Undoes or redoes a step, reloads the caret line and gives the text, or "refused".
    std::string Undo() { return Reloaded(history_.Undo(store_)); }
    std::string Redo() { return Reloaded(history_.Redo(store_)); }
    std::string Reloaded(const std::optional<StepPlace>& place) {
        if (!place) {
            return "refused";
        }
        store_.SetCaretLine(std::min(place->caretLine, store_.LineCount() - 1));
        store_.LoadCurrentLine();
        return StoredText(store_);
    }

    // The history's failAt-th allocation from now (counting from 0) fails; -1 none.
    static inline long failAt = -1;
    static void* Failing(void* block, std::size_t size) {
        return failAt >= 0 && failAt-- == 0 ? nullptr : std::realloc(block, size);
    }

    LineStore store_;
    EditHistory history_;
    ReportLog log_{history_};
};

struct ChangeCase {
    const char* name;
    void (*edit)(LineStore&);
    const char* reports; // "" when nothing may be recorded
    const char* after;
    std::int32_t arenaBlocks; // 0: no byte of text was allocated
};

class EditHistoryChangeTest : public EditHistoryTest,
                              public ::testing::WithParamInterface<ChangeCase> {};

// Undo can give the old text back only if no byte a recorded record points to was overwritten.
TEST_P(EditHistoryChangeTest, IsReportedAndUndoneAndRedoneExactly) {
    const ChangeCase& c = GetParam();
    const std::string before = StoredText(store_);
    Step(0, c.edit);
    EXPECT_EQ(log_.reports, c.reports);
    EXPECT_EQ(StoredText(store_), c.after);
    const bool recorded = *c.reports != '\0';
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Undo(), recorded ? before : "refused");
        EXPECT_EQ(Redo(), recorded ? c.after : "refused");
    }
    EXPECT_EQ(store_.Arena().ArenaFreeAll(), c.arenaBlocks);
}

void Adopt(LineStore& s) {
    char* text = s.Arena().ArenaAlloc(3);
    std::memcpy(text, "xyz", 3);
    const std::string_view texts[] = {{text, 1}, {text + 1, 2}};
    s.AdoptLineTexts(1, texts, 2);
}

INSTANTIATE_TEST_SUITE_P(
    OnAlphaBetaGamma, EditHistoryChangeTest,
    ::testing::Values(
        ChangeCase{"StoreOther", [](LineStore& s) { Type(s, 1, "BETA"); }, "1:1>1",
                   "alpha\nBETA\ngamma", 1},
        ChangeCase{"StoreItsStart", [](LineStore& s) { Type(s, 1, "be"); }, "1:1>1",
                   "alpha\nbe\ngamma", 0},
        ChangeCase{"StoreItsEnd", [](LineStore& s) { Type(s, 2, "mma"); }, "2:1>1",
                   "alpha\nbeta\nmma", 0},
        ChangeCase{"StoreUnchanged", [](LineStore& s) { Type(s, 1, "beta"); }, "",
                   "alpha\nbeta\ngamma", 0},
        ChangeCase{"CommitShorter", [](LineStore& s) { Type(s, 0, "xyz", true); }, "0:1>1",
                   "xyz\nbeta\ngamma", 1},
        ChangeCase{"SetTextWithin",
                   [](LineStore& s) { s.SetLineText(2, StoredLine(s, 2).substr(1, 3)); }, "2:1>1",
                   "alpha\nbeta\namm", 0},
        ChangeCase{"SetTextShorter", [](LineStore& s) { s.SetLineText(0, "al-"); }, "0:1>1",
                   "al-\nbeta\ngamma", 1},
        ChangeCase{"Adopt", Adopt, "1:2>2", "alpha\nx\nyz", 1},
        ChangeCase{"Insert", [](LineStore& s) { s.InsertLines(3, 2); }, "3:0>2",
                   "alpha\nbeta\ngamma\n\n", 0},
        ChangeCase{"Delete", [](LineStore& s) { s.DeleteLines(1, 9); }, "1:2>0", "alpha", 0},
        ChangeCase{"DeleteEverything",
                   [](LineStore& s) {
                       s.ResetLines();
                       s.AdjustLineCount(1);
                   },
                   "0:3>0 0:0>1", "", 0},
        ChangeCase{"LinesTakenInAfterADeleteAreEmpty",
                   [](LineStore& s) {
                       s.DeleteLines(1, 2);
                       s.AdjustLineCount(1);
                   },
                   "1:2>0 1:0>1", "alpha\n", 0},
        ChangeCase{"DeleteBlockAcrossLines",
                   [](LineStore& s) {
                       s.SetLineText(0, StoredLine(s, 0).substr(0, 2));
                       s.SetLineText(2, StoredLine(s, 2).substr(3));
                       s.DeleteLines(1, 1);
                   },
                   "0:1>1 2:1>1 1:1>0", "al\nma", 0},
        ChangeCase{"SplitLine",
                   [](LineStore& s) {
                       s.InsertLines(2, 1);
                       s.SetLineText(2, StoredLine(s, 1).substr(2));
                       s.SetLineText(1, StoredLine(s, 1).substr(0, 2));
                   },
                   "2:0>1 2:1>1 1:1>1", "alpha\nbe\nta\ngamma", 1},
        ChangeCase{"LoadAndNewAreNotRecorded",
                   [](LineStore& s) {
                       s.BeginLoad();
                       s.NewDocument();
                   },
                   "", "", 0},
        ChangeCase{"ReplaceRecordsIsNotRecorded",
                   [](LineStore& s) {
                       const LineRecord first = s.Record(0);
                       s.ReplaceRecords(1, 2, &first, 1);
                   },
                   "", "alpha\nalpha", 0}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

TEST_F(EditHistoryTest, StepsNestJoinAndWaitForTheCaretLine) {
    history_.BeginStep(At(7));
    Type(store_, 0, "A");
    Step(5, [](LineStore& s) { s.DeleteLines(1, 1); });
    EXPECT_EQ(Undo(), "refused"); // nothing is undone half-way through a step
    history_.EndStep(At(0));
    Step(0, [](LineStore&) {});                                     // changes nothing: not kept
    EXPECT_EQ(history_.Undo(store_).value_or(At(-1)).caretLine, 7); // the outermost place
    EXPECT_EQ(StoredText(store_), "alpha\nbeta\ngamma");
    Step(0, [](LineStore&) {});
    EXPECT_TRUE(history_.CanRedo());
    store_.DeleteLines(2, 1); // a change with no step open is a step of its own
    EXPECT_FALSE(history_.CanRedo());
    store_.LoadCurrentLine();
    store_.CurrentLine().Assign("typed");
    store_.Flags().currentLineChanged = true;
    EXPECT_EQ(Undo(), "refused"); // the caret line must be stored first
    store_.StoreCurrentLine();
    EXPECT_EQ(Undo(), "alpha\nbeta");
    EXPECT_EQ(history_.Undo(store_).value_or(At(-1)).caretLine, 2);
}

TEST_F(EditHistoryTest, SavePointFollowsUndoRedoAndNewSteps) {
    EXPECT_TRUE(history_.AtSavePoint());
    Type(store_, 1, "B");
    EXPECT_FALSE(history_.AtSavePoint());
    Undo();
    EXPECT_TRUE(history_.AtSavePoint());
    Redo();
    history_.MarkSavePoint(); // saved with "B"; a save keeps the history
    Undo();
    EXPECT_FALSE(history_.AtSavePoint());
    Redo();
    EXPECT_TRUE(history_.AtSavePoint());
    Undo();
    Type(store_, 2, "C"); // the saved state was in the redo list this replaces
    Undo();
    EXPECT_FALSE(history_.AtSavePoint());
    history_.BeginStep(At(0));
    Type(store_, 0, "x");
    history_.MarkSavePoint(); // saved half-way through a step that changes more
    Type(store_, 0, "xy");
    history_.EndStep(At(0));
    EXPECT_FALSE(history_.AtSavePoint());
    history_.MarkSavePoint();
    history_.ForgetSavePoint(); // the file was replaced by something else
    Undo();
    Redo();
    EXPECT_FALSE(history_.AtSavePoint());
    history_.Clear();
    EXPECT_TRUE(history_.AtSavePoint());
    EXPECT_FALSE(history_.CanUndo());
}

TEST_F(EditHistoryTest, TheBoundDropsTheOldestStepsButKeepsTheNewest) {
    Type(store_, 0, "0");
    const std::size_t first = history_.BytesInUse();
    Type(store_, 0, "1");
    const std::size_t perStep = history_.BytesInUse() - first; // steps of one shape cost alike
    history_.SetByteBound(first + 2 * perStep);
    for (const char* text : {"2", "3", "4", "5"}) {
        Type(store_, 0, text);
    }
    EXPECT_LE(history_.BytesInUse(), history_.ByteBound());
    EXPECT_EQ(Undo(), "4\nbeta\ngamma");
    EXPECT_EQ(Undo(), "3\nbeta\ngamma");
    EXPECT_EQ(Undo(), "2\nbeta\ngamma");
    EXPECT_EQ(Undo(), "refused");
    history_.SetByteBound(0); // the next step to redo stays; redo is cut from its far end
    EXPECT_EQ(Redo(), "3\nbeta\ngamma");
    EXPECT_EQ(Redo(), "refused");
    // One step larger than the bound is kept alone, so a huge delete can be undone once.
    Load(std::string(3000, '\n'));
    store_.DeleteLines(0, 2999);
    EXPECT_GT(history_.BytesInUse(), history_.ByteBound());
    EXPECT_EQ(Undo(), std::string(3000, '\n'));
    // Many steps at a tight bound: the save point holds wherever the steps move in memory.
    history_.SetByteBound(first + perStep);
    for (int i = 0; i < 40; ++i) {
        history_.MarkSavePoint();
        Type(store_, 0, std::to_string(i));
        EXPECT_FALSE(history_.AtSavePoint());
        Undo();
        EXPECT_TRUE(history_.AtSavePoint()) << i;
        Redo();
    }
}

class EditHistoryFailureTest : public EditHistoryTest,
                               public ::testing::WithParamInterface<long> {};

TEST_P(EditHistoryFailureTest, ChangesGoAheadAndTheHistoryIsDroppedWithOneNotice) {
    Type(store_, 0, "earlier");
    history_.SetReallocator(Failing);
    failAt = GetParam(); // the step's later changes find memory again
    Step(0, [this](LineStore& s) {
        Type(s, 1, "B");
        s.DeleteLines(0, 1);
        s.InsertLines(0, 2000);
        history_.MarkSavePoint(); // a save after the failure, then a change: not that state
        s.DeleteLines(1000, 500);
    });
    EXPECT_EQ(store_.LineCount(), 1502);
    EXPECT_EQ(StoredLine(store_, 1500), "B");
    EXPECT_EQ(Undo(), "refused");
    EXPECT_FALSE(history_.AtSavePoint());
    EXPECT_TRUE(history_.TakeUnavailableNotice());
    EXPECT_FALSE(history_.TakeUnavailableNotice());
    history_.MarkSavePoint();
    failAt = 0;
    store_.DeleteLines(0, 1000); // with no step open too
    EXPECT_TRUE(history_.TakeUnavailableNotice());
    EXPECT_FALSE(history_.AtSavePoint());
    const std::string changed = StoredText(store_);
    store_.DeleteLines(0, 1);
    EXPECT_EQ(Undo(), changed);
    EXPECT_EQ(Undo(), "refused");
}

INSTANTIATE_TEST_SUITE_P(AtEachAllocation, EditHistoryFailureTest, ::testing::Values(0, 1, 2));

TEST_F(EditHistoryTest, AMillionLineDeleteKeepsRecordsNotText) {
    Load(std::string(999999, '\n'));
    store_.SetLineText(0, "first");
    store_.DeleteLines(1, 999998);
    const std::size_t records = 999998 * sizeof(LineRecord);
    EXPECT_GE(history_.BytesInUse(), records);
    EXPECT_LT(history_.BytesInUse(), records + records / 2);
    EXPECT_EQ(Undo(), "first" + std::string(999999, '\n'));
    EXPECT_EQ(Redo(), "first\n");
}

} // namespace
} // namespace kestrel
