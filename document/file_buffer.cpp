// The file buffer: grown only when a larger file arrives, never shrunk.
#include "document/file_buffer.h"

#include <cstdlib>

namespace kestrel {

FileBuffer::~FileBuffer() {
    std::free(data_);
}

bool FileBuffer::Reserve(std::uint64_t fileSize) {
    length_ = 0;
    if (fileSize < capacity_) {
        return true;
    }
    // On the 32-bit target size_t is 32 bits: a larger file must not wrap to a small block.
    if (fileSize > static_cast<std::uint64_t>(PTRDIFF_MAX) - kSlack) {
        return false;
    }
    std::free(data_);
    capacity_ = 0;
    data_ = static_cast<char*>(std::malloc(static_cast<std::size_t>(fileSize) + kSlack));
    if (data_ == nullptr) {
        return false;
    }
    capacity_ = static_cast<std::size_t>(fileSize) + kSlack;
    return true;
}

void FileBuffer::SetLength(std::size_t length) {
    length_ = length < capacity_ ? length : capacity_;
}

} // namespace kestrel
