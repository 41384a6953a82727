// In-process tests of loading and saving real files under Wine: backups in every mode, a write
// that fails half-way, a target another program holds open, and files that are not there.
#include "platform/document_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "view/edit_window.h"

namespace kestrel {
namespace {

// An edit window that records its warnings instead of showing them.
class RecordingWindow : public EditWindow {
public:
    void ShowMessage(std::string_view text, std::string_view detail) override {
        messages.emplace_back(std::string(text) + "|" + std::string(detail));
    }
    std::vector<std::string> messages;
};

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = "";
        GetTempPathA(static_cast<DWORD>(std::size(temp)), temp);
        folder_ = std::string(temp) + "kestrel_files_test\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        for (const char* name : {"a.txt", "a.bak", "a.$$$", "a.~txt", "readme", "readme.~",
                                 "new.txt", "cut.txt"}) {
            DeleteFileA((folder_ + name).c_str());
        }
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        view_.Initialise("Kestrel", 32127);
        ASSERT_TRUE(view_.Create(parent_, nullptr, "", 0, 0, 600, 400));
        ASSERT_TRUE(view_.SetLineLength(256));
        ASSERT_TRUE(view_.NewDocument());
    }

    void TearDown() override {
        SetWriteFaultForTesting(-1);
        SetReadFaultForTesting(-1, -1);
        SetFileAttributesA(Path("a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        DestroyWindow(parent_);
    }

    std::string Path(const char* name) const { return folder_ + name; }

    static void WriteBytes(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    static std::string ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return "<missing>";
        }
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Replaces the caret line's text, as typing would.
    void EditFirstLine(const std::string& text) {
        view_.LoadCurrentLine();
        view_.Store().CurrentLine().Assign(text);
        view_.Store().Flags().currentLineChanged = true;
    }

    std::string folder_;
    HWND parent_ = nullptr;
    RecordingWindow view_;
};

TEST_F(DocumentFileTest, LoadingSplitsTheFileAndDetectsItsLineEnds) {
    WriteBytes(Path("a.txt"), "one\ntwo\nthree");
    ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
    EXPECT_EQ(view_.Store().LineCount(), 3);
    EXPECT_TRUE(view_.Store().Flags().unixMode);
    EXPECT_EQ(view_.Store().LineView(2), "three");
    EXPECT_FALSE(view_.Store().Flags().modified);
    EXPECT_TRUE(view_.messages.empty());
}

// From 4 MB on, the file is read in pieces whose line feeds are counted as they arrive, and the
// line table is sized from that count in one step: an exact count leaves the table exactly
// one record beyond the last line, however the pieces fall across the lines.
TEST_F(DocumentFileTest, ALargeFileSizesItsTableFromTheLineFeedsOfEveryPiece) {
    std::string bytes;
    int lines = 0;
    while (bytes.size() < 4700000) {
        bytes += std::string(static_cast<std::size_t>(lines % 97), 'x');
        bytes += lines % 3 == 0 ? "\r\n" : "\n";
        ++lines;
    }
    bytes += "last";
    WriteBytes(Path("a.txt"), bytes);
    for (std::int64_t piece : {-1, 65536 + 7}) {
        SetReadFaultForTesting(piece, -1);
        ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
        EXPECT_EQ(view_.Store().LineCount(), lines + 1) << piece;
        EXPECT_EQ(view_.Store().LineCapacity(), lines + 2) << piece;
        EXPECT_EQ(view_.Store().LineView(lines), "last");
        // The scroll bar, left alone during the load, ends on the whole document.
        int low = -1;
        int high = -1;
        GetScrollRange(view_.Handle(), SB_VERT, &low, &high);
        EXPECT_EQ(high, lines) << piece;
    }
}

TEST_F(DocumentFileTest, AMissingFileIsReportedWithItsErrorCodeAndPath) {
    EXPECT_FALSE(view_.LoadFileReport(Path("nothing-here.txt")));
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0], "Can't open file - Error 2|" + Path("nothing-here.txt"));
}

TEST_F(DocumentFileTest, OverlongLinesAreCutWithOneWarning) {
    WriteBytes(Path("cut.txt"), std::string(300, 'x') + "\r\n" + std::string(600, 'y'));
    ASSERT_TRUE(view_.LoadFileReport(Path("cut.txt")));
    EXPECT_EQ(view_.Store().LineCount(), 5);
    EXPECT_EQ(view_.Store().GetLineLength(0), 255);
    EXPECT_EQ(view_.Store().GetLineLength(1), 45);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0], "One or more lines is longer than 255 characters.\n"
                                 "It will be wrapped to the next line.|");
}

TEST_F(DocumentFileTest, LoadThenSaveKeepsTheBytes) {
    const std::string bytes = "first\r\n\tsecond\r\n\r\nlast";
    WriteBytes(Path("a.txt"), bytes);
    view_.Store().Flags().removeTrailingBlanks = false;
    ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
    view_.SetBackupMode(BackupMode::Temporary);
    ASSERT_TRUE(view_.SaveWithBackup(Path("a.txt")));
    EXPECT_EQ(ReadBytes(Path("a.txt")), bytes);
    EXPECT_EQ(ReadBytes(Path("a.$$$")), "<missing>");
}

TEST_F(DocumentFileTest, BakModeKeepsTheVersionBeforeTheLastSave) {
    WriteBytes(Path("a.txt"), "version 1");
    ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
    view_.SetBackupMode(BackupMode::Bak);
    EditFirstLine("version 2");
    ASSERT_TRUE(view_.SaveWithBackup(Path("a.txt")));
    EditFirstLine("version 3");
    ASSERT_TRUE(view_.SaveWithBackup(Path("a.txt")));
    EXPECT_EQ(ReadBytes(Path("a.txt")), "version 3");
    EXPECT_EQ(ReadBytes(Path("a.bak")), "version 2");
    EXPECT_FALSE(view_.Store().Flags().modified);
}

