// Tests for TextArena: carving from the newest block, chaining new blocks, and running dry.
#include "document/text_arena.h"

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

void* NoBlocks(std::size_t) {
    return nullptr;
}

TEST(TextArena, ServesConsecutiveRequestsFromOneBlock) {
    TextArena arena;
    char* a = arena.ArenaAlloc(10);
    char* b = arena.ArenaAlloc(20);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(b, a + 10);
    EXPECT_EQ(arena.ArenaFreeAll(), 1);
}

TEST(TextArena, FillsABlockExactlyToTheOffsetLimitBeforeStartingAnother) {
    TextArena arena;
    const std::size_t room = TextArena::kOffsetLimit - TextArena::kHeaderSize;
    char* whole = arena.ArenaAlloc(room);
    ASSERT_NE(whole, nullptr);
    std::memset(whole, 'x', room);
    char* next = arena.ArenaAlloc(1);
    ASSERT_NE(next, nullptr);
    *next = 'y';
    EXPECT_EQ(arena.ArenaFreeAll(), 2);
    EXPECT_EQ(arena.ArenaFreeAll(), 0);
}

TEST(TextArena, RefusesARequestNoBlockCanHold) {
    TextArena arena;
    EXPECT_EQ(arena.ArenaAlloc(TextArena::kOffsetLimit - TextArena::kHeaderSize + 1), nullptr);
    EXPECT_EQ(arena.ArenaFreeAll(), 0);
}

TEST(TextArena, ReturnsNullWhenNoBlockCanBeHadAndRecoversLater) {
    TextArena arena;
    arena.SetBlockAllocator(NoBlocks);
    EXPECT_EQ(arena.ArenaAlloc(5), nullptr);
    arena.SetBlockAllocator(nullptr);
    EXPECT_NE(arena.ArenaAlloc(5), nullptr);
    EXPECT_EQ(arena.ArenaFreeAll(), 1);
}

TEST(TextArena, StartsAFreshChainAfterFreeingAll) {
    TextArena arena;
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(arena.ArenaAlloc(40000), nullptr);
    }
    EXPECT_EQ(arena.ArenaFreeAll(), 3);
    ASSERT_NE(arena.ArenaAlloc(40000), nullptr);
    EXPECT_EQ(arena.ArenaFreeAll(), 1);
}

} // namespace
} // namespace kestrel
