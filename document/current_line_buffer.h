// The caret line's text while it is being edited: a fixed buffer of `linelength` bytes that is
// always NUL-terminated within its size.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrel {

class CurrentLineBuffer {
public:
    CurrentLineBuffer() = default;
    CurrentLineBuffer(const CurrentLineBuffer&) = delete;
    CurrentLineBuffer& operator=(const CurrentLineBuffer&) = delete;
    ~CurrentLineBuffer();

    // Replaces the buffer with one of `size` bytes (at least 1). The text is kept, cut to fit.
    // Returns false, keeping the old buffer, when the memory cannot be had.
    bool Resize(std::int32_t size);

    // Holds `text` up to its first NUL, cut to Size() - 1 characters.
    void Assign(std::string_view text);
    void Clear() { data_[0] = '\0'; }

    // Writable text, NUL-terminated; editors keep the terminator within Size() bytes.
    char* Data() { return data_; }
    const char* Data() const { return data_; }
    // Bytes in the buffer: a line holds at most Size() - 1 characters.
    std::int32_t Size() const { return size_; }
    // Characters up to the terminator.
    std::int32_t Length() const;
    std::string_view View() const { return {data_, static_cast<std::size_t>(Length())}; }

private:
    // Until the first Resize, and if it fails, the buffer is this one empty byte.
    char empty_[1] = {'\0'};
    char* data_ = empty_;
    std::int32_t size_ = 1;
};

} // namespace kestrel
