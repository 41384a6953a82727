// Reading and writing the key table values of the Settings key.
#include "settings/stored_key_table.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/editor_settings.h"

namespace kestrel {

LoadedKeyTable ReadKeyTable(const SettingsSource& source) {
    std::uint32_t keyCnt = 0;
    ReadNumber(source, setting::kKeyCnt, keyCnt, 0);
    if (keyCnt == 0 || keyCnt > KeyTable::kMaxBindings) {
        // The value is not even read: it is either a leftover or belongs to a damaged count.
        return LoadKeyTable(keyCnt, nullptr, 0);
    }
    // No more than the counted records are ever read, whatever size the value claims: a
    // longer value does not belong to this count and reads as absent.
    std::optional<std::vector<std::uint8_t>> bytes =
        source.ReadValue(setting::kKeyTable, keyCnt * kStoredBindingSize);
    if (!bytes || bytes->empty()) {
        return LoadKeyTable(keyCnt, nullptr, 0);
    }
    return LoadKeyTable(keyCnt, bytes->data(), bytes->size());
}

void WriteKeyTable(SettingsSink& sink, const KeyTable& table, bool restored) {
    StoredKeyTable stored = StoreKeyTable(table, restored);
    sink.WriteNumber(setting::kKeyCnt, stored.keyCnt);
    if (stored.writeTable) {
        sink.WriteBinary(setting::kKeyTable, stored.bytes.data(), stored.bytes.size());
    } else {
        sink.DeleteValue(setting::kKeyTable);
    }
}

} // namespace kestrel
