// The one block that holds the bytes of the last file read, exactly as on disk. Line records of
// an unedited document point straight into it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrel {

class FileBuffer {
public:
    // Bytes allocated beyond the file size.
    static constexpr std::size_t kSlack = 16;

    FileBuffer() = default;
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;
    ~FileBuffer();

    // Makes room for a file of `fileSize` bytes. A block already larger than the file is reused;
    // otherwise the old block is freed first and fileSize + kSlack bytes are taken, so any line
    // record pointing into the buffer is invalid afterwards. A size the address space cannot
    // hold is refused and keeps the old block. Returns false when there is no room; after a
    // failed allocation the buffer is empty. The data length restarts at 0 either way.
    bool Reserve(std::uint64_t fileSize);

    // Records how many bytes the last read delivered (at most the capacity).
    void SetLength(std::size_t length);

    char* Data() { return data_; }
    const char* Data() const { return data_; }
    std::size_t Capacity() const { return capacity_; }
    std::size_t Length() const { return length_; }

private:
    char* data_ = nullptr;     // the block; null until the first file is read
    std::size_t capacity_ = 0; // bytes allocated
    std::size_t length_ = 0;   // bytes the last read delivered; those behind it are stale
};

} // namespace kestrel
