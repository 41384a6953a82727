// Walks the document's lines for printing; a document without lines prints one empty row.
#include "print/document_lines.h"

namespace kestrel {

std::string_view DocumentLines::First(bool& last) {
    line_ = 0;
    last = store_.LineCount() <= 1;
    return store_.LineCount() > 0 ? store_.LineView(0) : std::string_view();
}

std::string_view DocumentLines::Next(bool& last) {
    ++line_;
    last = line_ + 1 >= store_.LineCount();
    return store_.LineView(line_);
}

} // namespace kestrel
