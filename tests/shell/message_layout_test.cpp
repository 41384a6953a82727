// Tests of the message box's button layout, focus rule and sizes, and the busy notice size.
#include "shell/message_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

struct ButtonCase {
    const char* name;
    std::uint32_t style;
    std::vector<std::string> texts;
    std::vector<int> lefts;
    std::vector<int> results;
};

class MessageButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(MessageButtons, StyleWordGivesTheButtons) {
    const ButtonCase& c = GetParam();
    std::vector<MessageButton> buttons = LayoutMessageButtons(c.style, 300);
    ASSERT_EQ(buttons.size(), c.texts.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].text, c.texts[i]);
        EXPECT_EQ(buttons[i].left, c.lefts[i]);
        EXPECT_EQ(buttons[i].result, c.results[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoxTypes, MessageButtons,
    ::testing::Values(ButtonCase{"Ok", 0x30, {"&Ok"}, {120}, {1}},
                      ButtonCase{"OkCancel", 0x01, {"&Ok", "&Cancel"}, {80, 160}, {1, 2}},
                      ButtonCase{"YesNo", 0x24, {"&Yes", "&No"}, {80, 160}, {6, 7}},
                      ButtonCase{"YesNoCancel", 0x123, {"&Yes", "&No", "&Cancel"},
                                 {50, 120, 190}, {6, 7, 2}},
                      ButtonCase{"AbortRetryIgnoreAsOk", 0x02, {"&Ok"}, {120}, {1}},
                      ButtonCase{"RetryCancelAsOk", 0x05, {"&Ok"}, {120}, {1}}),
    [](const ::testing::TestParamInfo<ButtonCase>& info) { return info.param.name; });

TEST(MessageFocus, DefaultButtonBitsPickTheStartingButton) {
    EXPECT_EQ(InitialFocusIndex(0x23, 3), 0);
    EXPECT_EQ(InitialFocusIndex(0x123, 3), 1);
    EXPECT_EQ(InitialFocusIndex(0x223, 3), 2);
    EXPECT_EQ(InitialFocusIndex(0x323, 3), 0);
}

TEST(MessageFocus, ADefaultBeyondTheButtonsFallsBackToTheLastButton) {
    EXPECT_EQ(InitialFocusIndex(0x200, 1), 0);
    EXPECT_EQ(InitialFocusIndex(0x204, 2), 1);
}

TEST(MessageIcons, IconBitsNameTheSystemIcons) {
    EXPECT_EQ(IconFromStyle(0x10), MessageIcon::Stop);
    EXPECT_EQ(IconFromStyle(0x23), MessageIcon::Question);
    EXPECT_EQ(IconFromStyle(0x30), MessageIcon::Exclamation);
    EXPECT_EQ(IconFromStyle(0x40), MessageIcon::Information);
    EXPECT_EQ(IconFromStyle(0x00), MessageIcon::None);
    EXPECT_EQ(IconFromStyle(0x50), MessageIcon::None);
}

TEST(MessageText, LinesEndAtLineFeedsAndAFinalOneAddsNothing) {
    EXPECT_EQ(SplitMessageLines("one\ntwo\nthree").size(), 3u);
    EXPECT_EQ(SplitMessageLines("one\ntwo\n").size(), 2u);
    EXPECT_EQ(SplitMessageLines("one\n\nthree").size(), 3u);
    EXPECT_EQ(SplitMessageLines("").size(), 1u);
    EXPECT_EQ(SplitMessageLines("single")[0], "single");
}

TEST(MessageSize, ThreeLinesMakeABoxNineLineHeightsTall) {
    EXPECT_EQ(MessageBoxHeight(3, 16), 9 * 16);
}

TEST(MessageSize, AnIconMovesTheTextRightAndTheCaptionIsIgnored) {
    MessageBoxSize size = MeasureMessageBox(0x30, true, 100, 500, 10, 16);
    EXPECT_EQ(size.textLeft, 64);
    EXPECT_EQ(size.boxWidth, 100 + 40 + 64);
}

TEST(MessageSize, ACaptionWiderThanTheTextWidensABoxWithoutIcon) {
    MessageBoxSize size = MeasureMessageBox(0x00, false, 100, 300, 10, 16);
    EXPECT_EQ(size.textLeft, 8);
    EXPECT_EQ(size.maxLineWidth, 300);
    EXPECT_EQ(size.boxWidth, 300 + 40 + 8);
}

TEST(MessageSize, TheButtonRowCanWidenTheBox) {
    EXPECT_EQ(MeasureMessageBox(0x03, false, 10, 0, 10, 16).boxWidth, 13 * 16);
    EXPECT_EQ(MeasureMessageBox(0x04, false, 10, 0, 10, 16).boxWidth, 10 * 16);
    EXPECT_EQ(MeasureMessageBox(0x01, false, 10, 0, 10, 16).boxWidth, 10 * 16);
    EXPECT_EQ(MeasureMessageBox(0x00, false, 10, 0, 10, 16).boxWidth, 10 + 40 + 8);
}

TEST(Warning, DetailGoesOnASecondLine) {
    EXPECT_EQ(ComposeWarning("Can't open file", "C:\\a.txt"), "Can't open file\nC:\\a.txt");
    EXPECT_EQ(ComposeWarning("Out of memory", ""), "Out of memory");
}

TEST(Warning, AnOverlongWarningIsCutTo299Characters) {
    std::string text = ComposeWarning("Can't open file", std::string(400, 'p'));
    EXPECT_EQ(text.size(), 299u);
    EXPECT_EQ(text.substr(0, 16), "Can't open file\n");
}

TEST(BusyNotice, LoadingIsTwentyTwoCharactersByFiveLines) {
    BusySize size = BusyNoticeSize(std::string("Loading...").size(), 7, 16);
    EXPECT_EQ(size.width, 22 * 7);
    EXPECT_EQ(size.height, 5 * 16);
}

} // namespace
} // namespace kestrel
