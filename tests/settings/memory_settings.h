// An in-memory settings key for the tests: values by name with the kind they were written as,
// read back byte for byte as the registry would return them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings_values.h"

namespace kestrel {

enum class ValueKind { Binary, Number, Text };

struct MemoryValue {
    ValueKind kind = ValueKind::Binary;
    std::vector<std::uint8_t> bytes;
};

class MemorySettings : public SettingsSource, public SettingsSink {
public:
    std::optional<std::vector<std::uint8_t>> ReadValue(const char* name,
                                                       std::size_t limit) const override {
        std::size_t& largest = readLimits_[name];
        largest = std::max(largest, limit);
        auto found = values_.find(name);
        if (found == values_.end() || found->second.bytes.size() > limit) {
            return std::nullopt;
        }
        return found->second.bytes;
    }

    // The largest byte limit any read of `name` asked for; 0 when it was never read.
    std::size_t LargestReadLimit(const std::string& name) const {
        auto found = readLimits_.find(name);
        return found == readLimits_.end() ? 0 : found->second;
    }

    std::optional<std::vector<std::uint8_t>> ReadTextValue(const char* name,
                                                           std::size_t limit) const override {
        const MemoryValue* value = Find(name);
        if (value == nullptr || value->kind != ValueKind::Text) {
            return std::nullopt;
        }
        return ReadValue(name, limit);
    }

    bool WriteBinary(const char* name, const std::uint8_t* data, std::size_t size) override {
        Record(name, ValueKind::Binary, std::vector<std::uint8_t>(data, data + size));
        return true;
    }
    bool WriteNumber(const char* name, std::uint32_t value) override {
        Record(name, ValueKind::Number, NumberBytes(value));
        return true;
    }
    bool WriteText(const char* name, std::string_view text) override {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        Record(name, ValueKind::Text, bytes);
        return true;
    }
    bool DeleteValue(const char* name) override {
        values_.erase(name);
        order_.push_back(std::string("-") + name);
        return true;
    }

    // Stores a value as the registry would hold it, without recording a write.
    void SetBytes(const std::string& name, std::vector<std::uint8_t> bytes) {
        values_[name] = MemoryValue{ValueKind::Binary, std::move(bytes)};
    }
    void SetNumber(const std::string& name, std::uint32_t value) {
        values_[name] = MemoryValue{ValueKind::Number, NumberBytes(value)};
    }
    void SetText(const std::string& name, std::string_view text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        values_[name] = MemoryValue{ValueKind::Text, bytes};
    }

    const MemoryValue* Find(const std::string& name) const {
        auto found = values_.find(name);
        return found == values_.end() ? nullptr : &found->second;
    }
    std::size_t Size() const { return values_.size(); }
    // Names in the order they were written; deletions are prefixed with "-".
    const std::vector<std::string>& WriteOrder() const { return order_; }

    static std::vector<std::uint8_t> NumberBytes(std::uint32_t value) {
        return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    }

private:
    void Record(const char* name, ValueKind kind, std::vector<std::uint8_t> bytes) {
        values_[name] = MemoryValue{kind, std::move(bytes)};
        order_.push_back(name);
    }

    std::map<std::string, MemoryValue> values_;
    mutable std::map<std::string, std::size_t> readLimits_;
    std::vector<std::string> order_;
};

} // namespace kestrel
