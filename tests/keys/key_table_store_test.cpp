// The stored key table: record layout, loading with every count and size, storing.
#include "keys/key_table_store.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

std::vector<std::uint8_t> Record(std::int32_t command, std::uint32_t k1, std::uint32_t k2 = 0,
                                 std::uint32_t k3 = 0) {
    StoredBinding record =
        EncodeBinding(KeyBinding{command, KeyCode(k1), KeyCode(k2), KeyCode(k3)});
    return std::vector<std::uint8_t>(record.begin(), record.end());
}

LoadedKeyTable Load(std::uint32_t keyCnt, const std::vector<std::uint8_t>& bytes) {
    return LoadKeyTable(keyCnt, bytes.data(), bytes.size());
}

// Commands added since the first stored tables: a table without them gets a keyless row each.
constexpr std::size_t kAddedRows = CommandTable::kCount - CommandTable::kFirstAddedCommand;

// The rows from `from` on are the keyless rows of the added commands, in table order.
void ExpectAddedRows(const KeyTable& table, std::size_t from) {
    ASSERT_EQ(table.Count(), from + kAddedRows);
    for (std::size_t i = 0; i < kAddedRows; ++i) {
        const std::int32_t command = CommandTable::kFirstAddedCommand + static_cast<std::int32_t>(i);
        EXPECT_EQ(table.At(from + i), (KeyBinding{command, KeyCode(), KeyCode(), KeyCode()}));
    }
}

TEST(KeyTableStore, RecordIsLittleEndianWithZeroedReservedBytes) {
    StoredBinding record = EncodeBinding(
        KeyBinding{30, KeyCode(0x0005004B), KeyCode(0x00050042), KeyCode(0x12345678)});
    const StoredBinding expected = {30,   0, 0, 0, 0,    0,    0,    0,    0, 0, 0,    0, 0, 0,
                                    0,    0, 0, 0, 0,    0,    0,    0,    0, 0, 0x4B, 0, 5, 0,
                                    0x42, 0, 5, 0, 0x78, 0x56, 0x34, 0x12, 0, 0, 0,    0};
    EXPECT_EQ(record, expected);
}

TEST(KeyTableStore, DecodeIgnoresReservedAndHandlerBytes) {
    StoredBinding record;
    record.fill(0xEE);
    record[0] = 21;
    record[1] = record[2] = record[3] = 0;
    KeyBinding binding = DecodeBinding(record);
    EXPECT_EQ(binding.command, 21);
    EXPECT_EQ(binding.key1.Value(), 0xEEEEEEEEu);
    EXPECT_EQ(binding.key3.Value(), 0xEEEEEEEEu);
}

TEST(KeyTableStore, DefaultTableSurvivesEncodeAndDecode) {
    const KeyTable defaults = KeyTable::Defaults();
    std::vector<std::uint8_t> bytes = EncodeKeyTable(defaults);
    ASSERT_EQ(bytes.size(), KeyTable::kDefaultCount * kStoredBindingSize);
    LoadedKeyTable loaded = Load(KeyTable::kDefaultCount, bytes);
    EXPECT_FALSE(loaded.isDefault); // read from the value, not taken from the defaults
    EXPECT_EQ(loaded.table, defaults);
    EXPECT_EQ(EncodeKeyTable(loaded.table), bytes);
}

TEST(KeyTableStore, CountZeroUsesDefaultsAndIgnoresLeftoverValue) {
    std::vector<std::uint8_t> leftover = Record(21, 0x10070);
    for (const LoadedKeyTable& loaded : {Load(0, leftover), LoadKeyTable(0, nullptr, 0)}) {
        EXPECT_TRUE(loaded.isDefault);
        EXPECT_EQ(loaded.table, KeyTable::Defaults());
    }
}

TEST(KeyTableStore, ShortValueLeavesMissingRowsZeroAndInert) {
    std::vector<std::uint8_t> bytes = Record(21, 0x10070);
    LoadedKeyTable loaded = Load(3, bytes);
    ExpectAddedRows(loaded.table, 3);
    EXPECT_EQ(loaded.table.At(0), (KeyBinding{21, KeyCode(0x10070), KeyCode(), KeyCode()}));
    for (std::size_t row = 1; row < 3; ++row) {
        EXPECT_EQ(loaded.table.At(row), KeyBinding{});
        EXPECT_FALSE(loaded.table.At(row).key1.HasKey());
    }
}

TEST(KeyTableStore, PartialRecordIsNotTaken) {
    std::vector<std::uint8_t> bytes = Record(21, 0x10070);
    std::vector<std::uint8_t> second = Record(22, 0x10071);
    bytes.insert(bytes.end(), second.begin(), second.begin() + 30);
    LoadedKeyTable loaded = Load(2, bytes);
    ExpectAddedRows(loaded.table, 2);
    EXPECT_EQ(loaded.table.At(0).command, 21);
    EXPECT_EQ(loaded.table.At(1), KeyBinding{});
}

TEST(KeyTableStore, EmptyOrAbsentValueWithCountGivesZeroRows) {
    // A null value is never read, whatever size comes with it.
    for (const LoadedKeyTable& loaded : {LoadKeyTable(4, nullptr, 400), Load(4, {})}) {
        ExpectAddedRows(loaded.table, 4);
        EXPECT_FALSE(loaded.isDefault);
        for (std::size_t row = 0; row < 4; ++row) {
            EXPECT_EQ(loaded.table.At(row), KeyBinding{});
        }
    }
}

