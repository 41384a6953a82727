// Tests for GrowArray: creation, growth by steps, and the insert/remove rules the key table uses.
#include "document/grow_array.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class GrowArrayTest : public ::testing::Test {
protected:
    // An array of 10 elements holding 0 .. count - 1.
    void Fill(std::int32_t count) {
        ASSERT_TRUE(array_.Create(10, 5));
        for (std::int32_t i = 0; i < count; ++i) {
            array_[i] = i;
        }
        ASSERT_TRUE(array_.SetCount(count));
    }

    GrowArray<std::int32_t> array_;
};

TEST_F(GrowArrayTest, CreationGivesAZeroFilledValidBlock) {
    ASSERT_TRUE(array_.Create(8, 4));
    EXPECT_TRUE(array_.Valid());
    EXPECT_EQ(array_.Capacity(), 8);
    EXPECT_EQ(array_.Count(), 0);
    for (std::int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(array_[i], 0);
    }
}

TEST_F(GrowArrayTest, GrowthAddsOneZeroFilledStepAndKeepsTheElements) {
    Fill(3);
    ASSERT_TRUE(array_.Grow());
    EXPECT_EQ(array_.Capacity(), 15);
    EXPECT_EQ(array_[2], 2);
    for (std::int32_t i = 10; i < 15; ++i) {
        EXPECT_EQ(array_[i], 0);
    }
}

TEST_F(GrowArrayTest, FailedGrowthKeepsTheBlockAndClearsValid) {
    ASSERT_TRUE(array_.Create(4, 0));
    array_[3] = 7;
    EXPECT_FALSE(array_.Grow());
    EXPECT_FALSE(array_.Valid());
    EXPECT_EQ(array_.Capacity(), 4);
    EXPECT_EQ(array_[3], 7);
}

TEST_F(GrowArrayTest, CapacityBeyondTheAddressSpaceIsRefused) {
    struct Huge {
        char bytes[PTRDIFF_MAX / 2];
    };
    GrowArray<Huge> huge;
    EXPECT_FALSE(huge.Create(3, 1));
    EXPECT_FALSE(huge.Valid());
    EXPECT_EQ(huge.Capacity(), 0);
    EXPECT_FALSE(array_.Create(-1, 5));
}

TEST_F(GrowArrayTest, RemovalMovesLaterElementsDown) {
    Fill(4);
    ASSERT_TRUE(array_.RemoveAt(1));
    EXPECT_EQ(array_.Count(), 3);
    EXPECT_EQ(array_[0], 0);
    EXPECT_EQ(array_[1], 2);
    EXPECT_EQ(array_[2], 3);
}

TEST_F(GrowArrayTest, RemovalOutsideTheCountChangesNothing) {
    Fill(2);
    EXPECT_FALSE(array_.RemoveAt(2));
    EXPECT_FALSE(array_.RemoveAt(-1));
    EXPECT_EQ(array_.Count(), 2);
}

TEST_F(GrowArrayTest, InsertionMovesElementsUpAndKeepsTheOpenedOnes) {
    Fill(4);
    ASSERT_TRUE(array_.InsertAt(1, 2));
    EXPECT_EQ(array_.Count(), 6);
    const std::int32_t expected[] = {0, 1, 2, 1, 2, 3};
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(array_[i], expected[i]) << "element " << i;
    }
}

TEST_F(GrowArrayTest, InsertionNeverAppends) {
    Fill(3);
    EXPECT_FALSE(array_.InsertAt(3, 1));
    EXPECT_FALSE(array_.InsertAt(0, 0));
    EXPECT_EQ(array_.Count(), 3);
}

TEST_F(GrowArrayTest, InsertionGrowsUntilASpareElementRemains) {
    Fill(9);
    // Twelve more than a 10-element block with a step of 5 needs three steps.
    ASSERT_TRUE(array_.InsertAt(0, 12));
    EXPECT_EQ(array_.Count(), 21);
    EXPECT_EQ(array_.Capacity(), 25);
    EXPECT_EQ(array_[12], 0);
    EXPECT_EQ(array_[20], 8);
}

TEST_F(GrowArrayTest, SetCountRefusesMoreThanTheCapacity) {
    Fill(0);
    EXPECT_TRUE(array_.SetCount(10));
    EXPECT_FALSE(array_.SetCount(11));
    EXPECT_FALSE(array_.SetCount(-1));
    EXPECT_EQ(array_.Count(), 10);
}

} // namespace
} // namespace kestrel
