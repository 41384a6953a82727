// Marking the block with the mouse: a click places the caret and anchors the block, a drag
// extends it (scrolling line by line while the pointer is above or below the window), and a
// click in the left margin marks one whole line.
#include "view/text_window.h"

#include <algorithm>
#include <string>

#include "commands/block_commands.h"
#include "document/text_columns.h"

namespace kestrel {

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollPeriod = 25; // ms
// Where an auto-scroll tick puts the pointer: far below the window, or just above it.
constexpr int kBelowWindow = 32000;
constexpr int kAboveWindow = -1;

} // namespace

std::string TextWindow::LineText(std::int32_t line) const {
    std::string text(static_cast<std::size_t>(std::max(view_.LineLength(), 1)), '\0');
    text.resize(static_cast<std::size_t>(
        std::max(GetLineText(line, text.data(), text.size()), 0)));
    return text;
}

void TextWindow::OnLButtonDown(WPARAM, LPARAM l) {
    const int x = GET_X_LPARAM(l);
    const int y = std::max(GET_Y_LPARAM(l), 0);
    const int lineHeight = std::max(view_.LineHeight(), 1);
    StopAutoScroll();
    if (view_.LineCount() < 1) {
        return;
    }
    if (x < view_.LeftMargin()) {
        // The whole line, and the caret stays where it is.
        const std::int32_t line = std::min(y / lineHeight + view_.TopLine(), view_.LineCount() - 1);
        view_.SetBlock({line, 0}, {line, GetLineLength(line)});
        view_.SetBlockShown(true);
        Repaint();
        return;
    }
    const std::int32_t row = y / lineHeight;
    if (view_.TopLine() + row >= view_.LineCount()) {
        return;
    }
    HideCaret(Handle());
    view_.SetCaretColumn((x - view_.LeftMargin()) / std::max(view_.CharWidth(), 1));
    if (row != view_.CaretRow()) {
        StoreCurrentLine();
        view_.SetCaretRow(row);
        LoadCurrentLine();
    }
    const std::int32_t line = std::min(view_.CaretLine(), view_.LineCount() - 1);
    anchor_ = MarkAtColumn(line, view_.CaretDocumentColumn(), LineText(line), view_.TabSize());
    view_.SetBlock(anchor_, anchor_);
    dragging_ = true;
    SetCapture(Handle());
    Repaint();
}

void TextWindow::OnMouseMove(WPARAM, LPARAM l) {
    if (dragging_) {
        DragTo(GET_X_LPARAM(l), GET_Y_LPARAM(l));
    }
}

void TextWindow::DragTo(int x, int y) {
    StoreCurrentLine();
    const int lineHeight = std::max(view_.LineHeight(), 1);
    const int column =
        x < view_.LeftMargin() ? 0 : (x - view_.LeftMargin()) / std::max(view_.CharWidth(), 1);
    // The row stays within the window, so a pointer far below it reaches only the bottom row.
    const std::int32_t lastRow = std::min(view_.LineCount() - view_.TopLine(),
                                          std::max(view_.VisibleLines(), 1)) - 1;
    const std::int32_t row = y < 0 ? 0 : std::clamp(y / lineHeight, 0, std::max(lastRow, 0));
    view_.SetCaretRow(row);
    LoadCurrentLine();

    const std::int32_t line = std::min(view_.CaretLine(), view_.LineCount() - 1);
    const std::string text = LineText(line);
    const std::int32_t offset = view_.HorizontalOffset();
    const std::int32_t index = ColumnToIndex(column + offset, text, view_.TabSize());
    // The caret snaps to the start of the character under the pointer, or to the end of the
    // text; never left of the window when the text ends before the horizontal offset.
    view_.SetCaretColumn(std::max(IndexToColumn(index, text, view_.TabSize()) - offset, 0));

    const bool outside = y < 0 || y >= view_.ClientHeight();
    if (outside && autoScroll_ == 0) {
        autoScroll_ = y >= 0 ? 1 : -1;
        SetTimer(Handle(), kAutoScrollTimer, kAutoScrollPeriod, nullptr);
    } else if (!outside && autoScroll_ != 0) {
        StopAutoScroll();
    }

    const TextPos pointer{line, std::min(index, static_cast<std::int32_t>(text.size()))};
    const std::pair<TextPos, TextPos> block = DragBlock(anchor_, pointer);
    view_.SetBlock(block.first, block.second);
    view_.SetBlockShown(true);
    Repaint();
}

void TextWindow::OnTimer(UINT_PTR timerId) {
    if (timerId != kAutoScrollTimer || !dragging_ || autoScroll_ == 0) {
        return;
    }
    const int direction = autoScroll_;
    view_.SuspendPainting();
    ScrollVertical(direction > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    ResumePainting();
    DragTo(view_.CaretColumn() * view_.CharWidth() + view_.LeftMargin(),
           direction > 0 ? kBelowWindow : kAboveWindow);
}

void TextWindow::OnLButtonUp(WPARAM, LPARAM) {
    EndDrag();
}

void TextWindow::EndDrag() {
    if (!dragging_) {
        return;
    }
    // Cleared first: releasing the capture reports the capture change, which ends here too.
    dragging_ = false;
    StopAutoScroll();
    if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
    if (view_.CaretLine() > view_.LineCount() - 1) {
        view_.SetCaretRow(std::max(view_.LineCount() - 1 - view_.TopLine(), 0));
        LoadCurrentLine();
    }
    PlaceCaret();
    ShowCaret(Handle());
}

void TextWindow::StopAutoScroll() {
    if (autoScroll_ != 0) {
        KillTimer(Handle(), kAutoScrollTimer);
        autoScroll_ = 0;
    }
}

} // namespace kestrel
