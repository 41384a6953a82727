// Key lookup against the default table and hand-made tables: exact matches, prefixes, resets.
#include "keys/key_sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

constexpr KeyCode Ctrl(char letter) {
    return KeyCode::Make(letter, false, true, false);
}
constexpr KeyCode Plain(std::uint32_t vk) {
    return KeyCode::Make(vk, false, false, false);
}

KeyBinding Row(CommandId command, KeyCode k1, KeyCode k2 = KeyCode(), KeyCode k3 = KeyCode()) {
    return KeyBinding{ToIndex(command), k1, k2, k3};
}

class KeySequenceTest : public ::testing::Test {
protected:
    KeyLookup Press(KeyCode key) { return sequence_.Press(key, table_); }

    void ExpectFired(KeyLookup lookup, CommandId command) {
        EXPECT_EQ(lookup.outcome, KeyOutcome::Fired);
        EXPECT_EQ(lookup.command, ToIndex(command));
        EXPECT_EQ(sequence_.Stage(), 0);
    }
    void ExpectAtRest(KeyLookup lookup, KeyOutcome outcome) {
        EXPECT_EQ(lookup.outcome, outcome);
        EXPECT_EQ(lookup.command, -1);
        EXPECT_EQ(sequence_.Stage(), 0);
        for (int slot = 0; slot < 3; ++slot) {
            EXPECT_TRUE(sequence_.Pending(slot).IsNone()) << "slot " << slot;
        }
    }

    KeySequence sequence_;
    KeyTable table_ = KeyTable::Defaults();
};

TEST_F(KeySequenceTest, CtrlKThenCtrlBRunsMarkBegin) {
    KeyLookup first = Press(Ctrl('K'));
    EXPECT_EQ(first.outcome, KeyOutcome::Pending);
    EXPECT_EQ(sequence_.Stage(), 1);
    EXPECT_EQ(sequence_.Pending(0), Ctrl('K'));
    ExpectFired(Press(Ctrl('B')), CommandId::MarkBegin);
}

TEST_F(KeySequenceTest, OneKeyBindingFiresAtOnce) {
    ExpectFired(Press(Plain(kVkLeft)), CommandId::ArrowLeft);
    ExpectFired(Press(KeyCode::Make('X', false, false, true)), CommandId::ExitProgram);
    ExpectFired(Press(KeyCode::Make(kVkPrior, false, true, false)), CommandId::TopOfFile);
}

TEST_F(KeySequenceTest, CtrlKThenArrowLeftDoesNothingAndResets) {
    Press(Ctrl('K'));
    ExpectAtRest(Press(Plain(kVkLeft)), KeyOutcome::Dropped);
    // The dropped key is not tried again as a first key; the next one starts afresh.
    ExpectFired(Press(Plain(kVkLeft)), CommandId::ArrowLeft);
}

