// The line-by-line search with its one wrap, where the view lands on a match, the identifier
// under the caret, and the go-to line number.
#include "commands/find_commands.h"

#include <algorithm>
#include <limits>

#include "commands/cursor_commands.h"
#include "commands/find_matcher.h"
#include "document/text_columns.h"

namespace kestrel {

std::int64_t ParseLineNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string ValidLineNumbersText(std::int32_t lineCount) {
    return "Valid Line numbers:  1 to " + std::to_string(lineCount);
}

bool IsIdentifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void FindCommands::SetSearchText(std::string_view text) {
    searchText_.assign(text.substr(0, kSearchTextLimit));
}

void FindCommands::WordAtCaret() {
    const std::string_view text = context_.CaretText();
    const std::int32_t index = context_.CaretIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= text.size() ||
        !IsIdentifierChar(text[static_cast<std::size_t>(index)])) {
        searchText_.clear();
        return;
    }
    std::size_t start = static_cast<std::size_t>(index);
    while (start > 0 && IsIdentifierChar(text[start - 1])) {
        --start;
    }
    std::size_t end = start;
    while (end < text.size() && end - start < kSearchTextLimit && IsIdentifierChar(text[end])) {
        ++end;
    }
    searchText_.assign(text.substr(start, end - start));
}

void FindCommands::FindNext() {
    if (!SearchFromCaret()) {
        context_.Host().ShowMessage(kTextNotFound, searchText_);
    }
}

void FindCommands::GoToLine(std::string_view field) {
    const std::int64_t number = ParseLineNumber(field.substr(0, kLineNumberFieldLimit));
    if (number < 1 || number > context_.LineCount()) {
        return;
    }
    CursorCommands cursor(context_);
    cursor.GoToPosition(static_cast<std::int32_t>(number - 1), 0);
}

void FindCommands::WrapTo(std::int32_t line) {
    TextViewState& view = context_.View();
    context_.StoreCurrentLine();
    view.SetTopLine(line);
    view.SetHorizontalOffset(0);
    view.SetCaretRow(0);
    view.SetCaretColumn(0);
    context_.LoadCurrentLine();
}

bool FindCommands::SearchFromCaret() {
    if (searchText_.empty()) {
        return true;
    }
    const FindMatcher matcher(searchText_, matchCase_);
    const LineStore& store = context_.Store();
    TextViewState& view = context_.View();
    const std::int32_t lineCount = context_.LineCount();
    const std::int32_t page = view.PageLines();
    const std::int32_t startLine = view.CaretLine();
    bool wrapped = false;
    for (;;) {
        // One pass: from the caret to an end of the document, or back to the start line.
        const std::int32_t oldOffset = view.HorizontalOffset();
        std::int32_t pageTop = view.TopLine();
        std::int32_t line = view.CaretLine();
        // A caret beyond the end of its line stands at the end. After the upward wrap the caret
        // is at column 0 of the last line, and that line is searched whole.
        std::size_t from = static_cast<std::size_t>(std::clamp(context_.CaretIndex(), 0,
                                                               context_.CaretLength()));
        if (searchUp_ && wrapped) {
            from = FindMatcher::kNotFound;
        }
        for (;;) {
            const std::string_view text = store.LineView(line);
            const std::size_t found =
                searchUp_ ? matcher.FindBackward(text, from) : matcher.FindForward(text, from);
            if (found != FindMatcher::kNotFound) {
                ShowMatch(line, static_cast<std::int32_t>(found),
                          static_cast<std::int32_t>(matcher.Length()), pageTop, oldOffset);
                return true;
            }
            if (wrapped && line == startLine) {
                // Show the caret where the wrap put it, so what is seen is where typing goes.
                view.AdjustLineCount(0);
                context_.Host().SetVerticalScrollPosition(view.TopLine());
                context_.Host().SetHorizontalScrollPosition(view.HorizontalOffset());
                context_.Host().Repaint();
                context_.Host().PlaceCaret();
                return false;
            }
            from = searchUp_ ? FindMatcher::kNotFound : 0;
            line += searchUp_ ? -1 : 1;
            if (line < 0 || line >= lineCount) {
                break;
            }
            // The page follows the line by whole window heights, at least one line each.
            if (!searchUp_ && line >= pageTop + page) {
                pageTop += page;
            } else if (searchUp_ && line < pageTop) {
                pageTop = std::max(0, pageTop - page);
            }
        }
        listener_.OnPassedEnd();
        wrapped = true;
        WrapTo(searchUp_ ? lineCount - 1 : 0);
    }
}

void FindCommands::ShowMatch(std::int32_t line, std::int32_t index, std::int32_t length,
                             std::int32_t pageTop, std::int32_t oldOffset) {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    // Unstored edits of the caret line reach its record before any line is loaded again.
    context_.StoreCurrentLine();
    view.SetBlock(TextPos{line, index}, TextPos{line, index + length});
    view.SetBlockShown(true);

    // Going down the caret stands after the match, going up at its start (which may lie left
    // of the window even when the match's end does not), so "Find next" continues past it.
    const std::string_view text = context_.Store().LineView(line);
    const std::int32_t caretColumn =
        IndexToColumn(searchUp_ ? index : index + length, text, view.TabSize());
    const std::int32_t columns = view.PageColumns();
    std::int32_t offset = view.HorizontalOffset();
    while (caretColumn < offset) {
        offset = std::max(0, offset - columns);
    }
    while (caretColumn > offset + columns) {
        offset += columns;
    }
    view.SetHorizontalOffset(offset);
    view.SetCaretColumn(caretColumn - offset);
    view.SetTopLine(pageTop);
    view.SetCaretRow(line - pageTop);
    context_.LoadCurrentLine();

    view.AdjustLineCount(0);
    host.SetVerticalScrollPosition(view.TopLine());
    if (offset != oldOffset) {
        host.SetHorizontalScrollPosition(offset);
    }
    host.Repaint();
    host.PlaceCaret();
}

} // namespace kestrel
