// The mouse's block marking, on the text window's view state.
#include "view/mouse_selection.h"

#include <algorithm>
#include <string>

#include "commands/block_commands.h"
#include "document/text_columns.h"
#include "view/text_window.h"

namespace kestrel {

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollPeriod = 25; // ms
// Where an auto-scroll tick puts the pointer: far below the window, or just above it.
constexpr int kBelowWindow = 32000;
constexpr int kAboveWindow = -1;

} // namespace

std::string MouseSelection::LineText(std::int32_t line) const {
    std::string text(static_cast<std::size_t>(std::max(window_.View().LineLength(), 1)), '\0');
    text.resize(static_cast<std::size_t>(
        std::max(window_.GetLineText(line, text.data(), text.size()), 0)));
    return text;
}

void MouseSelection::ButtonDown(int x, int y) {
    TextViewState& view = window_.View();
    y = std::max(y, 0);
    const int lineHeight = std::max(view.LineHeight(), 1);
    StopAutoScroll();
    if (view.LineCount() < 1) {
        return;
    }
    if (x < view.LeftMargin()) {
        // The whole line, and the caret stays where it is.
        const std::int32_t line = std::min(y / lineHeight + view.TopLine(), view.LineCount() - 1);
        view.SetBlock({line, 0}, {line, window_.GetLineLength(line)});
        view.SetBlockShown(true);
        window_.Repaint();
        return;
    }
    const std::int32_t row = y / lineHeight;
    if (view.TopLine() + row >= view.LineCount()) {
        return;
    }
    HideCaret(window_.Handle());
    view.SetCaretColumn((x - view.LeftMargin()) / std::max(view.CharWidth(), 1));
    if (row != view.CaretRow()) {
        window_.StoreCurrentLine();
        view.SetCaretRow(row);
        window_.LoadCurrentLine();
    }
    const std::int32_t line = std::min(view.CaretLine(), view.LineCount() - 1);
    anchor_ = MarkAtColumn(line, view.CaretDocumentColumn(), LineText(line), view.TabSize());
    view.SetBlock(anchor_, anchor_);
    dragging_ = true;
    SetCapture(window_.Handle());
    window_.Repaint();
}

void MouseSelection::Move(int x, int y) {
    if (dragging_) {
        DragTo(x, y);
    }
}

void MouseSelection::DragTo(int x, int y) {
    TextViewState& view = window_.View();
    window_.StoreCurrentLine();
    const int lineHeight = std::max(view.LineHeight(), 1);
    const int column =
        x < view.LeftMargin() ? 0 : (x - view.LeftMargin()) / std::max(view.CharWidth(), 1);
    // The row stays within the window, so a pointer far below it reaches only the bottom row.
    const std::int32_t lastRow = std::min(view.LineCount() - view.TopLine(),
                                          std::max(view.VisibleLines(), 1)) - 1;
    const std::int32_t row = y < 0 ? 0 : std::clamp(y / lineHeight, 0, std::max(lastRow, 0));
    view.SetCaretRow(row);
    window_.LoadCurrentLine();

    const std::int32_t line = std::min(view.CaretLine(), view.LineCount() - 1);
    const std::string text = LineText(line);
    const std::int32_t offset = view.HorizontalOffset();
    const std::int32_t index = ColumnToIndex(column + offset, text, view.TabSize());
    // The caret snaps to the start of the character under the pointer, or to the end of the
    // text; never left of the window when the text ends before the horizontal offset.
    view.SetCaretColumn(std::max(IndexToColumn(index, text, view.TabSize()) - offset, 0));

    const bool outside = y < 0 || y >= view.ClientHeight();
    if (outside && autoScroll_ == 0) {
        autoScroll_ = y >= 0 ? 1 : -1;
        SetTimer(window_.Handle(), kAutoScrollTimer, kAutoScrollPeriod, nullptr);
    } else if (!outside && autoScroll_ != 0) {
        StopAutoScroll();
    }

    const TextPos pointer{line, std::min(index, static_cast<std::int32_t>(text.size()))};
    const std::pair<TextPos, TextPos> block = DragBlock(anchor_, pointer);
    view.SetBlock(block.first, block.second);
    view.SetBlockShown(true);
    window_.Repaint();
}

void MouseSelection::Tick(UINT_PTR timerId) {
    TextViewState& view = window_.View();
    if (timerId != kAutoScrollTimer || !dragging_ || autoScroll_ == 0) {
        return;
    }
    const int direction = autoScroll_;
    view.SuspendPainting();
    window_.ScrollVertical(direction > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    window_.ResumePainting();
    DragTo(view.CaretColumn() * view.CharWidth() + view.LeftMargin(),
           direction > 0 ? kBelowWindow : kAboveWindow);
}

void MouseSelection::EndDrag() {
    TextViewState& view = window_.View();
    if (!dragging_) {
        return;
    }
    // Cleared first: releasing the capture reports the capture change, which ends here too.
    dragging_ = false;
    StopAutoScroll();
    if (GetCapture() == window_.Handle()) {
        ReleaseCapture();
    }
    if (view.CaretLine() > view.LineCount() - 1) {
        view.SetCaretRow(std::max(view.LineCount() - 1 - view.TopLine(), 0));
        window_.LoadCurrentLine();
    }
    window_.PlaceCaret();
    ShowCaret(window_.Handle());
}

void MouseSelection::StopAutoScroll() {
    if (autoScroll_ != 0) {
        KillTimer(window_.Handle(), kAutoScrollTimer);
        autoScroll_ = 0;
    }
}

} // namespace kestrel