TEST_F(KeySequenceTest, PrefixFollowedByUnboundKeyResets) {
    Press(Ctrl('Q'));
    ExpectAtRest(Press(Ctrl('Z')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, PrefixFollowedByEscapeResets) {
    Press(Ctrl('K'));
    ExpectAtRest(Press(Plain(kVkEscape)), KeyOutcome::Dropped);
    ExpectFired(Press(Ctrl('Y')), CommandId::DeleteLine);
}

TEST_F(KeySequenceTest, PrefixFollowedByItself) {
    // Ctrl+K twice is bound ("Mark end"); Ctrl+Q twice is not.
    Press(Ctrl('K'));
    ExpectFired(Press(Ctrl('K')), CommandId::MarkEnd);
    Press(Ctrl('Q'));
    ExpectAtRest(Press(Ctrl('Q')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, PlainLetterAfterCtrlKEndsTheSequence) {
    Press(Ctrl('K'));
    ExpectAtRest(Press(Plain('B')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, SameSecondKeyRunsDifferentCommandsAfterDifferentPrefixes) {
    Press(Ctrl('Q'));
    ExpectFired(Press(Ctrl('B')), CommandId::GotoBlockBegin);
    Press(Ctrl('Q'));
    ExpectFired(Press(Ctrl('C')), CommandId::BottomOfFile);
    ExpectFired(Press(Ctrl('C')), CommandId::Copy);
}

TEST_F(KeySequenceTest, KeylessCodeNeverMatchesKeylessRows) {
    // Row 18 ("Save As") has no keys; a code without its present bit must not reach it.
    Press(Ctrl('K'));
    ExpectAtRest(Press(KeyCode()), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, ExactMatchBeatsLongerBinding) {
    table_ =
        KeyTable({Row(CommandId::MarkBegin, Ctrl('K'), Ctrl('B')), Row(CommandId::Cut, Ctrl('K'))});
    ExpectFired(Press(Ctrl('K')), CommandId::Cut);
    ExpectAtRest(Press(Ctrl('B')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, EarlierOfTwoIdenticalBindingsWins) {
    table_ = KeyTable({Row(CommandId::Copy, Ctrl('C')), Row(CommandId::Paste, Ctrl('C'))});
    KeyLookup lookup = Press(Ctrl('C'));
    ExpectFired(lookup, CommandId::Copy);
    EXPECT_EQ(lookup.row, 0u);
}

TEST_F(KeySequenceTest, ThreeKeyBindingFiresOnItsThirdKey) {
    table_ = KeyTable({Row(CommandId::PrintBlock, Ctrl('K'), Ctrl('P'), Plain(kVkF1)),
                       Row(CommandId::MarkBegin, Ctrl('K'), Ctrl('B'))});
    EXPECT_EQ(Press(Ctrl('K')).outcome, KeyOutcome::Pending);
    EXPECT_EQ(Press(Ctrl('P')).outcome, KeyOutcome::Pending);
    EXPECT_EQ(sequence_.Stage(), 2);
    KeyLookup third = Press(Plain(kVkF1));
    ExpectFired(third, CommandId::PrintBlock);
    EXPECT_EQ(third.row, 0u);
}

TEST_F(KeySequenceTest, TwoKeyBindingWinsOverThreeKeyBindingWithSamePrefix) {
    table_ = KeyTable({Row(CommandId::PrintBlock, Ctrl('K'), Ctrl('P'), Plain(kVkF1)),
                       Row(CommandId::HideBlock, Ctrl('K'), Ctrl('P'))});
    Press(Ctrl('K'));
    ExpectFired(Press(Ctrl('P')), CommandId::HideBlock);
}

TEST_F(KeySequenceTest, WrongThirdKeyResetsWithoutStartingAgain) {
    table_ = KeyTable({Row(CommandId::PrintBlock, Ctrl('K'), Ctrl('P'), Plain(kVkF1))});
    Press(Ctrl('K'));
    Press(Ctrl('P'));
    // Ctrl+K starts a binding, but as a third key it is only compared as a whole.
    ExpectAtRest(Press(Ctrl('K')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, EmptyTableResetsOnEveryKey) {
    table_ = KeyTable();
    for (KeyCode key : {Ctrl('K'), Ctrl('B'), Plain(kVkLeft), Plain(kVkEscape)}) {
        ExpectAtRest(Press(key), KeyOutcome::Dropped);
    }
}

TEST_F(KeySequenceTest, EmptyTableEndsASequenceStartedWithAnotherTable) {
    Press(Ctrl('K'));
    table_ = KeyTable();
    ExpectAtRest(Press(Ctrl('B')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, RowsNamingNoCommandTakePartInNothing) {
    table_ = KeyTable({KeyBinding{CommandTable::kCount, Ctrl('C'), KeyCode(), KeyCode()},
                       KeyBinding{-1, Ctrl('K'), Ctrl('B'), KeyCode()},
                       Row(CommandId::Copy, Ctrl('C'))});
    ExpectFired(Press(Ctrl('C')), CommandId::Copy);
    ExpectAtRest(Press(Ctrl('K')), KeyOutcome::Dropped);
}

TEST_F(KeySequenceTest, StateIsSharedAcrossTables) {
    // The sequence belongs to the program, not to a table: a second window with its own table
    // completes what the first started.
    KeyTable other({Row(CommandId::HideBlock, Ctrl('K'), Ctrl('H'))});
    sequence_.Press(Ctrl('K'), table_);
    ExpectFired(sequence_.Press(Ctrl('H'), other), CommandId::HideBlock);
}

TEST(KeySequence, RawBindingArrayIsLookedUpLikeATable) {
    // The text window's built-in scrolling table is a plain array of 8 rows.
    const KeyBinding scrolling[] = {
        {0, Plain(kVkDown), KeyCode(), KeyCode()},
        {5, Ctrl('Q'), Ctrl('R'), KeyCode()},
    };
    KeySequence sequence;
    EXPECT_EQ(sequence.Press(Ctrl('Q'), scrolling, 2).outcome, KeyOutcome::Pending);
    KeyLookup lookup = sequence.Press(Ctrl('R'), scrolling, 2);
    EXPECT_EQ(lookup.outcome, KeyOutcome::Fired);
    EXPECT_EQ(lookup.command, 5);
    EXPECT_EQ(sequence.Press(Plain(kVkDown), nullptr, 0).outcome, KeyOutcome::Dropped);
}

} // namespace
} // namespace kestrel
