// The block iterator and the block's clipboard text.
#include "document/block_iterator.h"

#include <algorithm>
#include <cstring>

namespace kestrel {

std::string_view BlockIterator::LineSlice(std::int32_t line, std::int32_t from,
                                          std::int32_t to) const {
    std::string_view text = store_.LineView(line);
    const std::size_t start = std::min(static_cast<std::size_t>(std::max(from, 0)), text.size());
    const std::size_t stop =
        std::clamp(static_cast<std::size_t>(std::max(to, 0)), start, text.size());
    return text.substr(start, stop - start);
}

bool BlockIterator::BlockFirst(bool wholeDocument) {
    hasRange_ = false;
    segment_ = {};
    if (wholeDocument && store_.LineCount() > 0) {
        from_ = {0, 0};
        to_ = {store_.LineCount() - 1, store_.GetLineLength(store_.LineCount() - 1)};
    } else if (!wholeDocument && shown_ && HasBlock(begin_, end_, store_)) {
        from_ = begin_;
        to_ = end_;
    } else {
        return true;
    }
    hasRange_ = true;
    line_ = from_.line;
    const bool oneLine = from_.line == to_.line;
    segment_ = LineSlice(line_, from_.index,
                         oneLine ? to_.index : store_.GetLineLength(line_));
    return oneLine;
}

bool BlockIterator::BlockNext() {
    if (!hasRange_ || line_ >= to_.line) {
        return true;
    }
    ++line_;
    const bool last = line_ == to_.line;
    segment_ = LineSlice(line_, 0, last ? to_.index : store_.GetLineLength(line_));
    return last;
}

std::size_t BlockTextLength(BlockIterator& block) {
    bool last = block.BlockFirst(false);
    std::size_t length = block.Segment().size();
    while (!last) {
        last = block.BlockNext();
        length += 2 + block.Segment().size();
    }
    return length;
}

void CopyBlockText(BlockIterator& block, char* out) {
    bool last = block.BlockFirst(false);
    for (;;) {
        const std::string_view segment = block.Segment();
        if (!segment.empty()) {
            std::memcpy(out, segment.data(), segment.size());
        }
        out += segment.size();
        if (last) {
            break;
        }
        *out++ = '\r';
        *out++ = '\n';
        last = block.BlockNext();
    }
    *out = '\0';
}

} // namespace kestrel
