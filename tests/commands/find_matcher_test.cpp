// The find matcher against a plain scan, at every start and end limit of lines that hold
// repeats, tabs, both cases, the punctuation beside the letters and bytes above 127.
#include "commands/find_matcher.h"

#include <algorithm>
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

constexpr std::size_t kNone = FindMatcher::kNotFound;

// Folding touches A to Z only: not "[" against "{", "@" against "`", nor bytes above 127.
char Fold(char c, bool matchCase) {
    return !matchCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

TEST(FindMatcher, AgreesWithAPlainScanAtEveryLimit) {
    const std::string lines[] = {"aAb\tab abAB\xE1 ba ab", "[{@`]} caf\xE9 CAF\xC9 caf\xC9",
                                 std::string("a\0b a\0B", 7), ""};
    const std::string patterns[] = {"ab", "a", "AB", "b a", "\xE1", "bab", "[", "{", "@",
                                    "CAF\xC9", "caf\xE9", std::string("\0b", 2), "longer than any"};
    for (const std::string& text : lines) {
        for (const std::string& pattern : patterns) {
            for (bool matchCase : {true, false}) {
                FindMatcher matcher(pattern, matchCase);
                auto matchesAt = [&](std::size_t at) {
                    for (std::size_t i = 0; i < pattern.size(); ++i) {
                        if (Fold(text[at + i], matchCase) != Fold(pattern[i], matchCase)) {
                            return false;
                        }
                    }
                    return true;
                };
                for (std::size_t limit = 0; limit <= text.size() + 1; ++limit) {
                    std::size_t forward = kNone;
                    for (std::size_t at = limit; at + pattern.size() <= text.size(); ++at) {
                        if (matchesAt(at)) {
                            forward = at;
                            break;
                        }
                    }
                    std::size_t backward = kNone;
                    for (std::size_t end = std::min(limit, text.size()); end >= pattern.size();
                         --end) {
                        if (matchesAt(end - pattern.size())) {
                            backward = end - pattern.size();
                            break;
                        }
                    }
                    const std::string where = pattern + " @" + std::to_string(limit);
                    EXPECT_EQ(matcher.FindForward(text, limit), forward) << where;
                    EXPECT_EQ(matcher.FindBackward(text, limit), backward) << where;
                }
            }
        }
    }
}

} // namespace
} // namespace kestrel
