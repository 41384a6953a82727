// Writes the document's lines out as file bytes: the chosen line ends, optional removal of
// trailing blanks, and output gathered into a bounded buffer rather than one write per line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kestrel {

// The lines to write, read in place: the writer makes no copy of the document.
class LineTextSource {
public:
    virtual std::int32_t LineCount() const = 0;
    // The stored characters of a line, without a line end. A line may hold NUL bytes; they are
    // written like any other byte. The view must stay valid until the next call.
    virtual std::string_view LineText(std::int32_t index) const = 0;

protected:
    ~LineTextSource() = default;
};

// Where the bytes go: a file in the program, memory in tests.
class ByteSink {
public:
    // Writes all `size` bytes, or returns false.
    virtual bool Write(const char* data, std::size_t size) = 0;

protected:
    ~ByteSink() = default;
};

struct WriteOptions {
    bool removeTrailingBlanks = false; // drop spaces and tabs at the end of every line written
    bool unixLineEnds = false;         // LF alone between lines instead of CR LF
};

// Bytes gathered before the sink is called; a longer line is passed on in one piece.
constexpr std::size_t kWriteBufferBytes = 64 * 1024;

// Writes lines first to last (inclusive, clipped to the document) to `sink`. Every line is
// followed by a line end except the document's last line, so a whole document is written as its
// lines joined by line ends, with none after the last. Tabs and every other byte are written as
// stored. Returns true only when the sink took every byte.
bool WriteLines(const LineTextSource& source, std::int32_t first, std::int32_t last,
                const WriteOptions& options, ByteSink& sink);

} // namespace kestrel
