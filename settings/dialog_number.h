// How the option dialogs read the numbers typed into their edits, and the rules that decide
// whether a typed number is taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kestrel {

// An edit is read through a buffer of this many characters.
constexpr std::size_t kDialogNumberChars = 19;

// The leading decimal number of the first 19 characters of `text`: blanks, an optional sign,
// then digits; 0 when there is none. A number beyond the 32-bit range saturates at its end, so
// it is out of every range rather than wrapping into one.
std::int32_t ReadDialogNumber(std::string_view text);

// `typed` when it lies in minimum..maximum, else `current`: out-of-range entries are ignored.
std::int32_t TakeInRange(std::int32_t typed, std::int32_t minimum, std::int32_t maximum,
                         std::int32_t current);

// The left margin as the page setup takes it: anything above 18 becomes 18.
std::int32_t LeftMarginFrom(std::int32_t typed);

enum class LineLengthChange {
    Unchanged, // the number shown at opening: nothing happens
    Refused,   // the two-line message, and the old value stays
    Accepted,  // the new longest line
};

// Whether a new longest line allowed is taken: only 256..8192, only while the document is one
// line, and never below the length of that line, which would no longer fit its buffer.
LineLengthChange DecideLineLength(std::int32_t typed, std::int32_t shown, std::int32_t lineCount,
                                  std::int32_t caretLineLength);

} // namespace kestrel
