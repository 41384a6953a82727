// Storage for the text of edited lines: a chain of large blocks carved from the front, never
// freed one allocation at a time, and released all together when the next file is loaded.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrel {

class TextArena {
public:
    // Each block starts with a header holding the link to the next block.
    static constexpr std::size_t kBlockSize = 65023;
    static constexpr std::size_t kHeaderSize = 8;
    // A request is served from the newest block while offset + n stays at or below this.
    static constexpr std::size_t kOffsetLimit = 65022;

    // Source of raw blocks; the memory it returns is released with std::free. Tests swap in
    // one that fails, since running the heap dry for real is impractical.
    using BlockAllocator = void* (*)(std::size_t size);

    TextArena() = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;
    ~TextArena();

    // Returns n bytes of storage, or null when no block can be had or n can never fit a block.
    char* ArenaAlloc(std::size_t n);
    // Returns n bytes in a block of their own, for text too large for the shared blocks (a
    // pasted text held whole); freed with the rest. Null when the memory cannot be had.
    char* ArenaAllocLarge(std::size_t n);
    // Gives back storage from ArenaAllocLarge that nothing points into (an insertion that failed,
    // or one whose text was copied elsewhere), so that it is not held until the next load.
    // Only storage from ArenaAllocLarge may be given; null is ignored.
    void ArenaFreeLarge(char* storage);
    // Frees every block and returns how many there were; all storage handed out becomes invalid.
    std::int32_t ArenaFreeAll();

    void SetBlockAllocator(BlockAllocator allocator);

private:
    BlockAllocator allocate_ = nullptr; // null: std::malloc
    char* first_ = nullptr;             // newest block of any kind, head of the chain
    char* newest_ = nullptr;            // block that requests are carved from
    std::size_t offset_ = 0;            // bytes used in the newest block, header included
};

} // namespace kestrel
