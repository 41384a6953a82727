// The recent-file order and its stored form.
#include "settings/recent_file_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

using Paths = std::vector<std::string>;

Paths Listed(const RecentFileList& list) {
    Paths paths;
    for (const RecentFile& entry : list.Entries()) {
        paths.push_back(entry.path + (entry.greyed ? " (grey)" : ""));
    }
    return paths;
}

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostFive) {
    RecentFileList list;
    for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "c:\\A.TXT"}) {
        EXPECT_TRUE(list.AddToTop(path));
    }
    EXPECT_EQ(Listed(list), (Paths{"c:\\A.TXT", "C:\\c.txt", "C:\\b.txt"}));
    for (const char* path : {"d", "e", "f"}) {
        list.AddToTop(path);
    }
    EXPECT_EQ(Listed(list), (Paths{"f", "e", "d", "c:\\A.TXT", "C:\\c.txt"}));
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
    for (int i = 0; i < 6; ++i) {
        list.Append("x" + std::to_string(i));
    }
    EXPECT_EQ(list.Entries().size(), kMaxRecentFiles) << "Append never pushes one out";
    EXPECT_EQ(list.Entries().back().path, "x3");
}

TEST(RecentFileList, AGreyedEntryStaysListedButNeitherOpensNorIsStored) {
    RecentFileList list;
    for (const char* path : {"gone.txt", "kept.txt", "last.txt"}) {
        list.AddToTop(path);
    }
    EXPECT_TRUE(list.Grey(kFirstRecentFileId + 1));
    EXPECT_FALSE(list.Grey(kFirstRecentFileId + 3));
    EXPECT_TRUE(list.HasEntry(kFirstRecentFileId + 1));
    EXPECT_FALSE(list.EntryPath(kFirstRecentFileId + 1));
    MemorySettings store;
    WriteRecentFiles(store, list);
    EXPECT_EQ(store.WriteOrder(), (Paths{"File1", "File2"}));
    RecentFileList reread;
    ReadRecentFiles(store, reread);
    EXPECT_EQ(Listed(reread), (Paths{"last.txt", "gone.txt"}));
}

TEST(RecentFileList, StoredEntriesAreReadUntilTheFirstGapOrNonText) {
    const std::string overlong(kRecentPathSize, 'l');
    const std::pair<std::vector<std::string>, Paths> cases[] = {
        {{}, {}},
        {{"File1=a", "File2=b"}, {"a", "b"}},
        {{"File1=a", "File3=c"}, {"a"}},
        {{"File1=1", "File2=2", "File3=3", "File4=4", "File5=5", "File6=6"},
         {"1", "2", "3", "4", "5"}},
        {{"File1=a", "File2=" + overlong, "File3=c"}, {"a"}},
        {{"File1=a", "File2#", "File3=c"}, {"a"}}}; // "#": stored as a number
    for (const auto& [values, expected] : cases) {
        MemorySettings store;
        for (const std::string& value : values) {
            const std::size_t sign = value.find_first_of("=#");
            if (value[sign] == '=') {
                store.SetText(value.substr(0, sign), value.substr(sign + 1));
            } else {
                store.SetNumber(value.substr(0, sign), 7);
            }
        }
        RecentFileList list;
        ReadRecentFiles(store, list);
        EXPECT_EQ(Listed(list), expected) << values.size();
    }
}

} // namespace
} // namespace kestrel
