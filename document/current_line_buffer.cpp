// The current-line buffer: a bounded, NUL-terminated copy of the caret line.
#include "document/current_line_buffer.h"

#include <cstdlib>
#include <cstring>

namespace kestrel {

CurrentLineBuffer::~CurrentLineBuffer() {
    if (data_ != empty_) {
        std::free(data_);
    }
}

bool CurrentLineBuffer::Resize(std::int32_t size) {
    if (size < 1) {
        return false;
    }
    char* block = static_cast<char*>(std::malloc(static_cast<std::size_t>(size)));
    if (block == nullptr) {
        return false;
    }
    std::int32_t keep = Length();
    if (keep > size - 1) {
        keep = size - 1;
    }
    std::memcpy(block, data_, static_cast<std::size_t>(keep));
    block[keep] = '\0';
    if (data_ != empty_) {
        std::free(data_);
    }
    data_ = block;
    size_ = size;
    return true;
}

void CurrentLineBuffer::Assign(std::string_view text) {
    std::size_t n = 0;
    std::size_t limit = static_cast<std::size_t>(size_ - 1);
    while (n < text.size() && n < limit && text[n] != '\0') {
        ++n;
    }
    if (n > 0) {
        std::memcpy(data_, text.data(), n);
    }
    data_[n] = '\0';
}

std::int32_t CurrentLineBuffer::Length() const {
    const void* end = std::memchr(data_, '\0', static_cast<std::size_t>(size_));
    // Even an editor that overwrote the terminator never makes a reader run past the buffer.
    if (end == nullptr) {
        return size_ - 1;
    }
    return static_cast<std::int32_t>(static_cast<const char*>(end) - data_);
}

} // namespace kestrel
