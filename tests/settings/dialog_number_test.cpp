// Numbers typed into the option dialogs, and whether they are taken.
#include "settings/dialog_number.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

TEST(DialogNumber, LeadingDecimalNumberSaturates) {
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"8", 8},
        {"  16 spaces", 16},
        {"+5", 5},
        {"-3", -3},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"12abc34", 12},
        {"2147483647", 2147483647},
        // Beyond 32 bits: out of every range, never wrapped round into one.
        {"4294967298", 2147483647},
        {"2147483648", 2147483647},
        {"-4294967298", -2147483647 - 1},
        {"9999999999999999999", 2147483647},
        // Only the first 19 characters are read.
        {"                  7", 7},
        {"                   7", 0},
        {"0000000000000000004", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadDialogNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(DialogNumber, RangesTakeOrIgnore) {
    // Tab size 2..16 and wheel lines 1..50 keep the old value outside their range.
    EXPECT_EQ(TakeInRange(ReadDialogNumber("17"), 2, 16, 8), 8);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("1"), 2, 16, 8), 8);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("2"), 2, 16, 8), 2);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("16"), 2, 16, 8), 16);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("4294967298"), 2, 16, 8), 8);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("0"), 1, 50, 20), 20);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("51"), 1, 50, 20), 20);
    EXPECT_EQ(TakeInRange(ReadDialogNumber("50"), 1, 50, 20), 50);
    // The left margin is capped at 18; below that it is taken as typed.
    EXPECT_EQ(LeftMarginFrom(25), 18);
    EXPECT_EQ(LeftMarginFrom(18), 18);
    EXPECT_EQ(LeftMarginFrom(-3), -3);
    EXPECT_EQ(LeftMarginFrom(ReadDialogNumber("4294967298")), 18);
}

TEST(DialogNumber, LongestLineOnlyInRangeOnOneLineThatStillFits) {
    const struct {
        std::int32_t typed, shown, lines, caretLength;
        LineLengthChange expected;
    } cases[] = {
        {256, 256, 40, 10, LineLengthChange::Unchanged},
        {4096, 256, 1, 0, LineLengthChange::Accepted},
        {256, 4096, 1, 0, LineLengthChange::Accepted},
        {8192, 256, 1, 0, LineLengthChange::Accepted},
        {255, 256, 1, 0, LineLengthChange::Refused},
        {9000, 256, 1, 0, LineLengthChange::Refused},
        {0, 256, 1, 0, LineLengthChange::Refused},
        {2147483647, 256, 1, 0, LineLengthChange::Refused},
        {4096, 256, 2, 0, LineLengthChange::Refused},
        // The one line must still fit the smaller buffer with its terminator.
        {300, 2048, 1, 299, LineLengthChange::Accepted},
        {300, 2048, 1, 300, LineLengthChange::Refused},
        {300, 2048, 1, 1000, LineLengthChange::Refused},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideLineLength(c.typed, c.shown, c.lines, c.caretLength), c.expected)
            << c.typed << " " << c.shown << " " << c.lines << " " << c.caretLength;
    }
}

} // namespace
} // namespace kestrel
