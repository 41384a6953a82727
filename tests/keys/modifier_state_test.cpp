// Forming key codes from key-downs and the window's own modifier flags.
#include "keys/modifier_state.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class ModifierStateTest : public ::testing::Test {
protected:
    std::uint32_t Down(std::uint32_t vk) {
        std::optional<KeyCode> key = state_.KeyDown(vk);
        return key ? key->Value() : 0xDEADu;
    }
    ModifierState state_;
};

TEST_F(ModifierStateTest, FormsCodesWithModifierBits) {
    EXPECT_EQ(Down(kVkLeft), 0x00010025u);
    state_.KeyDown(kVkControl);
    EXPECT_EQ(Down('Q'), 0x00050051u);
    state_.KeyDown(kVkShift);
    EXPECT_EQ(Down(kVkF1), 0x00070070u);
    state_.KeyUp(kVkControl);
    state_.KeyUp(kVkShift);
    state_.KeyDown(kVkMenu);
    EXPECT_EQ(Down('X'), 0x00090058u);
}

TEST_F(ModifierStateTest, ModifierKeyDownIsNotAKeystroke) {
    for (std::uint32_t vk : {kVkShift, kVkControl, kVkMenu}) {
        EXPECT_FALSE(state_.KeyDown(vk).has_value()) << vk;
    }
    EXPECT_TRUE(state_.ShiftDown());
    EXPECT_TRUE(state_.CtrlDown());
    EXPECT_TRUE(state_.AltDown());
}

TEST_F(ModifierStateTest, OnlyLow16BitsOfTheKeyParameterCount) {
    EXPECT_EQ(Down(0xABCD0025u), 0x00010025u);
    EXPECT_FALSE(state_.KeyDown(0x12340011u).has_value());
    EXPECT_TRUE(state_.CtrlDown());
}

TEST_F(ModifierStateTest, KeyUpOfOtherKeysChangesNothing) {
    state_.KeyDown(kVkControl);
    state_.KeyUp('K');
    EXPECT_EQ(Down('K'), 0x0005004Bu);
    state_.KeyUp(kVkControl);
    EXPECT_EQ(Down('K'), 0x0001004Bu);
}

TEST_F(ModifierStateTest, FocusChangeClearsFlagsAndRestoreBringsThemBack) {
    state_.KeyDown(kVkControl);
    state_.KeyDown(kVkShift);
    state_.SaveAndClear();
    EXPECT_EQ(Down(kVkF1), 0x00010070u);
    state_.RestoreSaved();
    EXPECT_EQ(Down(kVkF1), 0x00070070u);
}

TEST(KeyCode, MakeSetsPresentAndModifierBits) {
    EXPECT_EQ(KeyCode::Make(0x70, true, true, false).Value(), 0x00070070u);
    EXPECT_EQ(KeyCode::Make(0x73, false, false, true).Value(), 0x00090073u);
    KeyCode code = KeyCode::Make(0x4B, false, true, false);
    EXPECT_TRUE(code.HasKey());
    EXPECT_TRUE(code.Ctrl());
    EXPECT_FALSE(code.Shift());
    EXPECT_EQ(code.VirtualKey(), 0x4B);
    EXPECT_TRUE(KeyCode().IsNone());
    EXPECT_FALSE(KeyCode().HasKey());
}

} // namespace
} // namespace kestrel
