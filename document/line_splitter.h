// Turns the bytes of a file, exactly as read, into line records: line ends, the line-length limit
// and the line-end style of the file. Knows nothing of windows or of how lines are stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestrel {

// Receives the lines of a split, in order. `text` points into the data being split and is not
// NUL-terminated; `length` never counts a line end. For an empty line `text` may point at a line
// end or just past the data and must not be read. Returns false when the line cannot be kept
// (out of memory), which ends the split.
class LineSink {
public:
    virtual bool AddLine(const char* text, std::int32_t length) = 0;

protected:
    ~LineSink() = default;
};

struct SplitResult {
    bool complete = true;       // false when the sink refused a line; the load has failed
    std::int32_t lineCount = 0; // lines the sink accepted; at least 1 after a complete split
    std::int32_t cutLines = 0;  // lines cut at the limit; the load warning is due when > 0
};

// Splits `size` bytes at `data` into lines. Recognised line ends are CR LF, LF and a lone CR, and
// a CR at the start of a line is skipped, so CR CR ends one line. A line is cut once it holds
// lineLength - 1 characters or reaches lineLength - 1 display columns (tab stops every tabSize
// columns), unless a line end or the end of the data follows at once; the rest of it starts the
// next line. Bytes at or beyond data + size are never read. An empty buffer gives one empty line.
// lineLength below 2 or tabSize below 1 are taken as 2 and 1.
SplitResult SplitBuffer(const char* data, std::size_t size, std::int32_t lineLength,
                        std::int32_t tabSize, LineSink& sink);

// The line-end style of a file: true (Unix mode, LF alone) when the data up to its fifth LF holds
// at least one LF and no CR. A file without any LF is DOS text.
bool DetectUnixMode(const char* data, std::size_t size);

// The number of LF bytes in `size` bytes at `data`.
std::size_t CountLineFeeds(const char* data, std::size_t size);

// The warning shown once after a load that cut lines, naming the longest line kept.
std::string LinesCutWarning(std::int32_t lineLength);

} // namespace kestrel