TEST_F(DocumentFileTest, TildeModeBacksUpAFileWithoutExtension) {
    WriteBytes(Path("readme"), "old");
    ASSERT_TRUE(view_.LoadFileReport(Path("readme")));
    view_.SetBackupMode(BackupMode::Tilde);
    EditFirstLine("new");
    ASSERT_TRUE(view_.SaveWithBackup(Path("readme")));
    EXPECT_EQ(ReadBytes(Path("readme")), "new");
    EXPECT_EQ(ReadBytes(Path("readme.~")), "old");
}

TEST_F(DocumentFileTest, AFailedWriteRestoresTheOldFileInEveryMode) {
    for (BackupMode mode : {BackupMode::Temporary, BackupMode::Bak, BackupMode::Tilde}) {
        WriteBytes(Path("a.txt"), "precious\r\nold text");
        ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
        view_.messages.clear();
        view_.SetBackupMode(mode);
        EditFirstLine("replacement that will not fit");
        SetWriteFaultForTesting(5);
        EXPECT_FALSE(view_.SaveWithBackup(Path("a.txt")));
        SetWriteFaultForTesting(-1);
        EXPECT_EQ(ReadBytes(Path("a.txt")), "precious\r\nold text") << static_cast<int>(mode);
        ASSERT_EQ(view_.messages.size(), 1u);
        EXPECT_EQ(view_.messages[0], "Can't write file|" + Path("a.txt"));
        EXPECT_TRUE(view_.Store().Flags().modified);
    }
}

TEST_F(DocumentFileTest, ATargetHeldOpenWithoutSharingIsLeftAlone) {
    WriteBytes(Path("a.txt"), "held");
    ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
    EditFirstLine("changed");
    HANDLE holder = CreateFileA(Path("a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    view_.SetBackupMode(BackupMode::Bak);
    EXPECT_FALSE(view_.SaveWithBackup(Path("a.txt")));
    CloseHandle(holder);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0],
              "Unable to create \"bak\" file - file not saved|" + Path("a.bak"));
    EXPECT_EQ(ReadBytes(Path("a.txt")), "held");
    EXPECT_EQ(ReadBytes(Path("a.bak")), "<missing>");
}

TEST_F(DocumentFileTest, AReadOnlyTargetIsRefusedWithNothingOnDiskChanged) {
    for (BackupMode mode : {BackupMode::Temporary, BackupMode::Bak, BackupMode::Tilde}) {
        SetFileAttributesA(Path("a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteBytes(Path("a.txt"), "keep me");
        ASSERT_TRUE(SetFileAttributesA(Path("a.txt").c_str(), FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
        view_.messages.clear();
        view_.SetBackupMode(mode);
        EditFirstLine("changed");
        // Twice: the first refusal must not leave anything behind that changes the second.
        for (int attempt = 0; attempt < 2; ++attempt) {
            EXPECT_FALSE(view_.SaveWithBackup(Path("a.txt")));
        }
        EXPECT_EQ(view_.messages,
                  std::vector<std::string>(2, "Can't write file|" + Path("a.txt")));
        EXPECT_EQ(ReadBytes(Path("a.txt")), "keep me");
        EXPECT_EQ(GetFileAttributesA(Path("a.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
                  static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
        for (const char* name : {"a.$$$", "a.bak", "a.~txt"}) {
            EXPECT_EQ(ReadBytes(Path(name)), "<missing>") << name;
        }
        EXPECT_TRUE(view_.Store().Flags().modified);
    }
}

TEST_F(DocumentFileTest, ReadsInPiecesAndRefusesAFileThatArrivesShort) {
    WriteBytes(Path("a.txt"), "one\r\ntwo\r\nthree");
    SetReadFaultForTesting(4, -1);
    ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
    EXPECT_EQ(view_.Store().LineCount(), 3);
    EXPECT_EQ(view_.Store().LineView(2), "three");
    SetReadFaultForTesting(4, 9);
    EXPECT_FALSE(view_.LoadFileReport(Path("a.txt")));
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0],
              "Can't open file - Error " + std::to_string(ERROR_HANDLE_EOF) + "|" + Path("a.txt"));
}

TEST_F(DocumentFileTest, ABackupNameEqualToTheDocumentRefusesTheSave) {
    WriteBytes(Path("a.bak"), "the document itself");
    ASSERT_TRUE(view_.LoadFileReport(Path("a.bak")));
    EditFirstLine("edited");
    view_.SetBackupMode(BackupMode::Bak);
    EXPECT_FALSE(view_.SaveWithBackup(Path("a.bak")));
    EXPECT_EQ(ReadBytes(Path("a.bak")), "the document itself");
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].rfind("Unable to create \"bak\" file - file not saved|", 0), 0u);
}

TEST_F(DocumentFileTest, LineEndsFollowTheDocumentsMode) {
    WriteBytes(Path("a.txt"), "a\nb\n");
    ASSERT_TRUE(view_.LoadFileReport(Path("a.txt")));
    ASSERT_TRUE(view_.Store().Flags().unixMode);
    ASSERT_TRUE(view_.SaveWithBackup(Path("new.txt")));
    EXPECT_EQ(ReadBytes(Path("new.txt")), "a\nb\n");
    view_.Store().Flags().unixMode = false;
    ASSERT_TRUE(view_.SaveWithBackup(Path("new.txt")));
    EXPECT_EQ(ReadBytes(Path("new.txt")), "a\r\nb\r\n");
}

} // namespace
} // namespace kestrel
