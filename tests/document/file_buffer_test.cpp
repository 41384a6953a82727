// Tests for FileBuffer: reuse, the 16 spare bytes, and sizes the address space cannot hold.
#include "document/file_buffer.h"

#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(FileBuffer, TakesTheFileSizePlusSixteenBytes) {
    FileBuffer buffer;
    ASSERT_TRUE(buffer.Reserve(100));
    EXPECT_EQ(buffer.Capacity(), 116u);
    std::memset(buffer.Data(), 'x', buffer.Capacity());
}

TEST(FileBuffer, ReusesABlockLargerThanTheFileAndReplacesOneThatIsNot) {
    FileBuffer buffer;
    ASSERT_TRUE(buffer.Reserve(100));
    ASSERT_TRUE(buffer.Reserve(115));
    EXPECT_EQ(buffer.Capacity(), 116u);
    ASSERT_TRUE(buffer.Reserve(116));
    EXPECT_EQ(buffer.Capacity(), 132u);
    ASSERT_TRUE(buffer.Reserve(0));
    EXPECT_EQ(buffer.Capacity(), 132u);
}

TEST(FileBuffer, RefusesASizeTheAddressSpaceCannotHoldAndKeepsTheOldBlock) {
    FileBuffer buffer;
    ASSERT_TRUE(buffer.Reserve(10));
    char* old = buffer.Data();
    EXPECT_FALSE(buffer.Reserve(UINT64_MAX));
    EXPECT_FALSE(buffer.Reserve(static_cast<std::uint64_t>(PTRDIFF_MAX) - 15));
    EXPECT_EQ(buffer.Data(), old);
    EXPECT_EQ(buffer.Capacity(), 26u);
}

TEST(FileBuffer, DataLengthStaysWithinTheBlockAndRestartsOnEveryReserve) {
    FileBuffer buffer;
    ASSERT_TRUE(buffer.Reserve(4));
    buffer.SetLength(1000);
    EXPECT_EQ(buffer.Length(), 20u);
    buffer.SetLength(4);
    ASSERT_TRUE(buffer.Reserve(3));
    EXPECT_EQ(buffer.Length(), 0u);
}

} // namespace
} // namespace kestrel
