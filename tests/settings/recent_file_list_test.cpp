// The recent-file order and its stored form.
#include "settings/recent_file_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

std::vector<std::string> Paths(const RecentFileList& list) {
    std::vector<std::string> paths;
    for (const RecentFile& entry : list.Entries()) {
        paths.push_back(entry.path + (entry.greyed ? " (grey)" : ""));
    }
    return paths;
}

using Paths_ = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostFive) {
    RecentFileList list;
    for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}) {
        EXPECT_TRUE(list.AddToTop(path));
    }
    EXPECT_TRUE(list.AddToTop("c:\\A.TXT"));
    EXPECT_EQ(Paths(list), (Paths_{"c:\\A.TXT", "C:\\c.txt", "C:\\b.txt"}));
    for (const char* path : {"d", "e", "f"}) {
        list.AddToTop(path);
    }
    EXPECT_EQ(Paths(list), (Paths_{"f", "e", "d", "c:\\A.TXT", "C:\\c.txt"}));
    EXPECT_EQ(list.EntryPath(kFirstRecentFileId).value_or(""), "f");
    EXPECT_EQ(list.EntryPath(kFirstRecentFileId + 4).value_or(""), "C:\\c.txt");
    EXPECT_FALSE(list.EntryPath(kFirstRecentFileId + 5));
    EXPECT_FALSE(list.EntryPath(kFirstRecentFileId - 1));
}

TEST(RecentFileList, PathsThatCannotBeEntriesAreRefused) {
    RecentFileList list;
    EXPECT_FALSE(list.AddToTop(""));
    EXPECT_FALSE(list.AddToTop(std::string(kRecentPathSize, 'p')));
    EXPECT_TRUE(list.AddToTop(std::string(kRecentPathSize - 1, 'p')));
    EXPECT_FALSE(list.Append(std::string(kRecentPathSize, 'q')));
    EXPECT_EQ(list.Entries().size(), 1u);
    for (int i = 0; i < 6; ++i) {
        list.Append("x" + std::to_string(i));
    }
    EXPECT_EQ(list.Entries().size(), kMaxRecentFiles) << "Append never pushes one out";
    EXPECT_EQ(list.Entries().back().path, "x3");
}

TEST(RecentFileList, AGreyedEntryStaysListedButNeitherOpensNorIsStored) {
    RecentFileList list;
    list.AddToTop("gone.txt");
    list.AddToTop("kept.txt");
    list.AddToTop("last.txt");
    EXPECT_TRUE(list.Grey(kFirstRecentFileId + 1));
    EXPECT_FALSE(list.Grey(kFirstRecentFileId + 3));
    EXPECT_TRUE(list.HasEntry(kFirstRecentFileId + 1));
    EXPECT_FALSE(list.EntryPath(kFirstRecentFileId + 1));

    MemorySettings store;
    WriteRecentFiles(store, list);
    EXPECT_EQ(store.WriteOrder(), (Paths_{"File1", "File2"}));
    RecentFileList reread;
    ReadRecentFiles(store, reread);
    EXPECT_EQ(Paths(reread), (Paths_{"last.txt", "gone.txt"}));
}

struct StoredCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> texts; // value name, text
    Paths_ expected;
};

class ReadRecentFilesTable : public ::testing::TestWithParam<StoredCase> {};

TEST_P(ReadRecentFilesTable, ReadsNumberedTextsUntilTheFirstGap) {
    MemorySettings store;
    for (const auto& [name, text] : GetParam().texts) {
        store.SetText(name, text);
    }
    store.SetBytes("File9", {'b', 'i', 'n', 0});
    RecentFileList list;
    ReadRecentFiles(store, list);
    EXPECT_EQ(Paths(list), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ReadRecentFilesTable,
    ::testing::Values(
        StoredCase{"none", {}, {}},
        StoredCase{"in order", {{"File1", "a"}, {"File2", "b"}}, {"a", "b"}},
        StoredCase{"a gap ends the list", {{"File1", "a"}, {"File3", "c"}}, {"a"}},
        StoredCase{"more than five", {{"File1", "1"}, {"File2", "2"}, {"File3", "3"},
                    {"File4", "4"}, {"File5", "5"}, {"File6", "6"}},
                   {"1", "2", "3", "4", "5"}},
        StoredCase{"an overlong path ends the list",
                   {{"File1", "a"}, {"File2", std::string(kRecentPathSize, 'l')}, {"File3", "c"}},
                   {"a"}}));

TEST(RecentFileList, ANonTextValueEndsTheStoredList) {
    MemorySettings store;
    store.SetText("File1", "a");
    store.SetNumber("File2", 7);
    store.SetText("File3", "c");
    RecentFileList list;
    ReadRecentFiles(store, list);
    EXPECT_EQ(Paths(list), (Paths_{"a"}));
}

} // namespace
} // namespace kestrel
