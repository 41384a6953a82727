// Walks a range of the document line by line: the marked block for copying, cutting, writing and
// printing a block, or the whole document for printing it. Window-free; reads lines in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/line_store.h"
#include "document/text_pos.h"

namespace kestrel {

class BlockIterator {
public:
    // `begin` and `end` are the block marks (end exclusive) and `shown` the block's shown flag.
    BlockIterator(const LineStore& store, TextPos begin, TextPos end, bool shown)
        : store_(store), begin_(begin), end_(end), shown_(shown) {}

    // Starts the walk: over the whole document when `wholeDocument` is set, else over the
    // block when it is shown and valid, else over nothing (an empty segment). The first
    // segment is the begin line from the begin index up to the end index (same line) or the
    // line's end. Returns true when it is also the last one.
    bool BlockFirst(bool wholeDocument);
    // Moves to the next line: the whole line, or up to the end index on the end line. Returns
    // true when that is the last segment. Past the last one it stays there.
    bool BlockNext();
    // The current segment, valid until the document changes.
    std::string_view Segment() const { return segment_; }
    // True when BlockFirst found something to walk.
    bool HasRange() const { return hasRange_; }

private:
    std::string_view LineSlice(std::int32_t line, std::int32_t from, std::int32_t to) const;

    const LineStore& store_;
    TextPos begin_;
    TextPos end_;
    bool shown_;
    TextPos from_{};  // the range being walked
    TextPos to_{};
    std::int32_t line_ = 0;
    bool hasRange_ = false;
    std::string_view segment_;
};

// The block as clipboard text: segments joined by CR LF, none after the last, tabs as they are.
// BlockTextLength gives its length (without a terminator); CopyBlockText writes exactly that
// many bytes followed by a NUL, so `out` needs BlockTextLength + 1 bytes. Each walks the block
// once and copies nothing else.
std::size_t BlockTextLength(BlockIterator& block);
void CopyBlockText(BlockIterator& block, char* out);

} // namespace kestrel
