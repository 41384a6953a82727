// The exact-fit reads of stored settings.
#include "settings/settings_values.h"

#include <algorithm>

namespace kestrel {

namespace {

constexpr std::size_t kNumberSize = 4;

// The value's bytes when it holds exactly `size` of them.
std::optional<std::vector<std::uint8_t>> ReadExact(const SettingsSource& source, const char* name,
                                                   std::size_t size) {
    std::optional<std::vector<std::uint8_t>> bytes = source.ReadValue(name, size);
    if (!bytes || bytes->size() != size) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool ReadByte(const SettingsSource& source, const char* name, std::uint8_t& byte) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadExact(source, name, 1);
    if (!bytes) {
        return false;
    }
    byte = (*bytes)[0];
    return true;
}

bool ReadFlag(const SettingsSource& source, const char* name, bool& flag, bool defaultFlag) {
    std::uint8_t byte = 0;
    if (!ReadByte(source, name, byte)) {
        flag = defaultFlag;
        return false;
    }
    flag = byte != 0;
    return true;
}

bool ReadNumber(const SettingsSource& source, const char* name, std::uint32_t& number,
                std::uint32_t defaultNumber) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadExact(source, name, kNumberSize);
    if (!bytes) {
        number = defaultNumber;
        return false;
    }
    number = DecodeWord(bytes->data());
    return true;
}

bool ReadNumber(const SettingsSource& source, const char* name, std::int32_t& number,
                std::int32_t defaultNumber) {
    std::uint32_t word = 0;
    bool ok = ReadNumber(source, name, word, static_cast<std::uint32_t>(defaultNumber));
    number = static_cast<std::int32_t>(word);
    return ok;
}

bool ReadNumberInRange(const SettingsSource& source, const char* name, std::int32_t& number,
                       std::int32_t defaultNumber, std::int32_t minimum, std::int32_t maximum) {
    if (!ReadNumber(source, name, number, defaultNumber)) {
        return false;
    }
    if (number < minimum || number > maximum) {
        number = defaultNumber;
        return false;
    }
    return true;
}

bool ReadText(const SettingsSource& source, const char* name, std::size_t size, std::string& text,
              std::string_view defaultText) {
    std::optional<std::vector<std::uint8_t>> bytes;
    if (size > 0) {
        bytes = source.ReadValue(name, size);
    }
    if (bytes) {
        auto end = std::find(bytes->begin(), bytes->end(), std::uint8_t{0});
        std::size_t length = static_cast<std::size_t>(end - bytes->begin());
        // A text stored without its NUL still needs room for one in the buffer.
        if (length < size) {
            text.assign(bytes->begin(), end);
            return true;
        }
    }
    text.assign(defaultText.substr(0, size > 0 ? size - 1 : 0));
    return false;
}

bool ReadStoredText(const SettingsSource& source, const char* name, std::size_t size,
                    std::string& text) {
    text.clear();
    std::optional<std::vector<std::uint8_t>> bytes;
    if (size > 0) {
        bytes = source.ReadTextValue(name, size);
    }
    if (!bytes) {
        return false;
    }
    auto end = std::find(bytes->begin(), bytes->end(), std::uint8_t{0});
    if (static_cast<std::size_t>(end - bytes->begin()) >= size) {
        return false;
    }
    text.assign(bytes->begin(), end);
    return true;
}

bool ReadBinary(const SettingsSource& source, const char* name, std::uint8_t* data,
                std::size_t size) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadExact(source, name, size);
    if (!bytes) {
        return false;
    }
    std::copy(bytes->begin(), bytes->end(), data);
    return true;
}

bool WriteFlag(SettingsSink& sink, const char* name, bool flag) {
    return WriteByte(sink, name, flag ? 1 : 0);
}

bool WriteByte(SettingsSink& sink, const char* name, std::uint8_t byte) {
    return sink.WriteBinary(name, &byte, 1);
}

std::uint32_t DecodeWord(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void EncodeWord(std::uint8_t* bytes, std::uint32_t value) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
    bytes[2] = static_cast<std::uint8_t>(value >> 16);
    bytes[3] = static_cast<std::uint8_t>(value >> 24);
}

} // namespace kestrel
