// The text arena: bump allocation from a linked chain of fixed-size blocks.
#include "document/text_arena.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kestrel {

namespace {

static_assert(sizeof(char*) <= TextArena::kHeaderSize, "the next-block link must fit the header");

char* NextBlock(const char* block) {
    char* next = nullptr;
    std::memcpy(&next, block, sizeof next);
    return next;
}

void SetNextBlock(char* block, char* next) {
    std::memcpy(block, &next, sizeof next);
}

} // namespace

TextArena::~TextArena() {
    ArenaFreeAll();
}

char* TextArena::ArenaAlloc(std::size_t n) {
    if (n > kOffsetLimit - kHeaderSize) {
        return nullptr;
    }
    if (newest_ == nullptr || offset_ + n > kOffsetLimit) {
        void* raw = allocate_ != nullptr ? allocate_(kBlockSize) : std::malloc(kBlockSize);
        if (raw == nullptr) {
            return nullptr;
        }
        char* block = static_cast<char*>(raw);
        // The chain only serves freeing, so every new block goes to its front.
        SetNextBlock(block, first_);
        first_ = block;
        newest_ = block;
        offset_ = kHeaderSize;
    }
    char* result = newest_ + offset_;
    offset_ += n;
    return result;
}

char* TextArena::ArenaAllocLarge(std::size_t n) {
    if (n > SIZE_MAX - kHeaderSize) {
        return nullptr;
    }
    void* raw = allocate_ != nullptr ? allocate_(kHeaderSize + n) : std::malloc(kHeaderSize + n);
    if (raw == nullptr) {
        return nullptr;
    }
    char* block = static_cast<char*>(raw);
    SetNextBlock(block, first_);
    first_ = block;
    return block + kHeaderSize;
}

void TextArena::ArenaFreeLarge(char* storage) {
    if (storage == nullptr) {
        return;
    }
    // Such storage is freed right after it was taken, so it is found at or near the front.
    char* previous = nullptr;
    for (char* block = first_; block != nullptr; block = NextBlock(block)) {
        if (block + kHeaderSize == storage) {
            if (previous == nullptr) {
                first_ = NextBlock(block);
            } else {
                SetNextBlock(previous, NextBlock(block));
            }
            std::free(block);
            return;
        }
        previous = block;
    }
}

std::int32_t TextArena::ArenaFreeAll() {
    std::int32_t freed = 0;
    char* block = first_;
    while (block != nullptr) {
        char* next = NextBlock(block);
        std::free(block);
        block = next;
        ++freed;
    }
    first_ = nullptr;
    newest_ = nullptr;
    offset_ = 0;
    return freed;
}

void TextArena::SetBlockAllocator(BlockAllocator allocator) {
    allocate_ = allocator;
}

} // namespace kestrel
