// The caret-movement commands and the shared positioning step. The caret may stand beyond the
// end of its line; vertical moves keep its document column; leaving a line stores it and
// arriving on one loads it. None of them changes text or block marks.
#pragma once

#include <cstdint>

#include "commands/editor_context.h"

namespace kestrel {

class CursorCommands {
public:
    explicit CursorCommands(EditorContext& context) : context_(context) {}

    // "Arrow left": one column left, to the start of the previous character inside the text;
    // at the window's left edge the first press only scrolls one tab width left.
    void ArrowLeft();
    // "Arrow right": one column right, or to the next tab stop over a tab; stops at document
    // column L - 1 and never wraps.
    void ArrowRight();
    // "Arrow down" and "Arrow up": one line, keeping the caret's column.
    void ArrowDown();
    void ArrowUp();
    // "Page up" and "Page down": one window height, the caret keeping its row.
    void PageUp();
    void PageDown();
    // "Top of file": line 0, column 0. "Bottom of file": last line, column 0, the window
    // advancing by whole pages from where it stands.
    void TopOfFile();
    void BottomOfFile();
    // "Beginning of line": column 0, the view scrolled fully left. "End of line": just after the
    // last character, scrolling sideways when that is outside the window.
    void BeginningOfLine();
    void EndOfLine();
    // "Goto block begin" and "Goto block end": the stored mark, whether or not the block is
    // shown or valid.
    void GotoBlockBegin();
    void GotoBlockEnd();

    // Puts the caret on `line` (0-based) at character `index` (beyond the end: the end of the
    // line), moving the window by whole pages and whole window widths until both show. A line
    // outside the document is ignored.
    void GoToPosition(std::int32_t line, std::int32_t index);
    // The same for a document column of the line, which may lie beyond its end.
    void GoToColumn(std::int32_t line, std::int32_t column);

private:
    void MoveCaretTo(std::int32_t line, std::int32_t where, bool isColumn);

    EditorContext& context_;
};

} // namespace kestrel
