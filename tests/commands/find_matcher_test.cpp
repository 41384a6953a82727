// The find matcher on single lines: both directions, the case rule and the search limits.
#include "commands/find_matcher.h"

#include <string>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

constexpr std::size_t kNone = FindMatcher::kNotFound;

struct MatchCase {
    const char* name;
    std::string text;
    std::string pattern;
    bool matchCase;
    bool up;
    std::size_t limit; // down: first start allowed; up: last end allowed
    std::size_t expected;
};

class FindMatcherTable : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FindMatcherTable, FindsTheExpectedOccurrence) {
    const MatchCase& c = GetParam();
    FindMatcher matcher(c.pattern, c.matchCase);
    const std::size_t found =
        c.up ? matcher.FindBackward(c.text, c.limit) : matcher.FindForward(c.text, c.limit);
    EXPECT_EQ(found, c.expected) << c.name;
}

const std::string kHigh = "caf\xE9 CAF\xC9 caf\xC9";

INSTANTIATE_TEST_SUITE_P(
    Lines, FindMatcherTable,
    ::testing::Values(
        MatchCase{"down from start", "abc abc", "abc", true, false, 0, 0},
        MatchCase{"down skips a start before the limit", "abc abc", "abc", true, false, 1, 4},
        MatchCase{"down at the very end", "xxabc", "abc", true, false, 2, 2},
        MatchCase{"down limit past the end", "abc", "abc", true, false, 4, kNone},
        MatchCase{"down overlapping", "aaaa", "aa", true, false, 1, 1},
        MatchCase{"down case differs", "ABC", "abc", true, false, 0, kNone},
        MatchCase{"down folded", "xABC aBc", "abc", false, false, 0, 1},
        MatchCase{"folded pattern upper", "xx abc", "ABC", false, false, 0, 3},
        MatchCase{"fold is A-Z only", "[\\]", "{|}", false, false, 0, kNone},
        MatchCase{"no fold of @ and `", "@", "`", false, false, 0, kNone},
        MatchCase{"high bytes exact, case off", kHigh, "CAF\xC9", false, false, 0, 5},
        MatchCase{"high bytes never folded", kHigh, "caf\xE9", false, false, 1, kNone},
        MatchCase{"pattern longer than line", "ab", "abc", false, false, 0, kNone},
        MatchCase{"empty line", "", "a", false, false, 0, kNone},
        MatchCase{"NUL inside the line", std::string("a\0b", 3), std::string("\0b", 2), true,
                  false, 0, 1},
        MatchCase{"up finds the last whole one", "abc abc abc", "abc", true, true, 11, 8},
        MatchCase{"up ends at or before the limit", "abc abc abc", "abc", true, true, 10, 4},
        MatchCase{"up end exactly at limit", "abc abc", "abc", true, true, 7, 4},
        MatchCase{"up limit before any end", "abc", "abc", true, true, 2, kNone},
        MatchCase{"up limit beyond the text", "abcx", "abc", true, true, kNone, 0},
        MatchCase{"up overlapping", "aaaa", "aa", true, true, 4, 2},
        MatchCase{"up folded", "ABC abc", "aBc", false, true, 7, 4},
        MatchCase{"up case sensitive", "abc ABC", "ABC", true, true, 3, kNone},
        MatchCase{"up high bytes", kHigh, "CAF\xC9", false, true, 9, 5}));

TEST(FindMatcher, AgreesWithAPlainScanEverywhere) {
    // Every start limit and end limit over a line with repeats, tabs and mixed case.
    const std::string text = "aAb\tab abAB\xE1 ba ab";
    for (const std::string pattern : {"ab", "a", "AB", "b a", "\xE1", "bab"}) {
        for (bool matchCase : {true, false}) {
            FindMatcher matcher(pattern, matchCase);
            auto fold = [matchCase](char c) {
                return !matchCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
            };
            auto matchesAt = [&](std::size_t at) {
                for (std::size_t i = 0; i < pattern.size(); ++i) {
                    if (fold(text[at + i]) != fold(pattern[i])) {
                        return false;
                    }
                }
                return true;
            };
            for (std::size_t limit = 0; limit <= text.size(); ++limit) {
                std::size_t forward = kNone;
                for (std::size_t at = limit; at + pattern.size() <= text.size(); ++at) {
                    if (matchesAt(at)) {
                        forward = at;
                        break;
                    }
                }
                std::size_t backward = kNone;
                for (std::size_t end = limit; end >= pattern.size(); --end) {
                    if (matchesAt(end - pattern.size())) {
                        backward = end - pattern.size();
                        break;
                    }
                }
                EXPECT_EQ(matcher.FindForward(text, limit), forward) << pattern << " " << limit;
                EXPECT_EQ(matcher.FindBackward(text, limit), backward) << pattern << " " << limit;
            }
        }
    }
}

} // namespace
} // namespace kestrel