TEST(KeyTableStore, LongValueIsReadOnlyForItsCount) {
    std::vector<std::uint8_t> bytes = Record(21, 0x10070);
    std::vector<std::uint8_t> extra = Record(22, 0x10071);
    bytes.insert(bytes.end(), extra.begin(), extra.end());
    bytes.insert(bytes.end(), 7, 0xFF);
    LoadedKeyTable loaded = Load(1, bytes);
    ExpectAddedRows(loaded.table, 1);
    EXPECT_EQ(loaded.table.At(0).command, 21);
}

TEST(KeyTableStore, OversizedCountFallsBackToDefaults) {
    std::vector<std::uint8_t> bytes = Record(21, 0x10070);
    for (std::uint32_t keyCnt : {static_cast<std::uint32_t>(KeyTable::kMaxBindings + 1), 107374183u,
                                 0x80000000u, 0xFFFFFFFFu}) {
        LoadedKeyTable loaded = Load(keyCnt, bytes);
        EXPECT_TRUE(loaded.isDefault) << keyCnt;
        EXPECT_EQ(loaded.table, KeyTable::Defaults()) << keyCnt;
    }
    LoadedKeyTable largest = LoadKeyTable(KeyTable::kMaxBindings, bytes.data(), bytes.size());
    EXPECT_EQ(largest.table.Count(), KeyTable::kMaxBindings);
}

TEST(KeyTableStore, OutOfRangeCommandIsKeptButInert) {
    std::vector<std::uint8_t> bytes = Record(CommandTable::kCount, 0x50043);
    std::vector<std::uint8_t> negative = Record(-7, 0x50056);
    bytes.insert(bytes.end(), negative.begin(), negative.end());
    LoadedKeyTable loaded = Load(2, bytes);
    ExpectAddedRows(loaded.table, 2);
    EXPECT_FALSE(loaded.table.At(0).IsBound());
    EXPECT_FALSE(loaded.table.At(1).IsBound());
    // Kept as stored, so storing the table again does not change the user's rows.
    const std::vector<std::uint8_t> encoded = EncodeKeyTable(loaded.table);
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.begin() + 80), bytes);
}

TEST(KeyTableStore, AnOldTableGetsKeylessRowsOnlyForTheCommandsItLacks) {
    // The first version's 41 defaults, stored before Undo, Redo and Replace existed: they load
    // as they were, with one keyless row each for those, and nothing else bound.
    const KeyTable defaults = KeyTable::Defaults();
    std::vector<std::uint8_t> old = EncodeKeyTable(defaults);
    old.resize(CommandTable::kFirstAddedCommand == 39 ? 41 * kStoredBindingSize : 0);
    LoadedKeyTable loaded = Load(41, old);
    ExpectAddedRows(loaded.table, 41);
    for (std::size_t row = 0; row < 41; ++row) {
        EXPECT_EQ(loaded.table.At(row), defaults.At(row)) << row;
    }
    // A table that already names a newer command keeps that row and gains only the others.
    std::vector<std::uint8_t> bytes = Record(ToIndex(CommandId::Redo), 0x10070);
    LoadedKeyTable withRedo = Load(1, bytes);
    ASSERT_EQ(withRedo.table.Count(), kAddedRows);
    EXPECT_EQ(withRedo.table.At(1), (KeyBinding{ToIndex(CommandId::Undo), KeyCode(), KeyCode(),
                                                KeyCode()}));
}

TEST(KeyTableStore, StoreWritesCountAndRecords) {
    KeyTable table = KeyTable::Defaults();
    table.InsertKeylessCopy(0);
    StoredKeyTable stored = StoreKeyTable(table, false);
    EXPECT_EQ(stored.keyCnt, KeyTable::kDefaultCount + 1);
    EXPECT_TRUE(stored.writeTable);
    EXPECT_EQ(stored.bytes, EncodeKeyTable(table));
    EXPECT_EQ(Load(stored.keyCnt, stored.bytes).table, table);
}

TEST(KeyTableStore, StoreAfterRestoreWritesZeroAndDeletesTable) {
    StoredKeyTable stored = StoreKeyTable(KeyTable::Defaults(), true);
    EXPECT_EQ(stored.keyCnt, 0u);
    EXPECT_FALSE(stored.writeTable);
    EXPECT_TRUE(stored.bytes.empty());
}

TEST(KeyTableStore, UnrestoredDefaultsAreStoredAsATable) {
    // Only "Restore to default" switches back to following the built-in defaults.
    StoredKeyTable stored = StoreKeyTable(KeyTable::Defaults(), false);
    EXPECT_EQ(stored.keyCnt, KeyTable::kDefaultCount);
    EXPECT_TRUE(stored.writeTable);
}

TEST(KeyTableStore, EmptyTableIsStoredAsTheDefaults) {
    StoredKeyTable stored = StoreKeyTable(KeyTable(), false);
    EXPECT_EQ(stored.keyCnt, 0u);
    EXPECT_FALSE(stored.writeTable);
}

} // namespace
} // namespace kestrel
