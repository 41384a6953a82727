// Tests for extensions, folder parts, the ".txt" default and backup names.
#include "document/path_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kestrel {
namespace {

// ---- Extensions ---------------------------------------------------------------------------------

struct ExtensionCase {
    std::string path;
    std::size_t extension; // FindExtension
    std::string replaced;  // after ReplaceExtension(".bak"); the path itself when that fails
    std::string defaulted; // after ApplyDefaultExtension
};

void PrintTo(const ExtensionCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class Extensions : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(Extensions, AreFoundReplacedAndDefaulted) {
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(FindExtension(c.path), c.extension);
    std::string replaced = c.path;
    EXPECT_EQ(ReplaceExtension(replaced, ".bak"), c.extension != kNoExtension);
    EXPECT_EQ(replaced, c.replaced);
    std::string defaulted = c.path;
    EXPECT_EQ(ApplyDefaultExtension(defaulted), c.extension != kNoExtension);
    EXPECT_EQ(defaulted, c.defaulted);
}

INSTANTIATE_TEST_SUITE_P(
    FindExtension, Extensions,
    ::testing::Values(
        ExtensionCase{"notes", 5, "notes.bak", "notes.txt"},
        ExtensionCase{"notes.", 5, "notes.bak", "notes.txt"},
        ExtensionCase{"notes.md", 5, "notes.bak", "notes.md"},
        ExtensionCase{"a.b.c", 3, "a.b.bak", "a.b.c"},
        ExtensionCase{"C:\\my.dir\\notes", 15, "C:\\my.dir\\notes.bak", "C:\\my.dir\\notes.txt"},
        ExtensionCase{"C:/my.dir/notes", 15, "C:/my.dir/notes.bak", "C:/my.dir/notes.txt"},
        ExtensionCase{"C:\\my.dir\\notes.txt", 15, "C:\\my.dir\\notes.bak",
                      "C:\\my.dir\\notes.txt"},
        ExtensionCase{"C:notes", 7, "C:notes.bak", "C:notes.txt"},
        ExtensionCase{".profile", 0, ".bak", ".profile"}, ExtensionCase{"", kNoExtension, "", ""},
        ExtensionCase{"C:\\dir\\", kNoExtension, "C:\\dir\\", "C:\\dir\\"},
        ExtensionCase{"C:", kNoExtension, "C:", "C:"}));

TEST(ReplaceExtension, AddsTheDotWhenTheExtensionLacksOne) {
    std::string path = "notes.txt";
    EXPECT_TRUE(ReplaceExtension(path, "bak"));
    EXPECT_EQ(path, "notes.bak");
}

TEST(InsertTilde, ShiftsTheRestRight) {
    std::string text = "notes.txt";
    InsertTilde(text, 6);
    EXPECT_EQ(text, "notes.~txt");
    InsertTilde(text, 99);
    EXPECT_EQ(text, "notes.~txt~");
}

TEST(DirectoryPart, EndsAtTheLastSeparator) {
    EXPECT_EQ(DirectoryPart("C:\\a.b\\notes.txt"), "C:\\a.b\\");
    EXPECT_EQ(DirectoryPart("C:/a/b"), "C:/a/");
    EXPECT_EQ(DirectoryPart("C:notes"), "C:");
    EXPECT_EQ(DirectoryPart("notes.txt"), "");
    EXPECT_EQ(DirectoryPart(""), "");
}

// ---- Backup names -------------------------------------------------------------------------------

struct BackupCase {
    std::string path;
    BackupMode mode;
    std::string backup;
    bool usable;
};

void PrintTo(const BackupCase& c, std::ostream* os) {
    *os << '"' << c.path << "\" mode " << static_cast<int>(c.mode);
}

class BackupNames : public ::testing::TestWithParam<BackupCase> {};

TEST_P(BackupNames, FollowTheModeAndRefuseTheDocumentsOwnName) {
    const BackupCase& c = GetParam();
    std::string backup;
    EXPECT_EQ(MakeBackupName(c.path, c.mode, backup), c.usable);
    EXPECT_EQ(backup, c.backup);
}

INSTANTIATE_TEST_SUITE_P(
    MakeBackupName, BackupNames,
    ::testing::Values(
        BackupCase{"notes.txt", BackupMode::Temporary, "notes.$$$", true},
        BackupCase{"notes.txt", BackupMode::Bak, "notes.bak", true},
        BackupCase{"notes.txt", BackupMode::Tilde, "notes.~txt", true},
        BackupCase{"readme", BackupMode::Tilde, "readme.~", true},
        BackupCase{"notes.", BackupMode::Tilde, "notes.~", true},
        BackupCase{"notes.~txt", BackupMode::Tilde, "notes.~~txt", true},
        BackupCase{"C:\\my.dir\\readme", BackupMode::Tilde, "C:\\my.dir\\readme.~", true},
        BackupCase{"C:\\my.dir\\readme", BackupMode::Bak, "C:\\my.dir\\readme.bak", true},
        BackupCase{"notes.bak", BackupMode::Bak, "notes.bak", false},
        BackupCase{"NOTES.BAK", BackupMode::Bak, "NOTES.bak", false},
        BackupCase{"notes.bak ", BackupMode::Bak, "notes.bak", false},
        BackupCase{"x.$$$", BackupMode::Temporary, "x.$$$", false},
        BackupCase{"x.$$$", BackupMode::Bak, "x.bak", true},
        BackupCase{"C:\\dir\\", BackupMode::Bak, "C:\\dir\\", false},
        BackupCase{"C:\\dir\\", BackupMode::Tilde, "C:\\dir\\", false},
        BackupCase{"notes.txt", static_cast<BackupMode>(7), "notes.$$$", true}));

TEST(IsSameFileName, ComparesAsWindowsDoes) {
    EXPECT_TRUE(IsSameFileName("C:\\Dir\\Notes.TXT", "c:/dir/notes.txt"));
    EXPECT_TRUE(IsSameFileName("notes.bak. .", "notes.bak"));
    EXPECT_FALSE(IsSameFileName("notes.bak", "notes.bak2"));
    EXPECT_FALSE(IsSameFileName("notes.~txt", "notes.txt"));
    // Only ASCII letters fold: other bytes must match exactly.
    EXPECT_FALSE(IsSameFileName("\xe9t\xe9", "\xc9T\xc9"));
}

} // namespace
} // namespace kestrel
