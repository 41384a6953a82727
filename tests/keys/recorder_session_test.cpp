// The key recorder's working table: its buttons' edits, recording, restoring and the hand-over.
#include "keys/recorder_session.h"

#include <gtest/gtest.h>

#include <vector>

#include "keys/key_sequence.h"

namespace kestrel {
namespace {

constexpr int kNoSelection = -1; // what the list box reports when no row is selected
constexpr int kTopOfFileRow = 4; // rows 4 and 5 both bind "Top of file"
constexpr int kDeleteLineRow = 13;

RecorderSession OpenedOnDefaults() {
    RecorderSession session;
    session.Begin(KeyTable::Defaults(), true);
    return session;
}

TEST(RecorderSession, TitleSaysWhenTheDefaultsAreShown) {
    RecorderSession session;
    session.Begin(KeyTable::Defaults(), true);
    EXPECT_EQ(session.Title(), "Keys - Default");
    EXPECT_EQ(session.RowText(32), "Mark begin\tCtrl+K  Ctrl+B  ");
    EXPECT_EQ(session.RowText(41), "Undo\tCtrl+Z    ");
    EXPECT_EQ(session.RowText(43), "Redo\tShift+Ctrl+Z    ");
    EXPECT_EQ(session.RowText(KeyTable::kDefaultCount), "");
    session.Begin(KeyTable({KeyBinding{}}), false);
    EXPECT_EQ(session.Title(), "Keys");
}

TEST(RecorderSession, EditsActOnlyOnARealSelection) {
    struct Case {
        int selection;
        RecorderEdit add;
        RecorderEdit remove;
    };
    const std::vector<Case> cases = {
        {kNoSelection, RecorderEdit::Ignored, RecorderEdit::Ignored},
        {-7, RecorderEdit::Ignored, RecorderEdit::Ignored},
        {static_cast<int>(KeyTable::kDefaultCount), RecorderEdit::Ignored,
         RecorderEdit::Ignored},
        {1000, RecorderEdit::Ignored, RecorderEdit::Ignored},
        {kTopOfFileRow, RecorderEdit::Changed, RecorderEdit::Changed},
        {kDeleteLineRow, RecorderEdit::Changed, RecorderEdit::Refused},
    };
    for (const Case& c : cases) {
        RecorderSession added = OpenedOnDefaults();
        EXPECT_EQ(added.Add(c.selection), c.add) << c.selection;
        EXPECT_EQ(added.Count(), KeyTable::kDefaultCount + (c.add == RecorderEdit::Changed))
            << c.selection;
        RecorderSession removed = OpenedOnDefaults();
        EXPECT_EQ(removed.Delete(c.selection), c.remove) << c.selection;
        EXPECT_EQ(removed.Count(), KeyTable::kDefaultCount - (c.remove == RecorderEdit::Changed))
            << c.selection;
        if (c.remove != RecorderEdit::Changed) {
            EXPECT_TRUE(removed.Table().IsDefault()) << c.selection;
        }
    }
}

TEST(RecorderSession, AddInsertsAKeylessRowAboveTheSelection) {
    RecorderSession session = OpenedOnDefaults();
    ASSERT_EQ(session.Add(0), RecorderEdit::Changed);
    EXPECT_EQ(session.RowText(0), "Arrow left\t    ");
    EXPECT_EQ(session.RowText(1), "Arrow left\tArrow left    ");
    EXPECT_EQ(session.Table().At(41), KeyTable::DefaultBindings()[40]);
}

TEST(RecorderSession, DeleteKeepsTheLastRowOfACommand) {
    RecorderSession session = OpenedOnDefaults();
    EXPECT_EQ(session.Delete(kTopOfFileRow), RecorderEdit::Changed);
    EXPECT_EQ(session.Table().CountBindingsOf(ToIndex(CommandId::TopOfFile)), 1u);
    EXPECT_EQ(session.Delete(kTopOfFileRow), RecorderEdit::Refused);
    EXPECT_EQ(session.Table().CountBindingsOf(ToIndex(CommandId::TopOfFile)), 1u);
}

TEST(RecorderSession, RestoreFromAShortStoredTableGrowsToTheDefaults) {
    for (std::size_t stored : {1u, 2u, 35u, 41u, 60u}) {
        RecorderSession session;
        session.Begin(KeyTable(std::vector<KeyBinding>(stored, KeyBinding{11, KeyCode(0x10073),
                                                                          KeyCode(), KeyCode()})),
                      false);
        ASSERT_TRUE(session.RestoreDefaults()) << stored;
        EXPECT_TRUE(session.Table().IsDefault()) << stored;
        EXPECT_TRUE(session.Restored()) << stored;
        EXPECT_EQ(session.Title(), "Keys - Default") << stored;
    }
}

TEST(RecorderSession, RecordsOneToThreeKeys) {
    struct Case {
        std::vector<std::uint32_t> presses; // virtual keys, modifiers included
        bool pressEnd;
        KeyBinding expected;
    };
    const std::int32_t deleteLine = ToIndex(CommandId::DeleteLine);
    const std::vector<Case> cases = {
        {{kVkControl, 'Q'}, true, {deleteLine, KeyCode(0x50051), KeyCode(), KeyCode()}},
        {{kVkControl, 'Q', 0x73}, true,
         {deleteLine, KeyCode(0x50051), KeyCode(0x50073), KeyCode()}},
        {{kVkShift, 0x70, kVkMenu, 'X', kVkSpace}, false,
         {deleteLine, KeyCode(0x30070), KeyCode(0xB0058), KeyCode(0xB0020)}},
        {{kVkMenu, 0x73}, true, {deleteLine, KeyCode(0x90073), KeyCode(), KeyCode()}},
        {{}, true, {deleteLine, KeyCode(), KeyCode(), KeyCode()}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        RecorderSession session = OpenedOnDefaults();
        ASSERT_TRUE(session.StartRecording(kDeleteLineRow)) << i;
        for (std::uint32_t key : cases[i].presses) {
            session.KeyDown(key);
        }
        if (cases[i].pressEnd) {
            session.EndRecording();
        }
        EXPECT_FALSE(session.IsRecording()) << i;
        EXPECT_EQ(session.Table().At(kDeleteLineRow), cases[i].expected) << i;
    }
}

TEST(RecorderSession, StartWithoutSelectionChangesNothing) {
    RecorderSession session = OpenedOnDefaults();
    EXPECT_FALSE(session.StartRecording(kNoSelection));
    EXPECT_FALSE(session.StartRecording(static_cast<int>(KeyTable::kDefaultCount)));
    EXPECT_FALSE(session.IsRecording());
    EXPECT_EQ(session.KeyDown('Q'), RecordStep::Ignored);
    EXPECT_TRUE(session.Table().IsDefault());
}

TEST(RecorderSession, StartThenEndGivesAKeylessRowThatNeverFires) {
    RecorderSession session = OpenedOnDefaults();
    session.StartRecording(kDeleteLineRow);
    session.EndRecording();
    EXPECT_EQ(session.RowText(kDeleteLineRow), "Delete line\t    ");
    KeySequence sequence;
    for (std::uint32_t key : {0x50059u, 0x10000u, 0u}) {
        KeyLookup lookup = sequence.Press(KeyCode(key), session.Table());
        EXPECT_NE(lookup.command, ToIndex(CommandId::DeleteLine)) << key;
    }
}

TEST(RecorderSession, LosingFocusForgetsHeldModifiers) {
    RecorderSession session = OpenedOnDefaults();
    session.StartRecording(kDeleteLineRow);
    session.KeyDown(kVkControl);
    session.LoseFocus();
    session.KeyDown('Q');
    EXPECT_EQ(session.Table().At(kDeleteLineRow).key1.Value(), 0x10051u);
}

TEST(RecorderSession, AcceptedTableIsHandedOverOnce) {
    RecorderSession session = OpenedOnDefaults();
    EXPECT_FALSE(session.TakeAccepted().has_value());
    session.Delete(kTopOfFileRow);
    session.Accept();
    std::optional<AcceptedKeyTable> accepted = session.TakeAccepted();
    ASSERT_TRUE(accepted.has_value());
    EXPECT_EQ(accepted->table.Count(), KeyTable::kDefaultCount - 1);
    EXPECT_FALSE(accepted->restored);
    EXPECT_FALSE(session.TakeAccepted().has_value());

    session.Begin(KeyTable::Defaults(), true);
    session.RestoreDefaults();
    session.Accept();
    accepted = session.TakeAccepted();
    ASSERT_TRUE(accepted.has_value());
    EXPECT_TRUE(accepted->restored);
    // A new opening forgets an earlier restore that was never accepted.
    session.RestoreDefaults();
    session.Begin(KeyTable::Defaults(), true);
    session.Accept();
    EXPECT_FALSE(session.TakeAccepted()->restored);
}

} // namespace
} // namespace kestrel
