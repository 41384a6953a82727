// The caret line's text while it is being edited: a fixed buffer of `linelength` bytes holding
// at most `linelength` - 1 characters. The length is kept explicitly, so a line may hold NUL
// bytes (a file can contain them) and every byte after one survives editing.
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

    // Holds all of `text`, NUL bytes included, cut to Capacity() characters.
    void Assign(std::string_view text);
    void Clear() { SetLength(0); }

    // ---- Edits; each keeps the text within Capacity() and returns false, changing nothing,
    // when it cannot.
    // Opens `character` at `index` (0 to the length).
    bool InsertAt(std::int32_t index, char character);
    // Replaces the character at `index` (below the length).
    bool ReplaceAt(std::int32_t index, char character);
    // Removes the character at `index` (below the length).
    bool EraseAt(std::int32_t index);
    // Appends spaces until the line is `length` characters long.
    bool PadTo(std::int32_t length);
    // Cuts the line to `length` characters (0 to the length).
    bool Truncate(std::int32_t length);
    // Appends `character` at the end.
    bool Append(char character) { return InsertAt(length_, character); }

    // The text. A NUL always follows it inside the buffer, for readers that want one, but the
    // text itself may hold NUL bytes: its extent is Length(), never the first NUL.
    const char* Data() const { return data_; }
    // Bytes in the buffer.
    std::int32_t Size() const { return size_; }
    // Characters the buffer can hold: Size() - 1.
    std::int32_t Capacity() const { return size_ - 1; }
    std::int32_t Length() const { return length_; }
    std::string_view View() const { return {data_, static_cast<std::size_t>(length_)}; }

private:
    // Sets the length (already known to fit) and the NUL behind the text.
    void SetLength(std::int32_t length);

    // Until the first Resize, and if it fails, the buffer is this one empty byte.
    char empty_[1] = {'\0'};
    char* data_ = empty_;
    std::int32_t size_ = 1;
    std::int32_t length_ = 0;
};

} // namespace kestrel
