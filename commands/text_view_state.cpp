// The text window's view state and the layout and scroll rules that act on it.
#include "commands/text_view_state.h"

#include <algorithm>
#include <limits>

namespace kestrel {

namespace {

// Scroll targets are sums of positions and page sizes that come from outside (message
// positions, settings); this keeps an absurd sum from wrapping before it is clamped.
std::int32_t Saturate(std::int64_t value) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, kLow, kHigh));
}

} // namespace

// ---- Font, window and settings ------------------------------------------------------------

void TextViewState::SetClientSize(std::int32_t width, std::int32_t height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void TextViewState::SetFontMetrics(std::int32_t charWidth, std::int32_t lineHeight) {
    charWidth_ = charWidth;
    lineHeight_ = lineHeight;
    leftMargin_ = charWidth;
}

void TextViewState::SetHorizontalBarHidden(bool hidden) {
    horizontalBarHidden_ = hidden;
    UpdateHorizontalRange();
}

void TextViewState::UpdateLayout() {
    // The margin is subtracted as a pixel width from a count of cells; the rest of the editor
    // (page steps, typing past the right edge) is tuned to that count.
    visibleColumns_ = charWidth_ > 0 ? clientWidth_ / charWidth_ - leftMargin_ : 0;
    // A font without height shows no lines rather than dividing by zero.
    visibleLines_ = lineHeight_ > 0 ? clientHeight_ / lineHeight_ : 0;
    UpdateHorizontalRange();
}

void TextViewState::UpdateHorizontalRange() {
    std::int64_t maximum = 0;
    if (charWidth_ > 0) {
        const std::int64_t overhang =
            static_cast<std::int64_t>(charWidth_) * lineLength_ - clientWidth_;
        maximum = std::max<std::int64_t>(overhang / charWidth_, 0);
    }
    horizontalMax_ = Saturate(maximum);
    horizontalOffset_ = std::clamp(horizontalOffset_, 0, horizontalMax_);
}

// ---- Line count and vertical range --------------------------------------------------------

void TextViewState::AdjustLineCount(std::int32_t delta) {
    lineCount_ = Saturate(static_cast<std::int64_t>(lineCount_) + delta);
    verticalMax_ = std::max(lineCount_ - 1, 1);
    topLine_ = std::min(topLine_, verticalMax_);
}

// ---- Scrolling ------------------------------------------------------------------------------

std::int32_t TextViewState::VerticalScrollTarget(ScrollCode code, std::int32_t position) const {
    const std::int64_t top = topLine_;
    switch (code) {
    case ScrollCode::LineUp:
        return Saturate(top - 1);
    case ScrollCode::LineDown:
        return Saturate(top + 1);
    case ScrollCode::PageUp:
        return Saturate(top - visibleLines_);
    case ScrollCode::PageDown:
        return Saturate(top + visibleLines_);
    case ScrollCode::ThumbTrack:
        return position;
    case ScrollCode::Top:
        return 0;
    case ScrollCode::Bottom:
        return Saturate(static_cast<std::int64_t>(lineCount_) - 1);
    default:
        return topLine_;
    }
}

std::int32_t TextViewState::HorizontalScrollTarget(ScrollCode code, std::int32_t position) const {
    const std::int64_t offset = horizontalOffset_;
    switch (code) {
    case ScrollCode::LineLeft:
        return Saturate(offset - 1);
    case ScrollCode::LineRight:
        return Saturate(offset + 1);
    // A sideways page is one tab stop, so that typing past the right edge stays near the caret.
    case ScrollCode::PageLeft:
        return Saturate(offset - tabSize_);
    case ScrollCode::PageRight:
        return Saturate(offset + tabSize_);
    case ScrollCode::ThumbTrack:
        return position;
    case ScrollCode::Left:
        return 0;
    default:
        return horizontalOffset_;
    }
}

void TextViewState::MoveTopLine(std::int32_t target) {
    const std::int32_t lastLine = lineCount_ - 1;
    topLine_ = std::max(std::min(target, lastLine), 0);
    // The caret keeps its row on the screen unless that row is past the last line.
    if (topLine_ + caretRow_ > lastLine) {
        caretRow_ = lastLine - topLine_;
    }
    // A document without lines (only between a reset and its first line) keeps the caret on row 0.
    caretRow_ = std::max(caretRow_, 0);
}

bool TextViewState::ScrollVertical(ScrollCode code, std::int32_t position, TextViewHost& host) {
    const std::int32_t target = VerticalScrollTarget(code, position);
    if (target == topLine_) {
        return false;
    }
    host.StoreCurrentLine();
    MoveTopLine(target);
    host.LoadCurrentLine();
    if (!paintingSuspended_) {
        host.Repaint();
        host.PlaceCaret();
        host.SetVerticalScrollPosition(topLine_);
    }
    return true;
}

bool TextViewState::ScrollHorizontal(ScrollCode code, std::int32_t position, TextViewHost& host) {
    const std::int32_t target = HorizontalScrollTarget(code, position);
    if (target == horizontalOffset_) {
        return false;
    }
    horizontalOffset_ = std::clamp(target, 0, horizontalMax_);
    if (!paintingSuspended_) {
        host.Repaint();
        host.PlaceCaret();
        host.SetHorizontalScrollPosition(horizontalOffset_);
    }
    return true;
}

void TextViewState::Wheel(std::int32_t delta, TextViewHost& host) {
    // Wheels report multiples of one notch in one message; every message moves the same amount.
    const ScrollCode code = delta > 0 ? ScrollCode::LineUp : ScrollCode::LineDown;
    for (std::int32_t step = 0; step < wheelLines_; ++step) {
        ScrollVertical(code, 0, host);
    }
}

// ---- Deferred painting --------------------------------------------------------------------

bool TextViewState::ResumePainting() {
    paintingSuspended_ = false;
    return repaintPending_;
}

bool TextViewState::BeginRepaint() {
    if (paintingSuspended_) {
        repaintPending_ = true;
        return false;
    }
    repaintPending_ = false;
    return true;
}

// ---- Caret --------------------------------------------------------------------------------

PixelPoint TextViewState::CaretPosition() const {
    return {caretColumn_ * charWidth_ + leftMargin_, caretRow_ * lineHeight_};
}

CaretSize TextViewState::CaretShape(bool overwriteMode) const {
    return {overwriteMode ? charWidth_ : kInsertCaretWidth, lineHeight_};
}

CaretStatus TextViewState::CaretStatusNumbers() const {
    return {CaretLine() + 1, CaretDocumentColumn() + 1};
}

std::string TextViewState::CaretStatusText() const {
    const CaretStatus status = CaretStatusNumbers();
    std::string text = kCaretStatusLine;
    text += std::to_string(status.line);
    text += kCaretStatusColumn;
    text += std::to_string(status.column);
    return text;
}

// ---- Block --------------------------------------------------------------------------------

void TextViewState::SetBlock(TextPos begin, TextPos end) {
    blockBegin_ = begin;
    blockEnd_ = end;
}

} // namespace kestrel
