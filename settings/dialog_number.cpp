// The option dialogs' number reading and range rules.
#include "settings/dialog_number.h"

#include <cstdint>
#include <limits>

#include "settings/editor_settings.h"

namespace kestrel {

std::int32_t ReadDialogNumber(std::string_view text) {
    text = text.substr(0, kDialogNumberChars);
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    // Growth stops once the number is past every 32-bit value; it saturates below.
    constexpr std::int64_t kPastRange = std::int64_t{1} << 40;
    std::int64_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        if (value < kPastRange) {
            value = value * 10 + (text[at] - '0');
        }
        ++at;
    }
    if (negative) {
        value = -value;
    }
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLow ? kLow : value > kHigh ? kHigh : value);
}

std::int32_t TakeInRange(std::int32_t typed, std::int32_t minimum, std::int32_t maximum,
                         std::int32_t current) {
    return typed >= minimum && typed <= maximum ? typed : current;
}

std::int32_t LeftMarginFrom(std::int32_t typed) {
    return typed > kMaxLeftMargin ? kMaxLeftMargin : typed;
}

LineLengthChange DecideLineLength(std::int32_t typed, std::int32_t shown, std::int32_t lineCount,
                                  std::int32_t caretLineLength) {
    if (typed == shown) {
        return LineLengthChange::Unchanged;
    }
    if (typed < kMinLineLength || typed > kMaxLineLength || lineCount != 1 ||
        caretLineLength >= typed) {
        return LineLengthChange::Refused;
    }
    return LineLengthChange::Accepted;
}

} // namespace kestrel
