// The current-line buffer: a bounded copy of the caret line with an explicit length.
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
    std::int32_t keep = length_ < size - 1 ? length_ : size - 1;
    std::memcpy(block, data_, static_cast<std::size_t>(keep));
    if (data_ != empty_) {
        std::free(data_);
    }
    data_ = block;
    size_ = size;
    SetLength(keep);
    return true;
}

void CurrentLineBuffer::Assign(std::string_view text) {
    std::size_t n = text.size() < static_cast<std::size_t>(Capacity())
                        ? text.size()
                        : static_cast<std::size_t>(Capacity());
    if (n > 0) {
        std::memmove(data_, text.data(), n);
    }
    SetLength(static_cast<std::int32_t>(n));
}

bool CurrentLineBuffer::InsertAt(std::int32_t index, char character) {
    if (index < 0 || index > length_ || length_ >= Capacity()) {
        return false;
    }
    std::memmove(data_ + index + 1, data_ + index, static_cast<std::size_t>(length_ - index));
    data_[index] = character;
    SetLength(length_ + 1);
    return true;
}

bool CurrentLineBuffer::ReplaceAt(std::int32_t index, char character) {
    if (index < 0 || index >= length_) {
        return false;
    }
    data_[index] = character;
    return true;
}

bool CurrentLineBuffer::EraseAt(std::int32_t index) {
    if (index < 0 || index >= length_) {
        return false;
    }
    std::memmove(data_ + index, data_ + index + 1, static_cast<std::size_t>(length_ - index - 1));
    SetLength(length_ - 1);
    return true;
}

bool CurrentLineBuffer::PadTo(std::int32_t length) {
    if (length <= length_) {
        return true;
    }
    if (length > Capacity()) {
        return false;
    }
    std::memset(data_ + length_, ' ', static_cast<std::size_t>(length - length_));
    SetLength(length);
    return true;
}

bool CurrentLineBuffer::Truncate(std::int32_t length) {
    if (length < 0 || length > length_) {
        return false;
    }
    SetLength(length);
    return true;
}

void CurrentLineBuffer::SetLength(std::int32_t length) {
    length_ = length;
    data_[length] = '\0';
}

} // namespace kestrel
