// Fuzzes loading a stored key table: the first 4 bytes are KeyCnt, the rest the KeyTable value.
// Checks that no row binds a command outside the table, that no key sequence fires one, and that
// a re-stored table loads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "keys/key_names.h"
#include "keys/key_sequence.h"
#include "keys/key_table_store.h"
#include "keys/menu_label.h"

namespace {

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

std::uint32_t ReadCount(const std::uint8_t* data, std::size_t size) {
    std::uint32_t keyCnt = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i) {
        keyCnt |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    }
    // Most inputs should exercise real counts, not only the fallback for absurd ones.
    if ((keyCnt & 0x80000000u) == 0) {
        keyCnt %= 2 * kestrel::KeyTable::kMaxBindings;
    }
    return keyCnt;
}

// Every binding's own keys, pressed in order, may only ever fire a valid command.
void CheckLookups(const kestrel::KeyTable& table) {
    kestrel::KeySequence sequence;
    std::size_t rows = table.Count() < 64 ? table.Count() : 64;
    for (std::size_t row = 0; row < rows; ++row) {
        const kestrel::KeyBinding& binding = table.At(row);
        for (kestrel::KeyCode key : {binding.key1, binding.key2, binding.key3}) {
            kestrel::KeyLookup lookup = sequence.Press(key, table);
            if (lookup.outcome == kestrel::KeyOutcome::Fired) {
                Check(kestrel::CommandTable::IsValid(lookup.command));
                Check(lookup.row < table.Count());
                Check(table.At(lookup.row).command == lookup.command);
            } else {
                Check(lookup.command == -1);
            }
            Check(sequence.Stage() >= 0 && sequence.Stage() <= 2);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t keyCnt = ReadCount(data, size);
    std::size_t valueSize = size > 4 ? size - 4 : 0;
    // An exact-size copy, so that reading one byte past the value is caught by the sanitizer.
    std::vector<std::uint8_t> value(data + (size > 4 ? 4 : size), data + size);
    kestrel::LoadedKeyTable loaded =
        kestrel::LoadKeyTable(keyCnt, valueSize == 0 ? nullptr : value.data(), valueSize);
    const kestrel::KeyTable& table = loaded.table;

    if (keyCnt == 0 || keyCnt > kestrel::KeyTable::kMaxBindings) {
        Check(loaded.isDefault && table == kestrel::KeyTable::Defaults());
    } else {
        // The stored rows, then at most one keyless row for each command added since.
        Check(!loaded.isDefault && table.Count() >= keyCnt &&
              table.Count() - keyCnt <= static_cast<std::size_t>(
                                            kestrel::CommandTable::kCount -
                                            kestrel::CommandTable::kFirstAddedCommand));
        for (std::int32_t command = kestrel::CommandTable::kFirstAddedCommand;
             command < kestrel::CommandTable::kCount; ++command) {
            Check(table.FirstBindingOf(command) != nullptr ||
                  table.Count() == kestrel::KeyTable::kMaxBindings);
        }
    }

    for (const kestrel::KeyBinding& binding : table) {
        if (!binding.IsBound()) {
            Check(!kestrel::CommandTable::IsValid(binding.command));
        }
        Check(kestrel::RecorderRowText(binding).size() <= kestrel::kRecorderRowLimit);
    }
    for (const kestrel::MenuLabel& label : kestrel::MenuLabels()) {
        Check(kestrel::MenuItemText(label, table).size() <= kestrel::kMenuTextLimit);
    }
    CheckLookups(table);

    kestrel::StoredKeyTable stored = kestrel::StoreKeyTable(table, false);
    Check(stored.writeTable && stored.bytes.size() == table.Count() * kestrel::kStoredBindingSize);
    kestrel::LoadedKeyTable again =
        kestrel::LoadKeyTable(stored.keyCnt, stored.bytes.data(), stored.bytes.size());
    Check(again.table == table);
    return 0;
}
