// Recording new keys into a binding, as the key recorder does.
#include "keys/key_recording.h"

#include <gtest/gtest.h>

#include "keys/key_names.h"

namespace kestrel {
namespace {

class KeyRecordingTest : public ::testing::Test {
protected:
    static constexpr std::size_t kMarkBeginRow = 32;
    KeyTable table_ = KeyTable::Defaults();
    KeyRecording recording_;
};

TEST_F(KeyRecordingTest, StartClearsTheRowAndAwaitsTheFirstKey) {
    ASSERT_TRUE(recording_.Start(table_, kMarkBeginRow));
    EXPECT_EQ(recording_.Stage(), 1);
    EXPECT_EQ(recording_.StartCaption(), "1");
    EXPECT_TRUE(table_.At(kMarkBeginRow).key1.IsNone());
    EXPECT_TRUE(table_.At(kMarkBeginRow).key2.IsNone());
}

TEST_F(KeyRecordingTest, StartOnMissingRowDoesNothing) {
    EXPECT_FALSE(recording_.Start(table_, table_.Count()));
    EXPECT_FALSE(recording_.IsRecording());
    EXPECT_TRUE(table_.IsDefault());
}

TEST_F(KeyRecordingTest, CtrlKCtrlBThenEndRecordsTwoKeys) {
    recording_.Start(table_, kMarkBeginRow);
    EXPECT_EQ(recording_.KeyDown(kVkControl, table_), RecordStep::Modifier);
    EXPECT_EQ(recording_.KeyDown('K', table_), RecordStep::Recorded);
    EXPECT_EQ(recording_.StartCaption(), "2");
    EXPECT_EQ(recording_.KeyDown('B', table_), RecordStep::Recorded);
    EXPECT_EQ(recording_.StartCaption(), "3");
    recording_.End();
    EXPECT_EQ(recording_.StartCaption(), "Start");
    EXPECT_EQ(RecorderRowText(table_.At(kMarkBeginRow)), "Mark begin\tCtrl+K  Ctrl+B  ");
}

TEST_F(KeyRecordingTest, ThirdKeyFinishesByItself) {
    recording_.Start(table_, 0);
    EXPECT_EQ(recording_.KeyDown(kVkF1, table_), RecordStep::Recorded);
    EXPECT_EQ(recording_.KeyDown(kVkF1 + 1, table_), RecordStep::Recorded);
    EXPECT_EQ(recording_.KeyDown(kVkF1 + 2, table_), RecordStep::Finished);
    EXPECT_FALSE(recording_.IsRecording());
    EXPECT_EQ(table_.At(0), (KeyBinding{0, KeyCode(0x10070), KeyCode(0x10071), KeyCode(0x10072)}));
    // Further keys are consumed but change nothing.
    EXPECT_EQ(recording_.KeyDown('A', table_), RecordStep::Ignored);
    EXPECT_EQ(table_.At(0).key1.Value(), 0x10070u);
}

TEST_F(KeyRecordingTest, EndBeforeAnyKeyLeavesTheRowKeyless) {
    recording_.Start(table_, 0);
    recording_.End();
    EXPECT_EQ(table_.At(0), KeyBinding{});
    EXPECT_EQ(RecorderRowText(table_.At(0)), "Arrow left\t    ");
}

TEST_F(KeyRecordingTest, ModifiersAloneRecordNothingAndShiftF1IsRecorded) {
    recording_.Start(table_, 0);
    EXPECT_EQ(recording_.KeyDown(kVkShift, table_), RecordStep::Modifier);
    EXPECT_TRUE(table_.At(0).key1.IsNone());
    recording_.KeyDown(kVkF1, table_);
    EXPECT_EQ(table_.At(0).key1.Value(), 0x30070u);
}

TEST_F(KeyRecordingTest, AltF4IsRecordedLikeAnyKey) {
    recording_.Start(table_, 0);
    recording_.KeyDown(kVkMenu, table_);
    recording_.KeyDown(0x73, table_);
    EXPECT_EQ(table_.At(0).key1.Value(), 0x90073u);
}

TEST_F(KeyRecordingTest, KeyUpClearsModifierAtAnyStage) {
    recording_.Start(table_, 0);
    recording_.KeyDown(kVkControl, table_);
    recording_.KeyUp(kVkControl);
    recording_.KeyDown('K', table_);
    EXPECT_EQ(table_.At(0).key1.Value(), 0x1004Bu);
}

TEST_F(KeyRecordingTest, KeyDownsWhileIdleAreIgnoredEvenModifiers) {
    EXPECT_EQ(recording_.KeyDown(kVkControl, table_), RecordStep::Ignored);
    recording_.Start(table_, 0);
    recording_.KeyDown('K', table_);
    EXPECT_EQ(table_.At(0).key1.Value(), 0x1004Bu);
}

TEST_F(KeyRecordingTest, RowRemovedDuringRecordingEndsIt) {
    recording_.Start(table_, 40);
    KeyTable smaller({KeyBinding{}});
    EXPECT_EQ(recording_.KeyDown('K', smaller), RecordStep::Ignored);
    EXPECT_FALSE(recording_.IsRecording());
    EXPECT_EQ(smaller.At(0), KeyBinding{});
}

} // namespace
} // namespace kestrel
