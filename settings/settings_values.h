// Where stored settings come from and go to, and the exact-fit reads every stored value goes
// through: a value that is absent or does not fit its read size leaves its default in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// The values of one settings key, read by name. The registry implements it; tests and fuzz
// targets use a map.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;

    // The stored bytes of value `name`, as they are, whatever its type. Nothing when the value
    // is absent, cannot be read, or is longer than `limit` bytes.
    virtual std::optional<std::vector<std::uint8_t>> ReadValue(const char* name,
                                                               std::size_t limit) const = 0;
    // As ReadValue, but only for a value stored as a text; a store that keeps no value types
    // reads every value.
    virtual std::optional<std::vector<std::uint8_t>> ReadTextValue(const char* name,
                                                                   std::size_t limit) const {
        return ReadValue(name, limit);
    }
};

// The values of one settings key, written by name. Each call reports whether the store took
// it; callers that store settings ignore failures, since they are never shown.
class SettingsSink {
public:
    virtual ~SettingsSink() = default;

    // A binary value of `size` bytes (flags are one byte, 0 or 1).
    virtual bool WriteBinary(const char* name, const std::uint8_t* data, std::size_t size) = 0;
    // A 32-bit number.
    virtual bool WriteNumber(const char* name, std::uint32_t value) = 0;
    // A text, stored with its terminating NUL.
    virtual bool WriteText(const char* name, std::string_view text) = 0;
    // Removes the value; true also when there was none to remove.
    virtual bool DeleteValue(const char* name) = 0;
};

// Exactly one byte. On failure `byte` keeps what it held.
bool ReadByte(const SettingsSource& source, const char* name, std::uint8_t& byte);

// Exactly one byte: any nonzero byte is true. On failure the flag becomes `defaultFlag`.
bool ReadFlag(const SettingsSource& source, const char* name, bool& flag, bool defaultFlag);

// Exactly four bytes, little-endian. On failure the number becomes `defaultNumber`.
bool ReadNumber(const SettingsSource& source, const char* name, std::uint32_t& number,
                std::uint32_t defaultNumber);
bool ReadNumber(const SettingsSource& source, const char* name, std::int32_t& number,
                std::int32_t defaultNumber);

// As ReadNumber, but a stored number outside minimum..maximum also takes the default.
bool ReadNumberInRange(const SettingsSource& source, const char* name, std::int32_t& number,
                       std::int32_t defaultNumber, std::int32_t minimum, std::int32_t maximum);

// A text that fits a buffer of `size` bytes with its terminating NUL, so at most size - 1
// characters; it ends at its first NUL. A stored text without a NUL counts all its bytes. On
// failure the text becomes `defaultText`.
bool ReadText(const SettingsSource& source, const char* name, std::size_t size, std::string& text,
              std::string_view defaultText);

// A value stored as a text that fits a buffer of `size` bytes with its NUL, as ReadText reads
// it; a value of any other type, or one that does not fit, is refused and `text` is cleared.
bool ReadStoredText(const SettingsSource& source, const char* name, std::size_t size,
                    std::string& text);

// Exactly `size` bytes into `data`; on failure `data` keeps what it held.
bool ReadBinary(const SettingsSource& source, const char* name, std::uint8_t* data,
                std::size_t size);

bool WriteFlag(SettingsSink& sink, const char* name, bool flag);
bool WriteByte(SettingsSink& sink, const char* name, std::uint8_t byte);

// Little-endian 32-bit words, the byte order of stored numbers and records.
std::uint32_t DecodeWord(const std::uint8_t* bytes);
void EncodeWord(std::uint8_t* bytes, std::uint32_t value);

} // namespace kestrel
