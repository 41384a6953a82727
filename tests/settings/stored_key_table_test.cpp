// The key table values of the Settings key: start-up and recorder loads, and the recorder's store.
#include "settings/stored_key_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/editor_settings.h"
#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

std::vector<std::uint8_t> Records(const std::vector<KeyBinding>& bindings) {
    std::vector<std::uint8_t> bytes;
    for (const KeyBinding& binding : bindings) {
        StoredBinding record = EncodeBinding(binding);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

KeyBinding Bind(std::int32_t command, std::uint32_t key1, std::uint32_t key2 = 0) {
    return KeyBinding{command, KeyCode(key1), KeyCode(key2), KeyCode()};
}

const KeyBinding kMarkBeginOnF9 = Bind(ToIndex(CommandId::MarkBegin), 0x10078);
const KeyBinding kPasteOnCtrlQ = Bind(ToIndex(CommandId::Paste), 0x50051, 0x50050);

class StoredKeyTableTest : public ::testing::Test {
protected:
    MemorySettings store_;
};

// A stored table gets a keyless row for each command added since the first version that it
// lacks (Undo and Redo here), after the rows it stored.
constexpr std::size_t kAddedRows = CommandTable::kCount - CommandTable::kFirstAddedCommand;

TEST_F(StoredKeyTableTest, NothingStoredGivesTheDefaults) {
    LoadedKeyTable loaded = ReadKeyTable(store_);
    EXPECT_TRUE(loaded.isDefault);
    EXPECT_EQ(loaded.table, KeyTable::Defaults());
    EXPECT_EQ(loaded.table.Count(), KeyTable::kDefaultCount);
}

TEST_F(StoredKeyTableTest, CountZeroIgnoresALeftoverTable) {
    store_.SetNumber(setting::kKeyCnt, 0);
    store_.SetBytes(setting::kKeyTable, Records({kMarkBeginOnF9}));
    LoadedKeyTable loaded = ReadKeyTable(store_);
    EXPECT_TRUE(loaded.isDefault);
    EXPECT_EQ(loaded.table, KeyTable::Defaults());
}

TEST_F(StoredKeyTableTest, RowsTheValueDoesNotSupplyAreZeroAndInert) {
    store_.SetNumber(setting::kKeyCnt, 3);
    store_.SetBytes(setting::kKeyTable, Records({kMarkBeginOnF9}));
    LoadedKeyTable loaded = ReadKeyTable(store_);
    EXPECT_FALSE(loaded.isDefault);
    ASSERT_EQ(loaded.table.Count(), 3u + kAddedRows);
    EXPECT_EQ(loaded.table.At(0), kMarkBeginOnF9);
    for (std::size_t row : {1u, 2u}) {
        EXPECT_EQ(loaded.table.At(row), KeyBinding{}) << row;
        EXPECT_TRUE(loaded.table.At(row).key1.IsNone()) << row;
    }
}

TEST_F(StoredKeyTableTest, CountWithoutATableGivesOnlyInertRows) {
    store_.SetNumber(setting::kKeyCnt, 2);
    LoadedKeyTable loaded = ReadKeyTable(store_);
    ASSERT_EQ(loaded.table.Count(), 2u + kAddedRows);
    EXPECT_EQ(loaded.table.At(0), KeyBinding{});
    EXPECT_EQ(loaded.table.At(1), KeyBinding{});
}

TEST_F(StoredKeyTableTest, AValueLongerThanItsCountIsNeverReadIn) {
    store_.SetNumber(setting::kKeyCnt, 1);
    store_.SetBytes(setting::kKeyTable, Records({kPasteOnCtrlQ, kMarkBeginOnF9}));
    LoadedKeyTable loaded = ReadKeyTable(store_);
    ASSERT_EQ(loaded.table.Count(), 1u + kAddedRows);
    EXPECT_EQ(loaded.table.At(0), KeyBinding{}) << "read as absent: an inert row";
    EXPECT_EQ(store_.LargestReadLimit(setting::kKeyTable), kStoredBindingSize);
}

TEST_F(StoredKeyTableTest, CountTooLargeForATableFallsBackToTheDefaults) {
    // The last two would overflow a 32-bit byte count (x 40).
    for (std::uint32_t keyCnt :
         {static_cast<std::uint32_t>(KeyTable::kMaxBindings + 1), 0x06666667u, 0xFFFFFFFFu}) {
        MemorySettings store;
        store.SetNumber(setting::kKeyCnt, keyCnt);
        store.SetBytes(setting::kKeyTable, Records({kMarkBeginOnF9}));
        LoadedKeyTable loaded = ReadKeyTable(store);
        EXPECT_TRUE(loaded.isDefault) << keyCnt;
        EXPECT_EQ(loaded.table, KeyTable::Defaults()) << keyCnt;
    }
}

TEST_F(StoredKeyTableTest, CountThatDoesNotFitItsReadIsTakenAsZero) {
    store_.SetBytes(setting::kKeyCnt, {1});
    store_.SetBytes(setting::kKeyTable, Records({kMarkBeginOnF9}));
    EXPECT_TRUE(ReadKeyTable(store_).isDefault);
}

TEST_F(StoredKeyTableTest, CommandIndexOutsideTheTableIsNeverBound) {
    store_.SetNumber(setting::kKeyCnt, 2);
    store_.SetBytes(setting::kKeyTable,
                    Records({Bind(CommandTable::kCount, 0x10070), Bind(-1, 0x10071)}));
    LoadedKeyTable loaded = ReadKeyTable(store_);
    ASSERT_EQ(loaded.table.Count(), 2u + kAddedRows);
    EXPECT_FALSE(loaded.table.At(0).IsBound());
    EXPECT_FALSE(loaded.table.At(1).IsBound());
}

TEST_F(StoredKeyTableTest, StoredTableReadsBackRowForRow) {
    KeyTable table({kPasteOnCtrlQ, kMarkBeginOnF9, Bind(ToIndex(CommandId::Cut), 0),
                    Bind(ToIndex(CommandId::Undo), 0), Bind(ToIndex(CommandId::Redo), 0),
                    Bind(ToIndex(CommandId::Replace), 0)});
    WriteKeyTable(store_, table, false);
    EXPECT_EQ(store_.Find(setting::kKeyCnt)->kind, ValueKind::Number);
    EXPECT_EQ(store_.Find(setting::kKeyCnt)->bytes, MemorySettings::NumberBytes(6));
    EXPECT_EQ(store_.Find(setting::kKeyTable)->kind, ValueKind::Binary);
    EXPECT_EQ(store_.Find(setting::kKeyTable)->bytes.size(), 6 * kStoredBindingSize);

    LoadedKeyTable loaded = ReadKeyTable(store_);
    EXPECT_FALSE(loaded.isDefault);
    EXPECT_EQ(loaded.table, table);
}

TEST_F(StoredKeyTableTest, RestoredDefaultsStoreCountZeroAndDeleteTheTable) {
    WriteKeyTable(store_, KeyTable({kMarkBeginOnF9}), false);
    WriteKeyTable(store_, KeyTable::Defaults(), true);
    EXPECT_EQ(store_.Find(setting::kKeyCnt)->bytes, MemorySettings::NumberBytes(0));
    EXPECT_EQ(store_.Find(setting::kKeyTable), nullptr);
    EXPECT_EQ(store_.WriteOrder().back(), std::string("-") + setting::kKeyTable);
    EXPECT_TRUE(ReadKeyTable(store_).isDefault);
}

TEST_F(StoredKeyTableTest, EditedDefaultsAreStoredAsATable) {
    KeyTable table = KeyTable::Defaults();
    ASSERT_TRUE(table.ClearKeys(0));
    WriteKeyTable(store_, table, false);
    LoadedKeyTable loaded = ReadKeyTable(store_);
    EXPECT_FALSE(loaded.isDefault);
    EXPECT_EQ(loaded.table, table);
}

} // namespace
} // namespace kestrel
