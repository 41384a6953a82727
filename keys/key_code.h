// One keystroke as bindings record it: a virtual-key code with "present", Shift, Ctrl and Alt bits.
#pragma once

#include <cstdint>

namespace kestrel {

// The Windows virtual-key numbers the key code needs by name (the core never sees <windows.h>).
// Letters and digits are their upper-case ASCII codes.
constexpr std::uint16_t kVkBack = 0x08;
constexpr std::uint16_t kVkTab = 0x09;
constexpr std::uint16_t kVkReturn = 0x0D;
constexpr std::uint16_t kVkShift = 0x10;
constexpr std::uint16_t kVkControl = 0x11;
constexpr std::uint16_t kVkMenu = 0x12; // Alt
constexpr std::uint16_t kVkEscape = 0x1B;
constexpr std::uint16_t kVkSpace = 0x20;
constexpr std::uint16_t kVkPrior = 0x21; // Page Up
constexpr std::uint16_t kVkNext = 0x22;  // Page Down
constexpr std::uint16_t kVkEnd = 0x23;
constexpr std::uint16_t kVkHome = 0x24;
constexpr std::uint16_t kVkLeft = 0x25;
constexpr std::uint16_t kVkUp = 0x26;
constexpr std::uint16_t kVkRight = 0x27;
constexpr std::uint16_t kVkDown = 0x28;
constexpr std::uint16_t kVkInsert = 0x2D;
constexpr std::uint16_t kVkDelete = 0x2E;
constexpr std::uint16_t kVkF1 = 0x70;
constexpr std::uint16_t kVkF12 = 0x7B;

// An unsigned 32-bit word: bits 0-15 the virtual-key code, bit 16 set in every real keystroke,
// bits 17/18/19 Shift/Ctrl/Alt. The value 0 means "no key". Stored tables may hold any word, so
// nothing here assumes the upper bits are clear.
class KeyCode {
public:
    static constexpr std::uint32_t kVirtualKeyMask = 0xFFFF;
    static constexpr std::uint32_t kPresentBit = 0x10000;
    static constexpr std::uint32_t kShiftBit = 0x20000;
    static constexpr std::uint32_t kCtrlBit = 0x40000;
    static constexpr std::uint32_t kAltBit = 0x80000;

    constexpr KeyCode() = default;
    constexpr explicit KeyCode(std::uint32_t value) : value_(value) {}

    // The keystroke of a key-down of `virtualKey` (only its low 16 bits count) with the given
    // modifiers held. The caller has already filtered out the modifier keys themselves.
    static constexpr KeyCode Make(std::uint32_t virtualKey, bool shift, bool ctrl, bool alt) {
        std::uint32_t value = (virtualKey & kVirtualKeyMask) | kPresentBit;
        if (shift) {
            value |= kShiftBit;
        }
        if (ctrl) {
            value |= kCtrlBit;
        }
        if (alt) {
            value |= kAltBit;
        }
        return KeyCode(value);
    }

    // Shift, Ctrl and Alt only change other keys; they are never the key of a keystroke.
    static constexpr bool IsModifierKey(std::uint32_t virtualKey) {
        std::uint32_t key = virtualKey & kVirtualKeyMask;
        return key == kVkShift || key == kVkControl || key == kVkMenu;
    }

    constexpr std::uint32_t Value() const { return value_; }
    constexpr std::uint16_t VirtualKey() const {
        return static_cast<std::uint16_t>(value_ & kVirtualKeyMask);
    }
    constexpr bool IsNone() const { return value_ == 0; }
    constexpr bool HasKey() const { return (value_ & kPresentBit) != 0; }
    constexpr bool Shift() const { return (value_ & kShiftBit) != 0; }
    constexpr bool Ctrl() const { return (value_ & kCtrlBit) != 0; }
    constexpr bool Alt() const { return (value_ & kAltBit) != 0; }

    friend constexpr bool operator==(KeyCode a, KeyCode b) { return a.value_ == b.value_; }
    friend constexpr bool operator!=(KeyCode a, KeyCode b) { return a.value_ != b.value_; }

private:
    std::uint32_t value_ = 0;
};

} // namespace kestrel
