// Replacing the matches of a search by a replacement text without the dialog: within one line,
// through the whole document ("Replace all"), and at the one match the Replace button stands on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "commands/find_matcher.h"
#include "document/line_store.h"

namespace kestrel {

// What "Replace all" did.
struct ReplaceAllResult {
    std::int64_t replaced = 0;     // matches replaced
    std::int64_t skipped = 0;      // matches kept because their replacement would not fit the line
    std::int32_t changedLines = 0; // lines whose text is now different
    // Memory ran out and the pass stopped: the lines before keep their replacements, the line it
    // stopped at and those after are as they were, and the counts cover only what was done.
    bool outOfMemory = false;
};

// How the Replace button's replacement of one match went.
enum class ReplaceAtOutcome : std::int32_t {
    Replaced,    // the match now holds the replacement
    NotAMatch,   // the text at that place is not (or no longer) a match; nothing changed
    TooLong,     // the replacement would not fit the line; the match is kept
    OutOfMemory, // no storage for the new line; nothing changed
};

struct ReplaceAtResult {
    ReplaceAtOutcome outcome = ReplaceAtOutcome::NotAMatch;
    std::int32_t next = 0; // index in the line where the search goes on
};

// Replaces the matches of one matcher by one replacement text under one line limit. Matches
// never span lines. Within a line they are taken leftmost first and the search goes on after the
// inserted text, so a replacement that holds the search text is never searched again and
// overlapping matches give way to the one on their left. A replacement that would make its line
// longer than `limit` characters (a tab counts one) is not made, never cut: the match is kept,
// counted as skipped, and the search goes on after it, so the line's later matches are counted.
// A replacement no longer than its match never grows the line, so it is always made, even in a
// line already longer than the limit. Every byte that is not part of a replaced match (tabs,
// NUL bytes and bytes above 127 included) is kept exactly. An empty search text matches nothing.
class TextReplacer {
public:
    // Neither `matcher` nor `replacement` is copied; both must outlive the replacer. `limit` is
    // the most characters a stored line may hold: the line length setting less one.
    TextReplacer(const FindMatcher& matcher, std::string_view replacement, std::int32_t limit);
    TextReplacer(const TextReplacer&) = delete;
    TextReplacer& operator=(const TextReplacer&) = delete;

    // Replaces the matches in one line's `text`. Afterwards Text() is the new line (`text` itself
    // when no match was replaced), valid until the next call, and Replaced() and Skipped() count
    // this line's matches. False when no room for the new text could be had; nothing is counted
    // then and Text() is `text`.
    bool ReplaceInLine(std::string_view text);
    std::string_view Text() const { return text_; }
    std::int32_t Replaced() const { return replaced_; }
    std::int32_t Skipped() const { return skipped_; }

    // "Replace all": one pass over the document, in which only the lines whose text changes are
    // written, each once, through SetLineText. The caret line's unstored edits are stored first,
    // so they are searched too, and its buffer follows its new text; the caller then brings the
    // caret back within its line and repaints. When the document's storage runs out the store
    // says so and makes the document read only, as for every edit; a line's working copy that
    // cannot be had only sets `outOfMemory`. The caller refuses a read-only document before, as
    // every editing command does.
    ReplaceAllResult ReplaceAll(LineStore& store);

    // The Replace button: replaces the match of `length` characters at `index` in `line` when
    // the text there is a match by the matcher's case rule and the replacement fits the line. The
    // search goes on after the inserted text, after a match that was kept for its length, or at
    // `index` (within the line) when there was no match there. The caret line is stored first,
    // as for ReplaceAll.
    ReplaceAtResult ReplaceMatchAt(LineStore& store, std::int32_t line, std::int32_t index,
                                   std::int32_t length);

private:
    // Makes the scratch buffer hold at least `size` bytes; its old contents need not survive.
    bool Reserve(std::size_t size);
    // True when the replacement of a match in a line now `lineLength` characters long is made.
    bool Fits(std::size_t lineLength) const;
    // Bytes that a line of `lineLength` characters can need once its matches are replaced.
    std::uint64_t RoomFor(std::size_t lineLength) const;
    // Stores the caret line's unstored edits; false when that ran out of memory.
    static bool StoreCaretLine(LineStore& store);

    const FindMatcher& matcher_;
    std::string_view replacement_;
    std::int32_t limit_;
    std::unique_ptr<char[]> scratch_; // where new line texts are built, reused for every line
    std::size_t scratchSize_ = 0;
    std::string_view text_; // the last line's result
    std::int32_t replaced_ = 0;
    std::int32_t skipped_ = 0;
};

// "Replace all" with a replacer of its own, as the dialog calls it.
inline ReplaceAllResult ReplaceAll(LineStore& store, const FindMatcher& matcher,
                                   std::string_view replacement, std::int32_t limit) {
    TextReplacer replacer(matcher, replacement, limit);
    return replacer.ReplaceAll(store);
}

} // namespace kestrel
