// The search pattern of "Find text" and "Find next", matched against one line at a time, forwards
// from a start index or backwards from an end index. Case folding touches only the letters A to
// Z; every other byte, those above 127 included, matches only itself.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrel {

class FindMatcher {
public:
    static constexpr std::size_t kNotFound = std::string_view::npos;

    // `pattern` as the user typed it; without `matchCase` the letters A to Z match their lower
    // case forms and the other way round.
    FindMatcher(std::string_view pattern, bool matchCase);

    std::size_t Length() const { return pattern_.size(); }

    // The leftmost match in `text` that starts at or after `from`; kNotFound when there is none.
    std::size_t FindForward(std::string_view text, std::size_t from) const;
    // The rightmost match in `text` that ends at or before `end` (an end beyond the text counts
    // as the end of the text); kNotFound when there is none.
    std::size_t FindBackward(std::string_view text, std::size_t end) const;

private:
    // True when the pattern matches `text` at `at` (room for it is the caller's business).
    bool MatchesAt(const char* text) const;

    std::string pattern_;                   // folded when the case does not matter
    std::array<unsigned char, 256> fold_{}; // byte -> byte it compares as
    // Horspool skips, indexed by the raw byte: forwards by the byte under the pattern's last
    // character, backwards by the byte under its first.
    std::array<std::size_t, 256> skipForward_{};
    std::array<std::size_t, 256> skipBackward_{};
};

} // namespace kestrel
