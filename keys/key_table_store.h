// The stored form of the key table (registry values KeyCnt and KeyTable): 40-byte little-endian
// records, and the rules for loading it back and storing it after the key recorder's OK.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "keys/key_binding.h"
#include "keys/key_table.h"

namespace kestrel {

// Record layout: command index at 0, key1/key2/key3 at 24/28/32, each 4 bytes little-endian.
// Bytes 4-23 (reserved word and handler slot) and 36-39 are written as zeros and ignored on
// reading.
constexpr std::size_t kStoredBindingSize = 40;

using StoredBinding = std::array<std::uint8_t, kStoredBindingSize>;

StoredBinding EncodeBinding(const KeyBinding& binding);
// The command index is taken as stored; an index that names no command leaves the binding inert.
KeyBinding DecodeBinding(const StoredBinding& record);

// KeyTable's value: Count() records in table order.
std::vector<std::uint8_t> EncodeKeyTable(const KeyTable& table);

struct LoadedKeyTable {
    KeyTable table;
    bool isDefault = false; // the defaults were used (the recorder's title says " - Default")
};

// Builds the table from KeyCnt and the bytes of the KeyTable value (`data` may be null when
// the value is absent; only `size` bytes are ever read):
// - KeyCnt 0: the defaults, whatever the value holds;
// - KeyCnt above KeyTable::kMaxBindings (a damaged count, or one whose byte size would
//   overflow): the defaults as well;
// - otherwise KeyCnt rows, decoded from the whole records the value supplies; rows it does not
//   supply, or supplies only in part, are zero (command 0, no keys: never fire). A table stored
//   before some commands existed gets a keyless row for each of them at its end.
// Bytes beyond KeyCnt records are ignored.
LoadedKeyTable LoadKeyTable(std::uint32_t keyCnt, const std::uint8_t* data, std::size_t size);

// What to write when the key recorder's table is stored.
struct StoredKeyTable {
    std::uint32_t keyCnt = 0;        // value KeyCnt
    bool writeTable = false;         // true: write KeyTable = bytes; false: delete KeyTable
    std::vector<std::uint8_t> bytes; // KeyTable's value when writeTable
};

// After "Restore to default" (`restored`): KeyCnt 0 and no KeyTable, so later loads follow the
// built-in defaults. Otherwise KeyCnt = the row count and KeyTable = its records. An empty table
// is stored like the defaults, since a KeyCnt of 0 could not bring it back anyway.
StoredKeyTable StoreKeyTable(const KeyTable& table, bool restored);

} // namespace kestrel
