// The marked block from the keyboard: "Mark begin", "Mark end", "Hide block", "Delete block",
// and InsertText, through which pasted, read and stamped text enters the document and becomes
// the block. Window-free; the clipboard and the files stay with the window.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

#include "commands/editor_context.h"
#include "document/text_arena.h"
#include "document/text_pos.h"

namespace kestrel {

// The position a document column of `text` (line `line`) marks: the character under the column,
// or the end of the text for a column beyond it.
TextPos MarkAtColumn(std::int32_t line, std::int32_t documentColumn, std::string_view text,
                     std::int32_t tabSize);

// The block a mouse drag makes from its anchor to the pointer's position: begin and end in
// document order, whichever way the drag went.
std::pair<TextPos, TextPos> DragBlock(TextPos anchor, TextPos pointer);

// Text on its way into the document: its bytes with every carriage return left out, copied once
// into large storage of the document's arena. The lines an insertion adds point into that
// storage; when none does (the text joined the caret line, or the insertion failed) it goes back
// to the arena as this is destroyed, so nothing is held until the next load for it.
class InsertionText {
public:
    InsertionText(TextArena& arena, std::string_view text);
    InsertionText(const InsertionText&) = delete;
    InsertionText& operator=(const InsertionText&) = delete;
    ~InsertionText();

    // False when the storage could not be had.
    bool Ready() const { return storage_ != nullptr; }
    std::string_view Text() const { return {storage_, size_}; }
    // Lines of the document now point into the storage: it stays until the next load.
    void Keep() { kept_ = true; }

private:
    TextArena& arena_;
    char* storage_ = nullptr;
    std::size_t size_ = 0;
    bool kept_ = false;
};

class BlockCommands {
public:
    explicit BlockCommands(EditorContext& context) : context_(context) {}

    // Drop a mark at the caret (a caret beyond the end of its line marks the end); the block is
    // shown exactly when the marks now make a valid block.
    void MarkBegin();
    void MarkEnd();
    // Flips the shown flag, valid block or not.
    void HideBlock();
    // True when the block is shown and its marks are valid: what Copy, Cut and Block write need.
    bool HasShownBlock() const;
    // Removes the block's text in a writable document: on one line the characters between the
    // marks; across lines the begin line keeps its head and the end line its tail, as two
    // lines, and every line between goes. The block becomes empty at its begin mark.
    void DeleteBlock();
    // Inserts `text` at the caret (the caller checks that the document is writable). Carriage
    // returns vanish; line feeds start new lines, and a line too long for the limit is cut as
    // loading cuts it, with the same warning. The first line joins the caret line when it fits
    // there, the rest of the caret line then following the inserted text as a line of its own;
    // otherwise all of the text goes on new lines below. The inserted text becomes the shown
    // block, and the caret and the view stay where they were. All new lines are opened with one
    // move of the line records. When the first line does not fit, the caret line is stored as
    // it stands first, so nothing typed on it is lost. False, with the document as it was
    // (the caret line's own edits stored) and "Out of memory" shown, when memory runs out.
    bool InsertText(std::string_view text);
    // The same for text already copied (Paste copies while the clipboard is open, and shows
    // nothing before it is closed again).
    bool InsertText(InsertionText& text);

private:
    enum class InsertResult { Inserted, OutOfMemory, StoreFailed };

    // The caret as a mark: its line, and its index clamped to the line's length.
    TextPos CaretMark() const;
    // InsertText's work, with painting suspended; `cutLines` counts lines cut at the limit.
    // Every allocation it makes comes before its first change to the document.
    InsertResult InsertLinesOf(InsertionText& text, std::int32_t& cutLines);
    // Keeps the caret within a document that lost lines, the view's top line included.
    void KeepCaretInDocument();

    EditorContext& context_;
};

} // namespace kestrel
