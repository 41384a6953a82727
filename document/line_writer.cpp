// Line writing: lines and their line ends gathered into one bounded buffer and passed to a sink.
#include "document/line_writer.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kestrel {

namespace {

// Collects output and hands it to the sink in pieces of at most kWriteBufferBytes. Once the sink
// has failed, everything else is dropped and the failure is kept.
class WriteBuffer {
public:
    explicit WriteBuffer(ByteSink& sink) : sink_(sink), bytes_(kWriteBufferBytes) {}

    void Append(const char* data, std::size_t size) {
        if (size > bytes_.size() - used_) {
            Flush();
            if (size > bytes_.size()) {
                // Too big to gather: written straight from where it is stored.
                Pass(data, size);
                return;
            }
        }
        if (size > 0) {
            std::memcpy(bytes_.data() + used_, data, size);
            used_ += size;
        }
    }

    bool Failed() const { return !ok_; }

    // Returns true when every byte appended so far reached the sink.
    bool Flush() {
        if (used_ > 0) {
            Pass(bytes_.data(), used_);
            used_ = 0;
        }
        return ok_;
    }

private:
    void Pass(const char* data, std::size_t size) {
        if (ok_ && !sink_.Write(data, size)) {
            ok_ = false;
        }
    }

    ByteSink& sink_;
    std::vector<char> bytes_;
    std::size_t used_ = 0; // bytes gathered and not yet passed on
    bool ok_ = true;       // false once the sink has refused a write
};

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool WriteLines(const LineTextSource& source, std::int32_t first, std::int32_t last,
                const WriteOptions& options, ByteSink& sink) {
    const std::int32_t lastOfDocument = source.LineCount() - 1;
    first = std::max(first, 0);
    last = std::min(last, lastOfDocument);
    const std::string_view lineEnd = options.unixLineEnds ? "\n" : "\r\n";
    WriteBuffer buffer(sink);
    for (std::int32_t index = first; index <= last && !buffer.Failed(); ++index) {
        std::string_view text = source.LineText(index);
        if (options.removeTrailingBlanks) {
            text = WithoutTrailingBlanks(text);
        }
        buffer.Append(text.data(), text.size());
        if (index != lastOfDocument) {
            buffer.Append(lineEnd.data(), lineEnd.size());
        }
    }
    return buffer.Flush();
}

} // namespace kestrel
