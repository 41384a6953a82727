// Window-free layout of the program's message box and busy notice: which buttons a style word
// asks for, where they go, and how big the box is for a given text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// Results, as the system message box returns them.
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

// Style-word bits, with the system message box's values.
constexpr std::uint32_t kStyleOkCancel = 0x1;
constexpr std::uint32_t kStyleYesNoCancel = 0x3;
constexpr std::uint32_t kStyleYesNo = 0x4;
constexpr std::uint32_t kStyleIconStop = 0x10;
constexpr std::uint32_t kStyleIconQuestion = 0x20;
constexpr std::uint32_t kStyleIconExclamation = 0x30;
constexpr std::uint32_t kStyleIconInformation = 0x40;

constexpr int kMaxMessageButtons = 3;
constexpr int kMessageButtonWidth = 60;
constexpr int kMessageButtonHeight = 30;

enum class MessageIcon { None, Stop, Question, Exclamation, Information };

struct MessageButton {
    const char* text; // with its "&" mnemonic
    int left;         // pixels from the client area's left edge
    int result;
};

// The icon the style word names; None when the caller's own resource icon applies.
MessageIcon IconFromStyle(std::uint32_t style);

// The buttons of a box of this style, placed on a client area `clientWidth` pixels wide.
std::vector<MessageButton> LayoutMessageButtons(std::uint32_t style, int clientWidth);

// Index of the button that starts with the focus; a default-button bit that names a button the
// box does not have falls back to the last button.
int InitialFocusIndex(std::uint32_t style, int buttonCount);

// Width the button row needs, in pixels.
int ButtonRowWidth(std::uint32_t style, int lineHeight);

// The lines of a message: each ends at a line feed or at the end; a final line feed adds no
// empty line.
std::vector<std::string_view> SplitMessageLines(std::string_view text);

// Sizes of a box, from the measured text.
struct MessageBoxSize {
    int textLeft;  // where the text area starts
    int boxWidth;  // the client width the text and buttons need
    int maxLineWidth;
};

// `captionWidth` counts only for a box without an icon, where it may widen the box.
MessageBoxSize MeasureMessageBox(std::uint32_t style, bool hasIcon, int maxLineWidth,
                                 int captionWidth, int maxCharWidth, int lineHeight);

// Outer height of the box window.
int MessageBoxHeight(int lineCount, int lineHeight);

// The text of a warning: the message, then a line feed and the detail when there is one, cut
// to the 299 characters the message buffer holds.
std::string ComposeWarning(std::string_view message, std::string_view detail);

// Size of the busy notice for a text of `textLength` characters.
struct BusySize {
    int width;
    int height;
};
BusySize BusyNoticeSize(std::size_t textLength, int avgCharWidth, int lineHeight);

} // namespace kestrel
