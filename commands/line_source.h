// Where the text view reads the document's lines: by index, copied into a buffer of its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrel {

class LineSource {
public:
    // Copies line `line` into `buffer` of `size` bytes (size >= 1): at most size - 1 characters,
    // then a NUL, so a line longer than the buffer arrives cut. The caret line is read from its
    // edit buffer. Returns the characters copied.
    virtual std::int32_t GetLineText(std::int32_t line, char* buffer, std::size_t size) const = 0;
    // Stored length of the line in characters (a tab counts one).
    virtual std::int32_t GetLineLength(std::int32_t line) const = 0;

protected:
    ~LineSource() = default;
};

} // namespace kestrel
