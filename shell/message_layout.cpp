// Button layout and sizing of the message box and busy notice.
#include "shell/message_layout.h"

#include <algorithm>

namespace kestrel {

namespace {

constexpr std::size_t kMaxWarningLength = 299;

std::uint32_t BoxType(std::uint32_t style) {
    std::uint32_t type = style & 0xF;
    return (type == kStyleOkCancel || type == kStyleYesNoCancel || type == kStyleYesNo) ? type : 0;
}

} // namespace

MessageIcon IconFromStyle(std::uint32_t style) {
    switch (style & 0xF0) {
    case kStyleIconStop:
        return MessageIcon::Stop;
    case kStyleIconQuestion:
        return MessageIcon::Question;
    case kStyleIconExclamation:
        return MessageIcon::Exclamation;
    case kStyleIconInformation:
        return MessageIcon::Information;
    default:
        return MessageIcon::None;
    }
}

std::vector<MessageButton> LayoutMessageButtons(std::uint32_t style, int clientWidth) {
    int mid = clientWidth / 2;
    switch (BoxType(style)) {
    case kStyleOkCancel:
        return {{"&Ok", mid - 70, kResultOk}, {"&Cancel", mid + 10, kResultCancel}};
    case kStyleYesNo:
        return {{"&Yes", mid - 70, kResultYes}, {"&No", mid + 10, kResultNo}};
    case kStyleYesNoCancel:
        return {{"&Yes", mid - 100, kResultYes},
                {"&No", mid - 30, kResultNo},
                {"&Cancel", mid + 40, kResultCancel}};
    default:
        return {{"&Ok", mid - 30, kResultOk}};
    }
}

int InitialFocusIndex(std::uint32_t style, int buttonCount) {
    int index = 0;
    switch (style & 0xF00) {
    case 0x100:
        index = 1;
        break;
    case 0x200:
        index = 2;
        break;
    default:
        break;
    }
    return std::max(0, std::min(index, buttonCount - 1));
}

int ButtonRowWidth(std::uint32_t style, int lineHeight) {
    switch (BoxType(style)) {
    case kStyleOkCancel:
    case kStyleYesNo:
        return 10 * lineHeight;
    case kStyleYesNoCancel:
        return 13 * lineHeight;
    default:
        return 0;
    }
}

std::vector<std::string_view> SplitMessageLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < text.size() || lines.empty()) {
                lines.push_back(text.substr(start));
            }
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

MessageBoxSize MeasureMessageBox(std::uint32_t style, bool hasIcon, int maxLineWidth,
                                 int captionWidth, int maxCharWidth, int lineHeight) {
    MessageBoxSize size;
    if (hasIcon) {
        size.maxLineWidth = maxLineWidth;
        size.textLeft = 64;
    } else {
        size.maxLineWidth = std::max(maxLineWidth, captionWidth);
        size.textLeft = 8;
    }
    size.boxWidth = size.maxLineWidth + 4 * maxCharWidth + size.textLeft;
    size.boxWidth = std::max(size.boxWidth, ButtonRowWidth(style, lineHeight));
    return size;
}

int MessageBoxHeight(int lineCount, int lineHeight) { return lineHeight * (lineCount + 6); }

std::string ComposeWarning(std::string_view message, std::string_view detail) {
    std::string text(message);
    if (!detail.empty()) {
        text += '\n';
        text += detail;
    }
    if (text.size() > kMaxWarningLength) {
        text.resize(kMaxWarningLength);
    }
    return text;
}

BusySize BusyNoticeSize(std::size_t textLength, int avgCharWidth, int lineHeight) {
    return {static_cast<int>(textLength + 12) * avgCharWidth, 5 * lineHeight};
}

} // namespace kestrel
