// Replacing against a plain model, line by line and through "Replace all", with the caret line,
// memory running out, and the Replace button's one match.
#include "commands/text_replacer.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/fake_editor.h"

namespace kestrel {
namespace {

using namespace std::string_literals;

struct Counts {
    std::int64_t replaced = 0, skipped = 0;
    std::int32_t changed = 0;
};

// Walks the line: where the pattern matches (A to Z folded without case) the replacement goes in
// when the line then fits the limit or does not grow, else the match stays; both go on after it.
std::string Model(const std::string& text, const std::string& pattern, const std::string& with,
                  bool matchCase, std::size_t limit, Counts& counts) {
    auto fold = [&](char c) { return !matchCase && c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    std::string out;
    std::size_t length = text.size();
    for (std::size_t i = 0; i < text.size();) {
        bool match = !pattern.empty() && i + pattern.size() <= text.size();
        for (std::size_t k = 0; match && k < pattern.size(); ++k) {
            match = fold(text[i + k]) == fold(pattern[k]);
        }
        if (!match) {
            out += text[i++];
            continue;
        }
        if (with.size() <= pattern.size() || length - pattern.size() + with.size() <= limit) {
            out += with;
            length = length - pattern.size() + with.size();
            ++counts.replaced;
        } else {
            out += text.substr(i, pattern.size());
            ++counts.skipped;
        }
        i += pattern.size();
    }
    counts.changed += out != text;
    return out;
}

struct LineCase {
    std::string text, pattern, with;
    bool matchCase;
    std::int32_t limit;
    std::string expected;
};

// Worked by hand, so that a fault the model shares with the code still shows. Their texts are
// also the document that the model checks "Replace all" on.
const LineCase kLineCases[] = {
    {"aaa", "aa", "b", true, 99, "ba"},
    {"a a", "a", "aa", true, 99, "aa aa"},
    {"xaxa", "a", "", true, 99, "xx"},
    {"ABab", "ab", "x", false, 99, "xx"},
    {"ABab", "ab", "x", true, 99, "ABx"},
    {"Caf\xC9 caf\xE9 CAFE", "caf\xE9", "T", false, 99, "Caf\xC9 T CAFE"},
    {"ababab", "ab", "abc", true, 7, "abcabab"},
    {"aaaa", "aa", "b", true, 2, "bb"},
    {"aaaa", "a", "bb", true, 2, "aaaa"},
    {"\tx\0y\x80x"s, "x", "zz", true, 99, "\tzz\0y\x80zz"s},
    {"\0a\0A"s, "\0a"s, "b", false, 99, "bb"},
    {"", "a", "b", true, 99, ""},
    {"abc", "", "x", true, 99, "abc"},
};

TEST(TextReplacer, ReplacesInALineAsWorkedByHandAndAsTheModelDoes) {
    for (const LineCase& c : kLineCases) {
        Counts counts;
        EXPECT_EQ(Model(c.text, c.pattern, c.with, c.matchCase, c.limit, counts), c.expected);
        const FindMatcher matcher(c.pattern, c.matchCase);
        TextReplacer replacer(matcher, c.with, c.limit);
        ASSERT_TRUE(replacer.ReplaceInLine(c.text));
        EXPECT_EQ(replacer.Text(), c.expected) << c.text;
        EXPECT_EQ(replacer.Replaced(), counts.replaced) << c.text;
        EXPECT_EQ(replacer.Skipped(), counts.skipped) << c.text;
    }
}

TEST(ReplaceAll, AgreesWithTheModelForEverySearchReplacementLimitAndCase) {
    std::vector<std::string> lines;
    for (const LineCase& c : kLineCases) {
        lines.push_back(c.text);
    }
    for (const std::string& pattern : {"a"s, "aa"s, "AB"s, "\xE9"s, "\0a"s, "ba"s}) {
        for (const std::string& with : {""s, "A"s, "aa"s, "xyz"s, "ab ab ab"s}) {
            for (const std::int32_t limit : {0, 5, 9, 99}) {
                for (const bool matchCase : {true, false}) {
                    FakeEditor editor;
                    editor.Load(lines);
                    const FindMatcher matcher(pattern, matchCase);
                    const ReplaceAllResult result = ReplaceAll(editor.store, matcher, with, limit);
                    Counts counts;
                    for (std::size_t i = 0; i < lines.size(); ++i) {
                        EXPECT_EQ(editor.StoredLine(static_cast<std::int32_t>(i)),
                                  Model(lines[i], pattern, with, matchCase, limit, counts))
                            << pattern << "/" << with << "/" << limit << "/" << matchCase;
                    }
                    EXPECT_EQ(result.replaced, counts.replaced);
                    EXPECT_EQ(result.skipped, counts.skipped);
                    EXPECT_EQ(result.changedLines, counts.changed);
                    EXPECT_EQ(editor.store.Flags().modified, counts.changed > 0);
                    EXPECT_FALSE(result.outOfMemory);
                }
            }
        }
    }
}

TEST(ReplaceAll, StoresTheCaretLineFirstAndLeavesOtherLinesWhereTheyAre) {
    FakeEditor editor;
    editor.Load({"alpha", "beta", "alpha beta"});
    editor.PutCaret(0, 2, 0, 0);
    editor.store.CurrentLine().Assign("alpha alpha"); // an unstored edit
    editor.store.Flags().currentLineChanged = true;
    const char* beta = editor.store.Record(1).text;
    const ReplaceAllResult result = ReplaceAll(editor.store, FindMatcher("ALPHA", false), "z", 9);
    EXPECT_EQ(result.replaced, 3);
    EXPECT_EQ(editor.StoredLine(2), "z z");
    EXPECT_EQ(editor.Line(2), "z z") << "the caret line's buffer follows";
    EXPECT_EQ(editor.store.Record(1).text, beta);
}

// One arena block and no more: the store runs dry part of the way through the document.
int blocksLeft = 0;
void* OneBlockAllocator(std::size_t size) {
    return blocksLeft-- > 0 ? std::malloc(size) : nullptr;
}

TEST(ReplaceAll, StopsWhereMemoryRunsOutWithTheLinesBeforeDone) {
    FakeEditor editor;
    const std::vector<std::string> lines(100, std::string(1000, 'a'));
    editor.Load(lines);
    blocksLeft = 1;
    editor.store.Arena().SetBlockAllocator(OneBlockAllocator);
    const ReplaceAllResult result = ReplaceAll(editor.store, FindMatcher("a", true), "bb", 2047);
    ASSERT_TRUE(result.outOfMemory);
    ASSERT_GT(result.changedLines, 0);
    ASSERT_LT(result.changedLines, 100);
    EXPECT_EQ(result.replaced, result.changedLines * 1000);
    for (std::int32_t i = 0; i < 100; ++i) {
        EXPECT_EQ(editor.StoredLine(i),
                  i < result.changedLines ? std::string(2000, 'b') : lines[0]);
    }
    EXPECT_TRUE(editor.store.Flags().readOnly);
    EXPECT_EQ(editor.messages, std::vector<std::string>{"Out of memory|"});

    // A caret line whose edit cannot be stored stops the pass before it starts.
    editor.store.CurrentLine().Assign(std::string(2001, 'b'));
    editor.store.Flags().currentLineChanged = true;
    editor.store.Flags().readOnly = false;
    const ReplaceAllResult none = ReplaceAll(editor.store, FindMatcher("bb", true), "c", 99);
    EXPECT_TRUE(none.outOfMemory);
    EXPECT_EQ(none.replaced, 0);
}

struct AtCase {
    std::int32_t line, index, length;
    bool matchCase;
    std::int32_t limit;
    ReplaceAtOutcome outcome;
    std::int32_t next;
    std::string after;
};

TEST(TextReplacer, ReplacesTheOneMatchTheButtonStandsOn) {
    using Outcome = ReplaceAtOutcome;
    const AtCase cases[] = {
        {0, 4, 3, false, 99, Outcome::Replaced, 9, "one three two"},
        {0, 4, 3, true, 99, Outcome::NotAMatch, 4, "one Two two"},
        {0, 8, 3, true, 99, Outcome::Replaced, 13, "one Two three"},
        {0, 5, 3, false, 99, Outcome::NotAMatch, 5, "one Two two"},
        {0, 9, 3, false, 99, Outcome::NotAMatch, 9, "one Two two"},
        {0, -1, 3, false, 99, Outcome::NotAMatch, 0, "one Two two"},
        {0, 8, 2, false, 99, Outcome::NotAMatch, 8, "one Two two"},
        {1, 0, 3, false, 99, Outcome::NotAMatch, 0, "one Two two"},
        {0, 4, 3, false, 12, Outcome::TooLong, 7, "one Two two"},
    };
    for (const AtCase& c : cases) {
        FakeEditor editor;
        editor.Load({"one Two two"});
        const FindMatcher matcher("two", c.matchCase);
        TextReplacer replacer(matcher, "three", c.limit);
        const ReplaceAtResult result =
            replacer.ReplaceMatchAt(editor.store, c.line, c.index, c.length);
        EXPECT_EQ(result.outcome, c.outcome) << c.index;
        EXPECT_EQ(result.next, c.next) << c.index;
        EXPECT_EQ(editor.Line(0), c.after) << c.index;
        EXPECT_EQ(editor.StoredLine(0), c.after) << c.index;
    }
    FakeEditor editor;
    editor.Load({"one Two two"});
    editor.store.Arena().SetBlockAllocator(FailingBlockAllocator);
    const FindMatcher matcher("two", true);
    TextReplacer replacer(matcher, "three", 99);
    EXPECT_EQ(replacer.ReplaceMatchAt(editor.store, 0, 8, 3).outcome, Outcome::OutOfMemory);
    EXPECT_EQ(editor.StoredLine(0), "one Two two");
    editor.store.Arena().SetBlockAllocator(nullptr);
    editor.store.CurrentLine().Assign("one Two two two"); // an unstored edit
    editor.store.Flags().currentLineChanged = true;
    EXPECT_EQ(replacer.ReplaceMatchAt(editor.store, 0, 12, 3).outcome, Outcome::Replaced);
    EXPECT_EQ(editor.StoredLine(0), "one Two two three");
}

} // namespace
} // namespace kestrel
