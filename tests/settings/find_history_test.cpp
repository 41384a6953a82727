// The find history's order: loading stored orders, hostile ones included, and recording strings.
#include "settings/find_history.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

// "letter:text " for each entry, most recent first.
std::string Listed(const FindHistory& history) {
    std::string listed;
    for (const FindHistoryEntry& entry : history.Entries()) {
        listed += std::string(1, entry.letter) + ":" + entry.text + " ";
    }
    return listed;
}

std::string Stored(const MemorySettings& store, const std::string& name) {
    const MemoryValue* value = store.Find(name);
    return value == nullptr ? "<absent>"
                            : std::string(value->bytes.begin(), value->bytes.end() - 1);
}

struct LoadCase {
    const char* name;
    std::string order;  // stored MRUList, "<none>" for none, "<binary>ab" for binary bytes
    std::string listed; // what Load lists
    std::string letter; // where a new string goes
};

class FindHistoryLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(FindHistoryLoad, TrustsOnlyDistinctLettersWithTextsAndNeverOverwritesOne) {
    const LoadCase& c = GetParam();
    MemorySettings store;
    store.SetText("a", "alpha");
    store.SetText("b", "beta");
    store.SetText("c", "gamma");
    store.SetBytes("d", {'d', 'x', 0});       // not a text
    store.SetText("e", std::string(38, 'e'));
    store.SetText("f", std::string(39, 'f')); // no room for its NUL
    if (c.order.rfind("<binary>", 0) == 0) {
        store.SetBytes("MRUList", {'a', 'b', 0});
    } else if (c.order != "<none>") {
        store.SetText("MRUList", c.order);
    }
    FindHistory history;
    history.Load(store);
    EXPECT_EQ(Listed(history), c.listed) << c.name;

    history.Commit("new", store);
    EXPECT_EQ(Stored(store, c.letter), "new") << c.name;
    std::string order = c.letter;
    for (const FindHistoryEntry& entry : history.Entries()) {
        EXPECT_EQ(Stored(store, std::string(1, entry.letter)), entry.text) << c.name;
        if (entry.text != "new") {
            order += entry.letter;
        }
    }
    EXPECT_EQ(Stored(store, "MRUList"), order) << c.name;
}

INSTANTIATE_TEST_SUITE_P(StoredOrders, FindHistoryLoad, ::testing::Values(
    LoadCase{"nothing stored", "<none>", "", "a"},
    LoadCase{"plain order", "cab", "c:gamma a:alpha b:beta ", "d"},
    LoadCase{"the only letter is b: a new one is a", "b", "b:beta ", "a"},
    LoadCase{"repeated letters count once", "bbab", "b:beta a:alpha ", "c"},
    LoadCase{"letters outside a-j are dropped", "kAz!c", "c:gamma ", "a"},
    LoadCase{"missing, binary, overlong texts skipped", "hdfecg",
             "e:" + std::string(38, 'e') + " c:gamma ", "a"},
    LoadCase{"an order beyond 12 bytes is ignored", "abcabcabcabc", "", "a"},
    LoadCase{"an order stored as binary is ignored", "<binary>", "", "a"},
    LoadCase{"order cut at its NUL", std::string("b\0a", 3), "b:beta ", "a"}));

TEST(FindHistory, AStringFoundAgainKeepsItsSpellingAndMovesToTheFront) {
    MemorySettings store;
    FindHistory history;
    history.Commit("", store);
    EXPECT_EQ(store.Size(), 0u) << "an empty text is not stored";
    for (const char* text : {"foo", "bar", "baz"}) {
        history.Commit(text, store);
    }
    const std::size_t writes = store.WriteOrder().size();
    history.Commit("baz", store);
    EXPECT_EQ(store.WriteOrder().size(), writes) << "already first: nothing is written";
    history.Commit("FOO", store);
    EXPECT_EQ(Stored(store, "a"), "foo");
    EXPECT_EQ(Stored(store, "MRUList"), "acb");
    history.Commit(std::string(50, 'x'), store);
    EXPECT_EQ(Stored(store, "d"), std::string(38, 'x'));
}

TEST(FindHistory, TheEleventhStringReusesTheLeastRecentLetter) {
    MemorySettings store;
    FindHistory history;
    for (int i = 0; i < 10; ++i) {
        history.Commit("s" + std::to_string(i), store);
    }
    history.Commit("s1", store); // b to the front
    history.Commit("eleventh", store);
    EXPECT_EQ(Stored(store, "a"), "eleventh");
    EXPECT_EQ(Stored(store, "MRUList"), "abjihgfedc");
    FindHistory reloaded;
    reloaded.Load(store);
    EXPECT_EQ(Listed(reloaded), Listed(history));
}

} // namespace
} // namespace kestrel
