// "Find text", "Find next" and "Goto line #" without their dialogs: the search text and its
// options, the search from the caret with one wrap around the document, the identifier under the
// caret, and the line number typed into the go-to field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/editor_context.h"

namespace kestrel {

// Longest search text: what the Find dialog's field takes.
inline constexpr std::size_t kSearchTextLimit = 38;
// Longest text of the go-to field.
inline constexpr std::size_t kLineNumberFieldLimit = 19;
inline constexpr char kTextNotFound[] = "Text not found";

// Told when a search runs past an end of the document and goes on from the other end.
class PassedEndListener {
public:
    virtual void OnPassedEnd() = 0;

protected:
    ~PassedEndListener() = default;
};

// A decimal number as the go-to field is read: leading blanks, an optional sign, then digits up
// to the first other character; no digits read as 0. Beyond the range of the result it saturates,
// so a long number is out of any document's range rather than wrapped into it.
std::int64_t ParseLineNumber(std::string_view text);

// What the Go to Line dialog shows above its field: the valid range for `lineCount` lines.
std::string ValidLineNumbersText(std::int32_t lineCount);

// True for the characters an identifier is made of: letters, digits and "_".
bool IsIdentifierChar(char c);

class FindCommands {
public:
    FindCommands(EditorContext& context, PassedEndListener& listener)
        : context_(context), listener_(listener) {}

    const std::string& SearchText() const { return searchText_; }
    // Cut to kSearchTextLimit characters.
    void SetSearchText(std::string_view text);
    bool MatchCase() const { return matchCase_; }
    void SetMatchCase(bool matchCase) { matchCase_ = matchCase; }
    bool SearchUp() const { return searchUp_; }
    void SetSearchUp(bool searchUp) { searchUp_ = searchUp; }

    // The search text becomes the identifier under the caret (at most kSearchTextLimit of its
    // characters from its start), or empty when the caret is not on one.
    void WordAtCaret();

    // Searches from the caret in the chosen direction, wrapping once past the end (or the start)
    // of the document. A match becomes the shown block, the view moving by whole pages until it
    // shows; the caret stands after it going down and at its start going up. True when found or
    // when the search text is empty; false when the whole document was searched in vain, the
    // caret then left at column 0 of line 0 (down) or of the last line (up) and shown there.
    bool SearchFromCaret();

    // "Find next" and the Find dialog's OK: search, and say "Text not found" when it fails.
    void FindNext();

    // The go-to field's OK: the caret to column 0 of that line (counted from 1); a number
    // outside the document does nothing.
    void GoToLine(std::string_view field);

private:
    // Makes the match at `index` of `line` the block and brings it into view; `pageTop` is the
    // top line the search moved to, `oldOffset` the horizontal offset when its pass began.
    void ShowMatch(std::int32_t line, std::int32_t index, std::int32_t length,
                   std::int32_t pageTop, std::int32_t oldOffset);
    // Moves the caret to column 0 of `line`, which becomes the top line, for the next pass.
    void WrapTo(std::int32_t line);

    EditorContext& context_;
    PassedEndListener& listener_;
    std::string searchText_; // empty at start-up: "Find next" then does nothing
    bool matchCase_ = false;
    bool searchUp_ = false;
};

} // namespace kestrel
