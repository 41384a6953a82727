// The find history's order: loading stored orders, hostile ones included, and recording strings.
#include "settings/find_history.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

// "letter:text" for each entry, most recent first.
std::string Listed(const FindHistory& history) {
    std::string listed;
    for (const FindHistoryEntry& entry : history.Entries()) {
        listed += std::string(1, entry.letter) + ":" + entry.text + " ";
    }
    return listed;
}

std::string StoredText(const MemorySettings& store, const std::string& name) {
    const MemoryValue* value = store.Find(name);
    if (value == nullptr) {
        return "<absent>";
    }
    return std::string(value->bytes.begin(), value->bytes.end() - 1);
}

struct LoadCase {
    const char* name;
    std::string order;   // stored MRUList; "<none>" for none
    bool orderIsText;    // false: stored as binary bytes
    std::string listed;  // what Load lists
    std::string newText; // committed after loading
    std::string letter;  // the letter it must be stored under
    std::string orderAfter;
};

class FindHistoryLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(FindHistoryLoad, TrustsOnlyDistinctLettersWithTextsAndNeverOverwritesOne) {
    const LoadCase& c = GetParam();
    MemorySettings store;
    store.SetText("a", "alpha");
    store.SetText("b", "beta");
    store.SetText("c", "gamma");
    store.SetBytes("d", {'d', 'x', 0}); // not a text: never read
    store.SetText("e", std::string(38, 'e'));
    store.SetText("f", std::string(39, 'f')); // does not fit with its NUL
    if (c.order != "<none>") {
        if (c.orderIsText) {
            store.SetText("MRUList", c.order);
        } else {
            store.SetBytes("MRUList", std::vector<std::uint8_t>(c.order.begin(), c.order.end()));
        }
    }
    FindHistory history;
    history.Load(store);
    EXPECT_EQ(Listed(history), c.listed) << c.name;

    history.Commit(c.newText, store);
    EXPECT_EQ(StoredText(store, c.letter), c.newText) << c.name;
    EXPECT_EQ(StoredText(store, "MRUList"), c.orderAfter) << c.name;
    for (const FindHistoryEntry& entry : history.Entries()) {
        EXPECT_EQ(StoredText(store, std::string(1, entry.letter)), entry.text) << c.name;
    }
}

const std::string kE38 = std::string(38, 'e');

INSTANTIATE_TEST_SUITE_P(
    StoredOrders, FindHistoryLoad,
    ::testing::Values(
        LoadCase{"nothing stored", "<none>", true, "", "new", "a", "a"},
        LoadCase{"plain order", "cab", true, "c:gamma a:alpha b:beta ", "new", "d", "dcab"},
        LoadCase{"a stored b is kept when b is the only one", "b", true, "b:beta ", "new", "a",
                 "ab"},
        LoadCase{"repeated letters count once", "bbab", true, "b:beta a:alpha ", "new", "c",
                 "cba"},
        LoadCase{"letters outside a-j are dropped", "kAz!c", true, "c:gamma ", "new", "a", "ac"},
        LoadCase{"missing, binary and overlong texts are skipped", "hdfecg", true,
                 "e:" + kE38 + " c:gamma ", "new", "a", "aec"},
        LoadCase{"an order that does not fit 12 bytes is ignored", "abcabcabcabc", true, "",
                 "new", "a", "a"},
        LoadCase{"an order stored as binary is ignored", "ab", false, "", "new", "a", "a"},
        LoadCase{"order text cut at its NUL", std::string("b\0a", 3), true, "b:beta ", "new",
                 "a", "ab"}));

TEST(FindHistory, AStringFoundAgainKeepsItsSpellingAndMovesToTheFront) {
    MemorySettings store;
    FindHistory history;
    history.Commit("foo", store);
    history.Commit("bar", store);
    history.Commit("baz", store);
    EXPECT_EQ(StoredText(store, "MRUList"), "cba");

    const std::size_t writes = store.WriteOrder().size();
    history.Commit("baz", store);
    EXPECT_EQ(store.WriteOrder().size(), writes) << "already first: nothing is written";

    history.Commit("FOO", store);
    EXPECT_EQ(StoredText(store, "a"), "foo");
    EXPECT_EQ(StoredText(store, "MRUList"), "acb");
    EXPECT_EQ(Listed(history), "a:foo c:baz b:bar ");
}

TEST(FindHistory, TheEleventhStringReusesTheLeastRecentLetter) {
    MemorySettings store;
    FindHistory history;
    for (int i = 0; i < 10; ++i) {
        history.Commit("s" + std::to_string(i), store);
    }
    EXPECT_EQ(StoredText(store, "MRUList"), "jihgfedcba");
    history.Commit("s1", store); // b to the front
    history.Commit("eleventh", store);
    EXPECT_EQ(StoredText(store, "a"), "eleventh");
    EXPECT_EQ(StoredText(store, "MRUList"), "abjihgfedc");
    EXPECT_EQ(history.Entries().size(), 10u);

    FindHistory reloaded;
    reloaded.Load(store);
    EXPECT_EQ(Listed(reloaded), Listed(history));
}

TEST(FindHistory, EmptyTextsAreNotStoredAndLongOnesAreCut) {
    MemorySettings store;
    FindHistory history;
    history.Commit("", store);
    EXPECT_EQ(store.Size(), 0u);
    history.Commit(std::string(50, 'x'), store);
    EXPECT_EQ(StoredText(store, "a"), std::string(38, 'x'));
}

// A store that refuses the first write: the order must not name a letter without its text.
class RefusingStore : public MemorySettings {
public:
    bool WriteText(const char* name, std::string_view text) override {
        if (refuse-- > 0) {
            return false;
        }
        return MemorySettings::WriteText(name, text);
    }
    int refuse = 1;
};

TEST(FindHistory, TheOrderChangesOnlyWhenTheTextWasWritten) {
    RefusingStore store;
    FindHistory history;
    history.Commit("lost", store);
    EXPECT_TRUE(history.Entries().empty());
    EXPECT_EQ(store.Find("MRUList"), nullptr);
    history.Commit("kept", store);
    EXPECT_EQ(Listed(history), "a:kept ");
}

} // namespace
} // namespace kestrel
