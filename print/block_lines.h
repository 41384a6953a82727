// The text to print, walked by the block iterator: the whole document, or the marked block with
// its first and last lines cut at the marks. Each line is fetched once.
#pragma once

#include "document/block_iterator.h"
#include "print/page_layout.h"

namespace kestrel {

class BlockLines : public PrintSource {
public:
    BlockLines(BlockIterator& block, bool wholeDocument)
        : block_(block), wholeDocument_(wholeDocument) {}

    std::string_view First(bool& last) override {
        last = block_.BlockFirst(wholeDocument_);
        return block_.Segment();
    }
    std::string_view Next(bool& last) override {
        last = block_.BlockNext();
        return block_.Segment();
    }

private:
    BlockIterator& block_;
    bool wholeDocument_;
};

} // namespace kestrel
