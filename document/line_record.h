// One line of the document as the line table holds it: where its text lies and how long it is.
#pragma once

#include <cstdint>

namespace kestrel {

struct LineRecord {
    // First character of the line, not NUL-terminated: it points into the file buffer, into the
    // text arena, or, for a line of length 0, anywhere (it is never read then).
    char* text;
    // Stored characters; a tab counts as one, line ends are never stored.
    std::int32_t length;
};

} // namespace kestrel
