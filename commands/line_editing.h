// Typing and line editing on the caret line: the character handler with TypeChar and
// SplitLine, and the commands "Backspace", "Delete char", "Delete line", "Restore line",
// "Toggle insert" and "Toggle window size". The longest-line limit is enforced here and the
// block marks move with the text.
#pragma once

#include <cstdint>
#include <string>

#include "commands/editor_context.h"
#include "document/current_line_buffer.h"

namespace kestrel {

// Texts of the line-joining overflow message: kLineTooLongText, L - 1, kLineWrappedText.
inline constexpr char kLineTooLongText[] = "Line is longer than ";
inline constexpr char kLineWrappedText[] = " characters.\nIt will be wrapped to the next line.";

// Appends `rest` to `line` while the line's display width (tab stops every `tabSize` columns)
// is below the line's limit, Size() - 1; from the first character that finds the width at the
// limit, what is left stays in `rest`, which is empty when everything fitted. Never writes past
// the buffer. Returns true when anything was appended.
bool JoinText(CurrentLineBuffer& line, std::string& rest, std::int32_t tabSize);

class LineEditing {
public:
    explicit LineEditing(EditorContext& context) : context_(context) {}

    // The setting `indent`: a line opened by Enter at the end of a line starts with the blanks
    // that begin the line above.
    void SetAutoIndent(bool on) { autoIndent_ = on; }
    bool AutoIndent() const { return autoIndent_; }

    // A character message: codes 32 to 126 and tab are typed, carriage return splits the line,
    // every other code is ignored.
    void HandleCharacter(std::uint32_t code);

    // Types one character at the caret (any code but 0, control characters included), padding
    // the line with spaces when the caret stands beyond its end. Beeps and changes nothing in a
    // read-only document, at document column L - 1, or in insert mode on a line already L - 1
    // columns wide.
    void TypeChar(char character);
    // Enter. Insert mode splits the line at the caret and puts the caret at the start of the
    // new line (indented when auto indent is on and the new line is empty); overwrite mode only
    // moves to the start of the next line. When the line table cannot grow the line stays whole
    // and "Out of memory" is shown.
    void SplitLine();

    // "Backspace": deletes the character before the caret, steps left beyond the end of the
    // line, and at the start of a line joins it to the line above as far as the limit allows.
    void Backspace();
    // "Delete char": deletes the character at the caret; never joins the next line.
    void DeleteChar();
    // "Delete line": removes the caret line (the last line is only emptied); the document is
    // marked modified at once.
    void DeleteLine();
    // "Restore line": the caret line's text as it was last stored; caret to the window's left.
    void RestoreLine();
    // "Toggle insert": flips between insert and overwrite mode and reshapes the caret.
    void ToggleInsert();
    // "Toggle window size": maximises the main frame, or restores it from maximised.
    void ToggleWindowSize();

private:
    // Enter in insert mode; false when the line could not be split.
    bool SplitInsert();
    // Backspace at the start of the caret line: the join with the line above.
    void JoinWithPreviousLine();
    // Pages left when the caret reached the window's left edge of a view scrolled sideways, so
    // that the caret keeps its document column.
    void ScrollLeftAtEdge();
    // Writes the caret line back; false when the store ran out of memory, which made the
    // document read only and left the line as it was last stored.
    bool StoreLine();

    EditorContext& context_;
    bool autoIndent_ = false;
};

} // namespace kestrel
