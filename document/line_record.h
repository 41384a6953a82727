// One line of the document as the line table holds it: where its text lies and how long it is.
#pragma once

#include <cstdint>

namespace kestrel {

// Packed to 4-byte alignment: where pointers are 8 bytes a record is then 12 bytes instead of
// 16, a quarter less memory for the line table of a large file; where they are 4 bytes it
// changes nothing.
#pragma pack(push, 4)
struct LineRecord {
    // First character of the line, not NUL-terminated: it points into the file buffer, into the
    // text arena, or, for a line of length 0, anywhere (it is never read then).
    char* text;
    // Stored characters; a tab counts as one, line ends are never stored.
    std::int32_t length;
};
#pragma pack(pop)

static_assert(sizeof(LineRecord) == sizeof(char*) + sizeof(std::int32_t),
              "a line record has no padding");

} // namespace kestrel
