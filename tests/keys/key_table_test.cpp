// The default table and the edits the key recorder makes.
#include "keys/key_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

TEST(KeyTable, DefaultsGiveEveryCommandARow) {
    const KeyTable table = KeyTable::Defaults();
    ASSERT_EQ(table.Count(), KeyTable::kDefaultCount);
    EXPECT_TRUE(table.IsDefault());
    for (std::int32_t command = 0; command < CommandTable::kCount; ++command) {
        std::size_t expected = command == ToIndex(CommandId::TopOfFile) ||
                                       command == ToIndex(CommandId::BottomOfFile) ||
                                       command == ToIndex(CommandId::Undo)
                                   ? 2
                                   : 1;
        EXPECT_EQ(table.CountBindingsOf(command), expected) << CommandTable::Name(command);
    }
}

TEST(KeyTable, DefaultRowsHoldTheirKeys) {
    const KeyTable table = KeyTable::Defaults();
    EXPECT_EQ(table.At(0), (KeyBinding{0, KeyCode(0x10025), KeyCode(), KeyCode()}));
    EXPECT_EQ(table.At(5), (KeyBinding{4, KeyCode(0x50051), KeyCode(0x50052), KeyCode()}));
    EXPECT_EQ(table.At(18), (KeyBinding{16, KeyCode(), KeyCode(), KeyCode()}));
    EXPECT_EQ(table.At(19), (KeyBinding{17, KeyCode(0x90058), KeyCode(), KeyCode()}));
    EXPECT_EQ(table.At(33), (KeyBinding{31, KeyCode(0x5004B), KeyCode(0x5004B), KeyCode()}));
    EXPECT_EQ(table.At(40), (KeyBinding{38, KeyCode(0x5004B), KeyCode(0x50050), KeyCode()}));
    // The commands added later come after the first 41 rows, which keep their places.
    EXPECT_EQ(table.At(41), (KeyBinding{39, KeyCode(0x5005A), KeyCode(), KeyCode()}));
    EXPECT_EQ(table.At(42), (KeyBinding{39, KeyCode(0x90008), KeyCode(), KeyCode()}));
    EXPECT_EQ(table.At(43), (KeyBinding{40, KeyCode(0x7005A), KeyCode(), KeyCode()}));
    EXPECT_EQ(table.At(44), (KeyBinding{41, KeyCode(0x50051), KeyCode(0x50041), KeyCode()}));
    for (const KeyBinding& binding : table) {
        EXPECT_TRUE(binding.key3.IsNone());
    }
}

TEST(KeyTable, FirstBindingOfFindsEarliestRow) {
    const KeyTable table = KeyTable::Defaults();
    EXPECT_EQ(table.FirstBindingOf(ToIndex(CommandId::TopOfFile)), &table.At(4));
    EXPECT_EQ(table.FirstBindingOf(CommandTable::kCount), nullptr);
    EXPECT_EQ(KeyTable().FirstBindingOf(0), nullptr);
}

class KeyTableEditTest : public ::testing::Test {
protected:
    KeyTable table_ = KeyTable::Defaults();
};

TEST_F(KeyTableEditTest, InsertKeylessCopyPutsNewRowInFront) {
    ASSERT_TRUE(table_.InsertKeylessCopy(0));
    EXPECT_EQ(table_.Count(), KeyTable::kDefaultCount + 1);
    EXPECT_EQ(table_.At(0), (KeyBinding{0, KeyCode(), KeyCode(), KeyCode()}));
    EXPECT_EQ(table_.At(1), KeyTable::DefaultBindings()[0]);
    EXPECT_EQ(table_.At(41), KeyTable::DefaultBindings()[40]);
    EXPECT_FALSE(table_.IsDefault());
}

TEST_F(KeyTableEditTest, InsertNeverAppends) {
    EXPECT_FALSE(table_.InsertKeylessCopy(table_.Count()));
    EXPECT_FALSE(KeyTable().InsertKeylessCopy(0));
    EXPECT_TRUE(table_.IsDefault());
}

TEST_F(KeyTableEditTest, InsertStopsAtTheLimit) {
    KeyTable full(std::vector<KeyBinding>(KeyTable::kMaxBindings + 3));
    EXPECT_EQ(full.Count(), KeyTable::kMaxBindings);
    EXPECT_FALSE(full.InsertKeylessCopy(0));
    EXPECT_EQ(full.Count(), KeyTable::kMaxBindings);
}

TEST_F(KeyTableEditTest, RemoveKeepsTheLastRowOfACommand) {
    EXPECT_TRUE(table_.RemoveBinding(4)); // one of the two "Top of file" rows
    EXPECT_EQ(table_.Count(), KeyTable::kDefaultCount - 1);
    EXPECT_EQ(table_.At(4), KeyTable::DefaultBindings()[5]);
    EXPECT_FALSE(table_.RemoveBinding(4)); // the remaining one
    EXPECT_FALSE(table_.RemoveBinding(0));
    EXPECT_FALSE(table_.RemoveBinding(table_.Count()));
    EXPECT_EQ(table_.Count(), KeyTable::kDefaultCount - 1);
}

TEST_F(KeyTableEditTest, RowNamingNoCommandCanAlwaysBeRemoved) {
    KeyTable damaged({{77, KeyCode(0x50043), KeyCode(), KeyCode()},
                      {0, KeyCode(0x10025), KeyCode(), KeyCode()}});
    EXPECT_TRUE(damaged.RemoveBinding(0));
    EXPECT_EQ(damaged.Count(), 1u);
    EXPECT_FALSE(damaged.RemoveBinding(0));
}

TEST_F(KeyTableEditTest, SetAndClearKeys) {
    EXPECT_TRUE(table_.ClearKeys(32));
    EXPECT_EQ(table_.At(32), (KeyBinding{30, KeyCode(), KeyCode(), KeyCode()}));
    EXPECT_TRUE(table_.SetKey(32, 0, KeyCode(0x10070)));
    EXPECT_TRUE(table_.SetKey(32, 2, KeyCode(0x10071)));
    EXPECT_EQ(table_.At(32), (KeyBinding{30, KeyCode(0x10070), KeyCode(), KeyCode(0x10071)}));
    EXPECT_FALSE(table_.SetKey(32, 3, KeyCode(1)));
    EXPECT_FALSE(table_.SetKey(32, -1, KeyCode(1)));
    EXPECT_FALSE(table_.SetKey(99, 0, KeyCode(1)));
    EXPECT_FALSE(table_.ClearKeys(99));
}

} // namespace
} // namespace kestrel
