// A position in the document by stored characters, as the block marks and the mouse anchor use.
#pragma once

#include <cstdint>

namespace kestrel {

struct TextPos {
    std::int32_t line = 0;  // line index, 0-based
    std::int32_t index = 0; // character index within the stored text, 0-based, a tab counts one

    friend bool operator==(const TextPos& a, const TextPos& b) {
        return a.line == b.line && a.index == b.index;
    }
    friend bool operator!=(const TextPos& a, const TextPos& b) { return !(a == b); }
};

} // namespace kestrel
