// The exact-fit reads: a value that is absent or does not fit its read size keeps the default.
#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

class SettingsValues : public ::testing::Test {
protected:
    MemorySettings store_;
};

TEST_F(SettingsValues, ByteIsReadOnlyFromAOneByteValue) {
    std::uint8_t byte = 0x23;
    EXPECT_FALSE(ReadByte(store_, "pitch", byte));
    EXPECT_EQ(byte, 0x23);

    store_.SetNumber("pitch", 0x31);
    EXPECT_FALSE(ReadByte(store_, "pitch", byte));
    EXPECT_EQ(byte, 0x23);

    store_.SetBytes("pitch", {});
    EXPECT_FALSE(ReadByte(store_, "pitch", byte));
    EXPECT_EQ(byte, 0x23);

    store_.SetBytes("pitch", {0x31});
    EXPECT_TRUE(ReadByte(store_, "pitch", byte));
    EXPECT_EQ(byte, 0x31);
}

TEST_F(SettingsValues, FlagIsOneForAnyNonzeroByteAndDefaultWhenItDoesNotFit) {
    bool flag = false;
    store_.SetBytes("indent", {0x80});
    EXPECT_TRUE(ReadFlag(store_, "indent", flag, false));
    EXPECT_TRUE(flag);

    store_.SetBytes("indent", {0});
    EXPECT_TRUE(ReadFlag(store_, "indent", flag, true));
    EXPECT_FALSE(flag);

    // A flag written as a 4-byte number does not fit a one-byte read.
    store_.SetNumber("indent", 0);
    EXPECT_FALSE(ReadFlag(store_, "indent", flag, true));
    EXPECT_TRUE(flag);

    EXPECT_FALSE(ReadFlag(store_, "absent", flag, false));
    EXPECT_FALSE(flag);
}

TEST_F(SettingsValues, NumberNeedsExactlyFourLittleEndianBytes) {
    std::uint32_t number = 0;
    store_.SetBytes("color", {0x11, 0x22, 0x33, 0x44});
    EXPECT_TRUE(ReadNumber(store_, "color", number, 7u));
    EXPECT_EQ(number, 0x44332211u);

    for (std::vector<std::uint8_t> bytes :
         {std::vector<std::uint8_t>{1}, std::vector<std::uint8_t>{1, 2, 3},
          std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}}) {
        store_.SetBytes("color", bytes);
        EXPECT_FALSE(ReadNumber(store_, "color", number, 7u));
        EXPECT_EQ(number, 7u) << bytes.size() << " bytes";
    }
}

TEST_F(SettingsValues, SignedNumberKeepsItsSign) {
    std::int32_t height = 0;
    store_.SetNumber("height", static_cast<std::uint32_t>(-16));
    EXPECT_TRUE(ReadNumber(store_, "height", height, 0));
    EXPECT_EQ(height, -16);
}

TEST_F(SettingsValues, NumberOutsideItsRangeTakesTheDefault) {
    std::int32_t tabs = 0;
    struct Case {
        std::uint32_t stored;
        std::int32_t expected;
    };
    for (Case c : {Case{2, 2}, Case{16, 16}, Case{1, 8}, Case{17, 8},
                   Case{static_cast<std::uint32_t>(-4), 8}, Case{0x80000000u, 8}}) {
        store_.SetNumber("tabsize", c.stored);
        ReadNumberInRange(store_, "tabsize", tabs, 8, 2, 16);
        EXPECT_EQ(tabs, c.expected) << "stored " << c.stored;
    }
}

TEST_F(SettingsValues, TextMustLeaveRoomForItsTerminator) {
    std::string text;
    store_.SetText("font", std::string(31, 'a'));
    EXPECT_TRUE(ReadText(store_, "font", 32, text, "fixedsys"));
    EXPECT_EQ(text, std::string(31, 'a'));

    store_.SetText("font", std::string(32, 'a'));
    EXPECT_FALSE(ReadText(store_, "font", 32, text, "fixedsys"));
    EXPECT_EQ(text, "fixedsys");
}

TEST_F(SettingsValues, TextStoredWithoutTerminatorIsNeverReadPastItsBytes) {
    std::string text;
    store_.SetBytes("font", {'A', 'r', 'i', 'a', 'l'});
    EXPECT_TRUE(ReadText(store_, "font", 32, text, "fixedsys"));
    EXPECT_EQ(text, "Arial");

    // 32 characters and no NUL: one more than the buffer can hold with its terminator.
    store_.SetBytes("font", std::vector<std::uint8_t>(32, 'b'));
    EXPECT_FALSE(ReadText(store_, "font", 32, text, "fixedsys"));
    EXPECT_EQ(text, "fixedsys");
}

TEST_F(SettingsValues, TextEndsAtItsFirstNul) {
    std::string text;
    store_.SetBytes("font", {'A', 0, 'B', 0});
    EXPECT_TRUE(ReadText(store_, "font", 32, text, "fixedsys"));
    EXPECT_EQ(text, "A");

    store_.SetBytes("font", {});
    EXPECT_TRUE(ReadText(store_, "font", 32, text, "fixedsys"));
    EXPECT_EQ(text, "");
}

TEST_F(SettingsValues, BinaryNeedsItsExactSize) {
    std::uint8_t rect[4] = {9, 9, 9, 9};
    store_.SetBytes("rect", {1, 2, 3});
    EXPECT_FALSE(ReadBinary(store_, "rect", rect, 4));
    EXPECT_EQ(rect[0], 9);
    store_.SetBytes("rect", {1, 2, 3, 4});
    EXPECT_TRUE(ReadBinary(store_, "rect", rect, 4));
    EXPECT_EQ(rect[3], 4);
}

TEST_F(SettingsValues, FlagsAndBytesAreWrittenAsOneBinaryByte) {
    WriteFlag(store_, "readonly", true);
    WriteByte(store_, "pitch", 0x31);
    ASSERT_NE(store_.Find("readonly"), nullptr);
    EXPECT_EQ(store_.Find("readonly")->kind, ValueKind::Binary);
    EXPECT_EQ(store_.Find("readonly")->bytes, std::vector<std::uint8_t>{1});
    EXPECT_EQ(store_.Find("pitch")->bytes, std::vector<std::uint8_t>{0x31});
}

} // namespace
} // namespace kestrel
