// Load, edit and save through the real editing commands: every byte that was not edited comes
// back, NUL bytes, high bytes and tabs included, whatever line of the document they are on.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/edit_script.h"

namespace kestrel {
namespace {

using namespace std::string_literals;

struct RoundTripCase {
    const char* name;
    std::vector<Edit> edits;
};

// Lines with a NUL at the start, in the middle and at the end, high bytes and tabs.
const std::vector<std::string> kLines = {
    "\0head"s, "mid\0dle\ttab"s, "tail\0"s, "\xff\x80\t\xe9 high"s, "\0\0\0"s, "plain"s,
};

class EditRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(EditRoundTrip, KeepsEveryByteThatWasNotEdited) {
    for (std::int32_t lineLength : {256, 2048}) {
        EditScript script(kLines, lineLength);
        for (const Edit& edit : GetParam().edits) {
            ASSERT_TRUE(script.Apply(edit)) << "edit skipped";
        }
        EXPECT_EQ(script.Saved(), script.Expected()) << "line length " << lineLength;
    }
}

INSTANTIATE_TEST_SUITE_P(
    NulHighAndTabLines, EditRoundTrip,
    ::testing::Values(
        RoundTripCase{"TypeBeforeANulAtTheStart", {{EditOp::Type, 0, 0, 'a'}}},
        RoundTripCase{"TypeAfterAMiddleNul", {{EditOp::Type, 1, 4, 'b'}}},
        RoundTripCase{"TypeBeyondATrailingNul", {{EditOp::Type, 2, 7, 'c'}}},
        RoundTripCase{"TypeIntoNulsAndHighBytes",
                      {{EditOp::Type, 4, 1, '\x01'}, {EditOp::Type, 3, 2, '\xfe'}}},
        RoundTripCase{"EnterAtTheStartOfANulLine", {{EditOp::Enter, 0, 0}}},
        RoundTripCase{"EnterRightAfterANul", {{EditOp::Enter, 1, 4}, {EditOp::Enter, 4, 2}}},
        RoundTripCase{"BackspaceJoinsNulLines",
                      {{EditOp::JoinAbove, 2, 0}, {EditOp::JoinAbove, 1, 0}}},
        RoundTripCase{"DeleteTheNulItself", {{EditOp::DeleteChar, 1, 3}}},
        RoundTripCase{"DeleteBeforeANul", {{EditOp::DeleteChar, 2, 3}}},
        RoundTripCase{"RestoreLineBringsBackTheNulLine",
                      {{EditOp::Type, 1, 0, 'q'}, {EditOp::DeleteChar, 1, 4},
                       {EditOp::RestoreLine, 0, 0}}},
        RoundTripCase{"RestoreAfterSplitKeepsTheStoredHalves",
                      {{EditOp::Enter, 1, 5}, {EditOp::Type, 2, 0, 'z'},
                       {EditOp::RestoreLine, 0, 0}, {EditOp::JoinAbove, 2, 0}}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

// A caret line edited and then given a text that does not fit on it: the text goes below, and
// every character typed, overtyped or deleted on the caret line stays. The lines are as long as
// a loaded file's cut paragraphs get.
const std::vector<std::string> kLongLines = {std::string(240, 'a'), std::string(255, 'b'),
                                             "short"};
const std::string kStamp = "03/05/07  09:04 PM";

class InsertAfterEdits : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(InsertAfterEdits, KeepTheCaretLinesEdits) {
    EditScript script(kLongLines, 256);
    for (const Edit& edit : GetParam().edits) {
        ASSERT_TRUE(script.Apply(edit)) << "edit skipped";
    }
    const std::string saved = script.Saved();
    EXPECT_EQ(saved, script.Expected());
    EXPECT_EQ(saved.find("a\n" + kStamp.substr(0, 2)), std::string::npos)
        << "the stamp went below an untouched line";
}

INSTANTIATE_TEST_SUITE_P(
    LongCaretLines, InsertAfterEdits,
    ::testing::Values(
        RoundTripCase{"TypedWordThenAStamp",
                      {{EditOp::Type, 0, 240, 'w'}, {EditOp::Type, 0, 241, 'o'},
                       {EditOp::Paste, 0, 0, 'x', kStamp}}},
        RoundTripCase{"OvertypedFullLineThenAPaste",
                      {{EditOp::Overtype, 1, 0, 'O'}, {EditOp::Overtype, 1, 254, 'E'},
                       {EditOp::Paste, 1, 10, 'x', "pasted"}}},
        RoundTripCase{"DeletedCharactersThenAMultiLinePaste",
                      {{EditOp::DeleteChar, 0, 0}, {EditOp::DeleteChar, 0, 100},
                       {EditOp::Paste, 0, 200, 'x', std::string(60, 'p') + "\r\nsecond\n"}}},
        RoundTripCase{"TypedBeyondTheEndThenAPasteThatFits",
                      {{EditOp::Type, 2, 7, 't'}, {EditOp::Paste, 2, 3, 'x', "in\nout"}}},
        RoundTripCase{"PasteThenRestoreLineKeepsWhatThePasteStored",
                      {{EditOp::Type, 0, 240, 'z'}, {EditOp::Paste, 0, 1, 'x', kStamp},
                       {EditOp::RestoreLine, 0, 0}}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

// Undo and redo through the command runner, against the model's stack of whole documents: after
// each script the saved bytes are the model's, undoing everything gives the loaded bytes back
// (and the document is no longer modified), and redoing everything the newest ones.
class UndoRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(UndoRoundTrip, TakesEveryStepBackAndForth) {
    EditScript script(kLines, 256);
    const std::string loaded = script.Expected();
    // Saving stores the caret line, which would end a step: only the end is saved.
    for (const Edit& edit : GetParam().edits) {
        ASSERT_TRUE(script.Apply(edit)) << "edit skipped";
    }
    EXPECT_EQ(script.Saved(), script.Expected());
    script.RedoAll();
    const std::string newest = script.Saved();
    EXPECT_EQ(newest, script.Expected());
    script.UndoAll();
    EXPECT_FALSE(script.ProgramCanUndo());
    EXPECT_EQ(script.Saved(), loaded);
    EXPECT_FALSE(script.Modified());
    script.RedoAll();
    EXPECT_FALSE(script.ProgramCanRedo());
    EXPECT_EQ(script.Saved(), newest);
}

const Edit kUndo{EditOp::Undo, 0, 0};
const Edit kRedo{EditOp::Redo, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Steps, UndoRoundTrip,
    ::testing::Values(
        RoundTripCase{"TypeEnterDeleteLineThenUndoThrice",
                      {{EditOp::Type, 5, 5, '!'}, {EditOp::Type, 5, 6, '?'},
                       {EditOp::Enter, 5, 2}, {EditOp::DeleteLine, 0, 0}, kUndo, kUndo, kUndo}},
        RoundTripCase{"ATypingRunOnOneLineIsOneStep",
                      {{EditOp::Type, 1, 0, 'a'}, {EditOp::Type, 1, 1, 'b'},
                       {EditOp::Type, 2, 0, 'c'}, kUndo}},
        RoundTripCase{"DeleteBlockOverEveryLineAndBack",
                      {{EditOp::DeleteBlock, 0, 0, 'x', "", 5, 5}, kUndo, kRedo, kUndo}},
        RoundTripCase{"DeleteBlockOfOnlyALineBreakChangesNothing",
                      {{EditOp::DeleteBlock, 2, 5, 'x', "", 3, 0}}},
        RoundTripCase{"DeleteBlockKeepingHeadAndTail",
                      {{EditOp::DeleteBlock, 1, 2, 'x', "", 3, 3}, kUndo}},
        RoundTripCase{"PasteJoinsAndUndoes",
                      {{EditOp::Paste, 1, 3, 'x', "one\ntwo\r\nthree"}, kUndo, kRedo}},
        RoundTripCase{"RestoreLineIsAStepOfItsOwn",
                      {{EditOp::Type, 3, 1, 'z'}, {EditOp::RestoreLine, 0, 0}, kUndo}},
        RoundTripCase{"ANewEditEndsTheRedos",
                      {{EditOp::JoinAbove, 2, 0}, kUndo, {EditOp::DeleteChar, 0, 1}, kRedo}},
        RoundTripCase{"TwoDeletesOnOneLineAreTwoSteps",
                      {{EditOp::DeleteChar, 1, 0}, {EditOp::DeleteChar, 1, 0}, kUndo}},
        RoundTripCase{"UndoWithNothingToUndoDoesNothing", {kUndo, kRedo}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

} // namespace
} // namespace kestrel
