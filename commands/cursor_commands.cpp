// The caret-movement commands: horizontal steps inside the caret line, vertical steps and pages
// through the document, and the jumps to a position.
#include "commands/cursor_commands.h"

#include <algorithm>

#include "document/text_columns.h"

namespace kestrel {

namespace {

// The top line that brings `line` into a window of `page` lines by moving `top` a whole number
// of pages: up (never above line 0) while the line is above the window, then down while it is
// below it.
std::int32_t PagedStart(std::int32_t target, std::int32_t start, std::int32_t page) {
    std::int64_t result = start;
    if (target < result) {
        const std::int64_t pages = (result - target + page - 1) / page;
        result = std::max<std::int64_t>(0, result - pages * page);
    }
    if (target >= result + page) {
        result += (target - result) / page * page;
    }
    return static_cast<std::int32_t>(result);
}

} // namespace

// ---- Within the line ------------------------------------------------------------------------

void CursorCommands::ArrowLeft() {
    TextViewState& view = context_.View();
    const std::int32_t documentColumn = view.CaretDocumentColumn();
    if (documentColumn <= 0) {
        return; // never wraps to the line above
    }
    std::int32_t index = context_.CaretIndex();
    if (view.CaretColumn() > 0) {
        view.SetCaretColumn(view.CaretColumn() - 1);
        --index;
    } else {
        // At the left edge of a view scrolled sideways the first press only brings the columns
        // on the left into the window; the caret keeps its place in the document.
        context_.Host().ScrollHorizontal(ScrollCode::PageLeft);
        view.SetCaretColumn(documentColumn - view.HorizontalOffset());
    }
    if (index < context_.CaretLength()) {
        // Inside the text the caret goes to the first column of the character; an index of -1
        // (the caret was inside a tab that starts the line) gives column 0.
        context_.PlaceCaretAtDocumentColumn(
            IndexToColumn(index, context_.CaretText(), view.TabSize()));
    }
    context_.Host().PlaceCaret();
}

void CursorCommands::ArrowRight() {
    TextViewState& view = context_.View();
    const std::int32_t documentColumn = view.CaretDocumentColumn();
    if (documentColumn >= context_.LineLimit() - 1) {
        return;
    }
    const std::int32_t index = context_.CaretIndex();
    if (index < context_.CaretLength() && context_.CaretText()[index] == '\t') {
        const std::int32_t nextStop = NextTabStop(documentColumn, view.TabSize());
        view.SetCaretColumn(nextStop - view.HorizontalOffset());
    } else {
        view.SetCaretColumn(view.CaretColumn() + 1);
    }
    if (view.CaretColumn() > view.VisibleColumns() - 1) {
        const std::int32_t target = view.CaretDocumentColumn();
        context_.Host().ScrollHorizontal(ScrollCode::PageRight);
        view.SetCaretColumn(target - view.HorizontalOffset());
    }
    context_.Host().PlaceCaret();
}

void CursorCommands::BeginningOfLine() {
    context_.Host().ScrollHorizontal(ScrollCode::Left);
    context_.View().SetCaretColumn(0);
    context_.Host().PlaceCaret();
}

void CursorCommands::EndOfLine() {
    TextViewState& view = context_.View();
    const std::int32_t width = context_.CaretLineWidth();
    const std::int32_t offset = view.HorizontalOffset();
    if (width < offset || width >= offset + view.VisibleColumns()) {
        view.SetHorizontalOffset(std::max(0, width - view.VisibleColumns() + 1));
        context_.Host().Repaint();
        context_.Host().SetHorizontalScrollPosition(view.HorizontalOffset());
    }
    view.SetCaretColumn(width - view.HorizontalOffset());
    context_.Host().PlaceCaret();
}

// ---- Line by line and page by page --------------------------------------------------------

void CursorCommands::ArrowDown() {
    if (context_.View().CaretLine() >= context_.LineCount() - 1) {
        return;
    }
    context_.StoreCurrentLine();
    context_.StepCaretDown();
    context_.Host().PlaceCaret();
    context_.LoadCurrentLine();
}

void CursorCommands::ArrowUp() {
    TextViewState& view = context_.View();
    if (view.CaretLine() <= 0) {
        return;
    }
    context_.StoreCurrentLine();
    if (view.CaretRow() > 0) {
        view.SetCaretRow(view.CaretRow() - 1);
    } else if (view.TopLine() > 0) {
        context_.Host().ScrollVertical(ScrollCode::LineUp);
    }
    context_.LoadCurrentLine();
    context_.Host().PlaceCaret();
}

void CursorCommands::PageDown() {
    TextViewState& view = context_.View();
    const std::int32_t lineCount = context_.LineCount();
    // Nothing to page to once the last line is in the window, wherever the caret is.
    if (view.TopLine() + view.VisibleLines() >= lineCount) {
        return;
    }
    context_.StoreCurrentLine();
    context_.Host().ScrollVertical(ScrollCode::PageDown);
    if (view.TopLine() + view.CaretRow() >= lineCount - 1) {
        view.SetCaretRow(lineCount - view.TopLine() - 1);
    }
    context_.LoadCurrentLine();
    context_.Host().PlaceCaret();
}

void CursorCommands::PageUp() {
    TextViewState& view = context_.View();
    if (view.CaretLine() <= 0) {
        return;
    }
    context_.StoreCurrentLine();
    if (view.TopLine() > 0) {
        context_.Host().ScrollVertical(ScrollCode::PageUp);
    } else {
        // On the first page: the start of the window's first row; the offset stays.
        view.SetCaretRow(0);
        view.SetCaretColumn(0);
    }
    context_.LoadCurrentLine();
    context_.Host().PlaceCaret();
}

void CursorCommands::TopOfFile() {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    context_.StoreCurrentLine();
    view.SetHorizontalOffset(0);
    view.SuspendPainting();
    host.ScrollVertical(ScrollCode::Top);
    context_.ResumePainting();
    host.SetVerticalScrollPosition(view.TopLine());
    host.SetHorizontalScrollPosition(0);
    view.SetCaretRow(0);
    view.SetCaretColumn(0);
    context_.LoadCurrentLine();
    host.Repaint();
    host.PlaceCaret();
}

void CursorCommands::BottomOfFile() {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    const std::int32_t lineCount = context_.LineCount();
    context_.StoreCurrentLine();
    // Whole pages forward from where the window stands; it never moves back. The page is at
    // least one line, so a window too small to show a line still ends on the last line.
    const std::int32_t page = view.PageLines();
    std::int32_t top = view.TopLine();
    if (top + page < lineCount) {
        top += (lineCount - 1 - top) / page * page;
    }
    view.SetTopLine(top);
    view.SetHorizontalOffset(0);
    host.SetVerticalScrollPosition(top);
    host.SetHorizontalScrollPosition(0);
    view.SetCaretColumn(0);
    view.SetCaretRow(std::max(0, lineCount - top - 1));
    context_.LoadCurrentLine();
    host.Repaint();
    host.PlaceCaret();
}

// ---- Jumps --------------------------------------------------------------------------------

void CursorCommands::GotoBlockBegin() {
    const TextPos mark = context_.View().BlockBegin();
    GoToPosition(mark.line, mark.index);
}

void CursorCommands::GotoBlockEnd() {
    const TextPos mark = context_.View().BlockEnd();
    GoToPosition(mark.line, mark.index);
}

void CursorCommands::GoToPosition(std::int32_t line, std::int32_t index) {
    MoveCaretTo(line, index, false);
}

void CursorCommands::GoToColumn(std::int32_t line, std::int32_t column) {
    MoveCaretTo(line, column, true);
}

void CursorCommands::MoveCaretTo(std::int32_t line, std::int32_t where, bool isColumn) {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    if (line < 0 || line >= context_.LineCount()) {
        return;
    }
    view.SuspendPainting();
    context_.StoreCurrentLine();
    const std::int32_t oldTop = view.TopLine();
    const std::int32_t oldOffset = view.HorizontalOffset();

    view.SetTopLine(PagedStart(line, oldTop, view.PageLines()));
    view.SetCaretRow(line - view.TopLine());
    context_.LoadCurrentLine();

    // An index beyond the end of the line gives the line's width: the caret goes to its end.
    const std::int32_t column =
        isColumn ? std::max(where, 0) : IndexToColumn(where, context_.CaretText(), view.TabSize());
    view.SetHorizontalOffset(PagedStart(column, oldOffset, view.PageColumns()));
    view.SetCaretColumn(column - view.HorizontalOffset());

    if (view.TopLine() != oldTop || view.HorizontalOffset() != oldOffset) {
        host.Repaint();
        view.AdjustLineCount(0);
        host.SetVerticalScrollPosition(view.TopLine());
        host.SetHorizontalScrollPosition(view.HorizontalOffset());
    }
    context_.ResumePainting();
    host.PlaceCaret();
}

} // namespace kestrel
