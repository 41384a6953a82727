// Typing and line editing: every change is made in the caret line's buffer, bounded by its
// size, and the block marks are moved to stay on the same text.
#include "commands/line_editing.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "document/text_columns.h"

namespace kestrel {

namespace {

// Applies `move` to both block marks. `move` gets the mark and whether it is the begin mark.
template <typename Move>
void MoveMarks(TextViewState& view, Move move) {
    TextPos begin = view.BlockBegin();
    TextPos end = view.BlockEnd();
    move(begin, true);
    move(end, false);
    view.SetBlock(begin, end);
}

// The spaces and tabs that begin `text`.
std::string_view LeadingBlanks(std::string_view text) {
    const std::size_t end = text.find_first_not_of(" \t");
    return text.substr(0, end == std::string_view::npos ? text.size() : end);
}

} // namespace

bool JoinText(CurrentLineBuffer& line, std::string& rest, std::int32_t tabSize) {
    const std::int32_t limit = line.Capacity();
    std::int32_t width = IndexToColumn(line.Length(), line.View(), tabSize);
    std::size_t used = 0;
    // The width test is the limit the user sees; Append refuses what the buffer cannot hold,
    // whatever the width.
    while (used < rest.size() && width < limit && line.Append(rest[used])) {
        width = rest[used] == '\t' ? NextTabStop(width, tabSize) : width + 1;
        ++used;
    }
    rest.erase(0, used);
    return used > 0;
}

// ---- Characters -----------------------------------------------------------------------------

void LineEditing::HandleCharacter(std::uint32_t code) {
    if ((code >= 32 && code <= 126) || code == '\t') {
        TypeChar(static_cast<char>(code));
    } else if (code == '\r') {
        SplitLine();
    }
}

void LineEditing::TypeChar(char character) {
    if (character == '\0') {
        return; // no key types a NUL; a NUL read from a file is kept, never typed
    }
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    CurrentLineBuffer& line = context_.Store().CurrentLine();
    const std::int32_t limit = context_.LineLimit() - 1;
    const bool overwrite = context_.OverwriteMode();
    if (context_.ReadOnly() || view.CaretDocumentColumn() >= limit ||
        (!overwrite && context_.CaretLineWidth() >= limit)) {
        host.Beep();
        return;
    }
    const std::int32_t index = context_.CaretIndex();
    const std::int32_t length = line.Length();
    const bool padded = length < index;
    const bool replaces = overwrite && !padded && index < length;
    // The limits above already keep the line within its buffer; this makes sure of it.
    if (std::max(index, length) + (replaces ? 0 : 1) > line.Size() - 1) {
        host.Beep();
        return;
    }
    line.PadTo(index);
    if (replaces) {
        line.ReplaceAt(index, character);
    } else {
        line.InsertAt(index, character);
    }
    view.SetCaretColumn(IndexToColumn(index + 1, line.View(), view.TabSize()) -
                        view.HorizontalOffset());
    if (!overwrite) {
        // A character typed at the block's begin or at its end falls outside the block.
        const std::int32_t caretLine = view.CaretLine();
        MoveMarks(view, [&](TextPos& mark, bool isBegin) {
            if (mark.line == caretLine &&
                (isBegin ? mark.index >= index : mark.index > index)) {
                ++mark.index;
            }
        });
    }
    context_.Store().Flags().currentLineChanged = true;
    if (view.CaretColumn() > view.VisibleColumns()) {
        const std::int32_t column = view.CaretDocumentColumn();
        view.SuspendPainting();
        host.ScrollHorizontal(ScrollCode::PageRight);
        view.SetCaretColumn(column - view.HorizontalOffset());
        context_.ResumePainting();
        host.SetHorizontalScrollPosition(view.HorizontalOffset());
    }
    host.Repaint();
    host.PlaceCaret();
}

// ---- Enter ----------------------------------------------------------------------------------

void LineEditing::SplitLine() {
    if (context_.ReadOnly()) {
        return;
    }
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    view.SuspendPainting();
    if (context_.OverwriteMode()) {
        // Overwrite mode only moves to the start of the next line; the text never changes.
        view.SetCaretColumn(0);
        if (view.CaretLine() < context_.LineCount() - 1) {
            const std::int32_t top = view.TopLine();
            context_.StoreCurrentLine();
            context_.StepCaretDown();
            context_.LoadCurrentLine();
            if (view.TopLine() != top) {
                host.SetVerticalScrollPosition(view.TopLine());
            }
        }
    } else if (!SplitInsert()) {
        context_.ResumePainting();
        host.PlaceCaret();
        return;
    }
    // A scroll made while painting was suspended drew nothing, so ask for the one repaint here.
    host.Repaint();
    host.ScrollHorizontal(ScrollCode::Left);
    context_.ResumePainting();
    host.SetHorizontalScrollPosition(view.HorizontalOffset());
    host.PlaceCaret();
}

bool LineEditing::SplitInsert() {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    LineStore& store = context_.Store();
    const std::int32_t line = view.CaretLine();
    // A caret beyond the end of the line splits at the end.
    const std::int32_t split = std::min(context_.CaretIndex(), context_.CaretLength());

    // The whole line is stored first, then the part after the caret gets storage of its own,
    // and only then is the line cut: the cut itself needs no memory (it shortens a stored text
    // in place), so running out at any step leaves every character of the line in the document.
    if (!StoreLine()) {
        return false;
    }
    if (!store.InsertLines(line + 1, 1)) {
        host.ShowMessage(kOutOfMemoryText, "");
        return false;
    }
    CurrentLineBuffer& buffer = store.CurrentLine();
    const std::string text(buffer.View());
    if (!store.SetLineText(line + 1, std::string_view(text).substr(static_cast<std::size_t>(split)))) {
        // The store reported it; the line is still whole, so take the new line back.
        store.DeleteLines(line + 1, 1);
        return false;
    }
    buffer.Truncate(split);
    store.Flags().currentLineChanged = true;
    StoreLine();

    MoveMarks(view, [&](TextPos& mark, bool) {
        if (mark.line > line) {
            ++mark.line;
        } else if (mark.line == line && mark.index >= split) {
            ++mark.line;
            mark.index -= split;
        }
    });
    view.SetCaretColumn(0);
    view.SetHorizontalOffset(0);
    std::string_view newText = std::string_view(text).substr(static_cast<std::size_t>(split));
    const bool indents = autoIndent_ && newText.empty();
    if (indents) {
        // Only a line opened at the end is indented; a split inside the text never is.
        newText = LeadingBlanks(std::string_view(text).substr(0, static_cast<std::size_t>(split)));
        view.SetCaretColumn(IndexToColumn(static_cast<std::int32_t>(newText.size()), newText,
                                          view.TabSize()));
    }
    if (view.CaretRow() >= view.VisibleLines() - 1) {
        view.SetTopLine(view.TopLine() + 1);
        host.SetVerticalScrollPosition(view.TopLine());
    } else {
        view.SetCaretRow(view.CaretRow() + 1);
    }
    store.SetCaretLine(view.CaretLine());
    buffer.Assign(newText);
    // The new line already holds its text; only an indent is new.
    store.Flags().currentLineChanged = indents;
    store.StoreCurrentLine();
    return true;
}

// ---- Deleting -------------------------------------------------------------------------------

void LineEditing::Backspace() {
    if (context_.ReadOnly()) {
        return;
    }
    TextViewState& view = context_.View();
    const std::int32_t index = context_.CaretIndex();
    if (index > context_.CaretLength()) {
        // Beyond the end of the line there is nothing to delete; the caret only steps left.
        view.SetCaretColumn(view.CaretColumn() - 1);
    } else if (index >= 1) {
        CurrentLineBuffer& line = context_.Store().CurrentLine();
        line.EraseAt(index - 1);
        view.SetCaretColumn(IndexToColumn(index - 1, line.View(), view.TabSize()) -
                            view.HorizontalOffset());
        context_.Store().Flags().currentLineChanged = true;
        const std::int32_t caretLine = view.CaretLine();
        MoveMarks(view, [&](TextPos& mark, bool) {
            if (mark.line == caretLine && mark.index >= index) {
                --mark.index;
            }
        });
    } else if (view.CaretLine() > 0) {
        JoinWithPreviousLine();
    } else {
        return; // the start of the document
    }
    ScrollLeftAtEdge();
    context_.Host().Repaint();
    context_.Host().PlaceCaret();
}

void LineEditing::JoinWithPreviousLine() {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    LineStore& store = context_.Store();
    const std::int32_t joined = view.CaretLine();
    const std::int32_t previous = joined - 1;
    std::string rest(context_.CaretText());
    if (!StoreLine()) {
        return;
    }
    if (view.CaretRow() > 0) {
        view.SetCaretRow(view.CaretRow() - 1);
    } else {
        view.SetTopLine(view.TopLine() - 1);
        host.SetVerticalScrollPosition(view.TopLine());
    }
    context_.LoadCurrentLine();
    const std::int32_t joinIndex = context_.CaretLength();
    const std::int32_t joinColumn = context_.CaretLineWidth();
    view.SetCaretColumn(joinColumn - view.HorizontalOffset());

    JoinText(store.CurrentLine(), rest, view.TabSize());
    store.Flags().currentLineChanged = true;
    // The line above is stored before the joined line goes: if that store fails, the joined
    // line still holds all of its text.
    if (!StoreLine()) {
        return;
    }
    if (rest.empty()) {
        MoveMarks(view, [&](TextPos& mark, bool) {
            if (mark.line > joined) {
                --mark.line;
            } else if (mark.line == joined) {
                mark.line = previous;
                mark.index += joinIndex;
            }
        });
        store.DeleteLines(joined, 1);
    } else {
        // What did not fit stays on the joined line, which remains a line of its own.
        store.SetCaretLine(joined);
        store.CurrentLine().Assign(rest);
        store.Flags().currentLineChanged = true;
        store.StoreCurrentLine();
        context_.LoadCurrentLine();
        host.ShowMessage(kLineTooLongText + std::to_string(context_.LineLimit() - 1) +
                             kLineWrappedText,
                         "");
    }

    // Bring the join point into the window.
    const std::int32_t offset = view.HorizontalOffset();
    if (joinColumn < offset || joinColumn >= offset + view.VisibleColumns()) {
        view.SetHorizontalOffset(std::max(0, joinColumn - view.VisibleColumns() + 1));
        host.SetHorizontalScrollPosition(view.HorizontalOffset());
    }
    view.SetCaretColumn(joinColumn - view.HorizontalOffset());
}

void LineEditing::ScrollLeftAtEdge() {
    TextViewState& view = context_.View();
    if (view.CaretColumn() > 0 || view.HorizontalOffset() <= 0) {
        return;
    }
    EditorHost& host = context_.Host();
    const std::int32_t column = view.CaretDocumentColumn();
    view.SuspendPainting();
    host.ScrollHorizontal(ScrollCode::PageLeft);
    context_.ResumePainting();
    host.SetHorizontalScrollPosition(view.HorizontalOffset());
    context_.PlaceCaretAtDocumentColumn(column);
}

void LineEditing::DeleteChar() {
    if (context_.ReadOnly()) {
        return;
    }
    const std::int32_t index = context_.CaretIndex();
    if (index >= context_.CaretLength()) {
        return; // never joins the next line
    }
    TextViewState& view = context_.View();
    context_.Store().CurrentLine().EraseAt(index);
    const std::int32_t caretLine = view.CaretLine();
    MoveMarks(view, [&](TextPos& mark, bool) {
        if (mark.line == caretLine && mark.index > index) {
            --mark.index;
        }
    });
    context_.Host().Repaint();
    context_.Store().Flags().currentLineChanged = true;
}

void LineEditing::DeleteLine() {
    if (context_.ReadOnly()) {
        return;
    }
    TextViewState& view = context_.View();
    LineStore& store = context_.Store();
    const std::int32_t line = view.CaretLine();
    if (line < context_.LineCount() - 1) {
        TextPos begin = view.BlockBegin();
        TextPos end = view.BlockEnd();
        const bool beginOnLine = begin.line == line;
        // A mark on the deleted line now means the start of the line that moves up into its
        // place; marks below move up with their text.
        if (beginOnLine) {
            begin.index = 0;
        } else if (begin.line > line) {
            --begin.line;
        }
        if (end.line == line) {
            end.index = 0;
        } else if (end.line > line) {
            if (beginOnLine && end.line == line + 1) {
                end.index = 0;
            }
            --end.line;
        }
        view.SetBlock(begin, end);
        // Unstored changes of the deleted line are discarded, never written over the next one.
        store.Flags().currentLineChanged = false;
        store.DeleteLines(line, 1);
        context_.LoadCurrentLine();
    } else {
        if (context_.CaretLength() == 0) {
            // An empty last line: the caret goes to its start, and nothing is modified.
            view.SetCaretColumn(0);
            context_.Host().PlaceCaret();
            context_.Host().Repaint();
            return;
        }
        // The last line is only emptied, so the document keeps at least one line.
        store.CurrentLine().Clear();
        store.Flags().currentLineChanged = true;
        view.SetCaretColumn(0);
        context_.Host().PlaceCaret();
    }
    context_.Host().Repaint();
    store.OnLineChanged();
}

// ---- The caret line and the window -----------------------------------------------------------

void LineEditing::RestoreLine() {
    context_.Store().RestoreCurrentLine();
    context_.Host().Repaint();
    context_.View().SetCaretColumn(0);
    context_.Host().PlaceCaret();
}

void LineEditing::ToggleInsert() {
    DocumentFlags& flags = context_.Store().Flags();
    flags.overwriteMode = !flags.overwriteMode;
    context_.Host().RecreateCaret();
}

void LineEditing::ToggleWindowSize() { context_.Host().ToggleWindowSize(); }

bool LineEditing::StoreLine() {
    context_.StoreCurrentLine();
    return !context_.ReadOnly();
}

} // namespace kestrel
