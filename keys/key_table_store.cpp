// Encoding and decoding of the stored key table.
#include "keys/key_table_store.h"

#include <utility>

namespace kestrel {

namespace {

constexpr std::size_t kCommandOffset = 0;
constexpr std::size_t kKey1Offset = 24;
constexpr std::size_t kKey2Offset = 28;
constexpr std::size_t kKey3Offset = 32;

std::uint32_t ReadWord(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void WriteWord(std::uint8_t* bytes, std::uint32_t value) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
    bytes[2] = static_cast<std::uint8_t>(value >> 16);
    bytes[3] = static_cast<std::uint8_t>(value >> 24);
}

// `record` points at kStoredBindingSize readable bytes.
KeyBinding DecodeRecord(const std::uint8_t* record) {
    KeyBinding binding;
    binding.command = static_cast<std::int32_t>(ReadWord(record + kCommandOffset));
    binding.key1 = KeyCode(ReadWord(record + kKey1Offset));
    binding.key2 = KeyCode(ReadWord(record + kKey2Offset));
    binding.key3 = KeyCode(ReadWord(record + kKey3Offset));
    return binding;
}

void EncodeRecord(const KeyBinding& binding, std::uint8_t* record) {
    for (std::size_t i = 0; i < kStoredBindingSize; ++i) {
        record[i] = 0;
    }
    WriteWord(record + kCommandOffset, static_cast<std::uint32_t>(binding.command));
    WriteWord(record + kKey1Offset, binding.key1.Value());
    WriteWord(record + kKey2Offset, binding.key2.Value());
    WriteWord(record + kKey3Offset, binding.key3.Value());
}

} // namespace

StoredBinding EncodeBinding(const KeyBinding& binding) {
    StoredBinding record{};
    EncodeRecord(binding, record.data());
    return record;
}

KeyBinding DecodeBinding(const StoredBinding& record) {
    return DecodeRecord(record.data());
}

std::vector<std::uint8_t> EncodeKeyTable(const KeyTable& table) {
    std::vector<std::uint8_t> bytes(table.Count() * kStoredBindingSize);
    for (std::size_t row = 0; row < table.Count(); ++row) {
        EncodeRecord(table.At(row), bytes.data() + row * kStoredBindingSize);
    }
    return bytes;
}

LoadedKeyTable LoadKeyTable(std::uint32_t keyCnt, const std::uint8_t* data, std::size_t size) {
    // The bound is checked before any multiplication, so the byte count cannot wrap even where
    // size_t is 32 bits.
    if (keyCnt == 0 || keyCnt > KeyTable::kMaxBindings) {
        return LoadedKeyTable{KeyTable::Defaults(), true};
    }
    if (data == nullptr) {
        size = 0;
    }
    std::size_t count = keyCnt;
    std::size_t supplied = size / kStoredBindingSize;
    std::vector<KeyBinding> bindings(count);
    for (std::size_t row = 0; row < count && row < supplied; ++row) {
        bindings[row] = DecodeRecord(data + row * kStoredBindingSize);
    }
    KeyTable table(std::move(bindings));
    table.AddMissingCommands();
    return LoadedKeyTable{std::move(table), false};
}

StoredKeyTable StoreKeyTable(const KeyTable& table, bool restored) {
    if (restored || table.IsEmpty()) {
        return StoredKeyTable{0, false, {}};
    }
    return StoredKeyTable{static_cast<std::uint32_t>(table.Count()), true, EncodeKeyTable(table)};
}

} // namespace kestrel
