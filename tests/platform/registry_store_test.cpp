// The settings store against the real registry of the test prefix. Each test starts and ends
// with the program key deleted, since the prefix is shared.
#include "platform/registry_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/win32.h"
#include <shlwapi.h>

namespace kestrel {
namespace {

const char kSettingsPath[] = "Software\\Hobart Freeware\\Kestrel\\Settings";

void DeleteProgramKey() {
    SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKeyPath);
}

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Type and size of a stored value, read straight from the registry; type 0 when absent.
struct RawValue {
    DWORD type = 0;
    DWORD size = 0;
    std::vector<BYTE> bytes;
};

RawValue QueryRaw(const char* name) {
    RawValue raw;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return raw;
    }
    raw.bytes.resize(1024);
    raw.size = static_cast<DWORD>(raw.bytes.size());
    if (RegQueryValueExA(key, name, nullptr, &raw.type, raw.bytes.data(), &raw.size) !=
        ERROR_SUCCESS) {
        raw = RawValue{};
    } else {
        raw.bytes.resize(raw.size);
    }
    RegCloseKey(key);
    return raw;
}

void SetRaw(const char* name, DWORD type, const std::vector<BYTE>& bytes) {
    RegistryKey key;
    ASSERT_TRUE(OpenSettingsKey(key));
    ASSERT_EQ(
        RegSetValueExA(key.Get(), name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
        ERROR_SUCCESS);
}

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override { DeleteProgramKey(); }
    void TearDown() override { DeleteProgramKey(); }
};

TEST_F(RegistryStore, FirstRunCreatesTheSettingsKeyAndYieldsEveryDefault) {
    ASSERT_FALSE(KeyExists(kSettingsPath));
    LoadedSettings loaded = LoadSettings();
    EXPECT_TRUE(KeyExists(kSettingsPath));

    const EditorSettings defaults;
    EXPECT_EQ(std::memcmp(&loaded.options.screenFont, &defaults.screenFont, sizeof(FontRecord)), 0);
    EXPECT_EQ(loaded.options.screenFont.FaceName(), "fixedsys");
    EXPECT_EQ(loaded.options.screenFont.pitchAndFamily, 0x23);
    EXPECT_EQ(loaded.options.prnFont, "Courier New");
    EXPECT_EQ(loaded.options.prnPitch, 12);
    EXPECT_EQ(loaded.options.color, 0x000000u);
    EXPECT_EQ(loaded.options.bkColor, 0xC0C0C0u);
    EXPECT_EQ(loaded.options.selectedColor, 0x000000u);
    EXPECT_EQ(loaded.options.selectedBkColor, 0x00FFFFu);
    EXPECT_EQ(loaded.options.tabSize, 8);
    EXPECT_EQ(loaded.options.lineLength, 256);
    EXPECT_EQ(loaded.options.wheelLines, 20);
    EXPECT_TRUE(loaded.options.removeSpaces);
    EXPECT_EQ(loaded.initialDir, "");
    EXPECT_TRUE(loaded.keys.isDefault);
    EXPECT_EQ(loaded.keys.table, KeyTable::Defaults());
    EXPECT_FALSE(LoadPlacementToRestore().has_value());
}

// The registry type and size of every option after Yes to "Save settings?".
struct StoredType {
    const char* name;
    DWORD type;
    DWORD size;
};

TEST_F(RegistryStore, SavingOptionsWritesEveryValueWithItsStoredType) {
    SaveOptions(EditorSettings{});
    const StoredType expected[] = {{"font", REG_SZ, 9},
                                   {"prnFont", REG_SZ, 12},
                                   {"prnPitch", REG_DWORD, 4},
                                   {"tmargin", REG_DWORD, 4},
                                   {"lmargin", REG_DWORD, 4},
                                   {"pagenums", REG_BINARY, 1},
                                   {"pitch", REG_BINARY, 1},
                                   {"charset", REG_BINARY, 1},
                                   {"height", REG_DWORD, 4},
                                   {"weight", REG_DWORD, 4},
                                   {"color", REG_DWORD, 4},
                                   {"bkColor", REG_DWORD, 4},
                                   {"selectedcolor", REG_DWORD, 4},
                                   {"selectedbkcolor", REG_DWORD, 4},
                                   {"hidescroll", REG_BINARY, 1},
                                   {"char", REG_DWORD, 4},
                                   {"readonly", REG_BINARY, 1},
                                   {"removespaces", REG_BINARY, 1},
                                   {"indent", REG_BINARY, 1},
                                   {"update", REG_BINARY, 1},
                                   {"IsoDate", REG_BINARY, 1},
                                   {"bakfile", REG_DWORD, 4},
                                   {"filterindex", REG_DWORD, 4},
                                   {"linelength", REG_DWORD, 4},
                                   {"tabsize", REG_DWORD, 4},
                                   {"WheelLines", REG_DWORD, 4}};
    for (const StoredType& value : expected) {
        RawValue raw = QueryRaw(value.name);
        EXPECT_EQ(raw.type, value.type) << value.name;
        EXPECT_EQ(raw.size, value.size) << value.name;
    }
    EXPECT_EQ(QueryRaw("font").bytes,
              (std::vector<BYTE>{'f', 'i', 'x', 'e', 'd', 's', 'y', 's', 0}));
    EXPECT_EQ(QueryRaw("pitch").bytes, std::vector<BYTE>{0x23});
    EXPECT_EQ(QueryRaw("bkColor").bytes, (std::vector<BYTE>{0xC0, 0xC0, 0xC0, 0}));
    EXPECT_EQ(QueryRaw("initialdir").type, 0u);
    EXPECT_EQ(QueryRaw("KeyCnt").type, 0u);
}

TEST_F(RegistryStore, SavedOptionsLoadBackUnchanged) {
    EditorSettings s;
    s.screenFont.SetFaceName("Courier");
    s.screenFont.height = -16;
    s.screenFont.charSet = 0xEE;
    s.screenFont.italic = 1; // not stored: starts at zero next time
    s.prnFont = "Lucida Console";
    s.tmargin = -3;
    s.bkColor = 0x00FFFFFF;
    s.removeSpaces = false;
    s.tabSize = 4;
    SaveOptions(s);
    EditorSettings back = LoadSettings().options;
    EXPECT_EQ(back.screenFont.FaceName(), "Courier");
    EXPECT_EQ(back.screenFont.height, -16);
    EXPECT_EQ(back.screenFont.charSet, 0xEE);
    EXPECT_EQ(back.screenFont.italic, 0);
    EXPECT_EQ(back.prnFont, "Lucida Console");
    EXPECT_EQ(back.tmargin, -3);
    EXPECT_EQ(back.bkColor, 0x00FFFFFFu);
    EXPECT_FALSE(back.removeSpaces);
    EXPECT_EQ(back.tabSize, 4);
}

TEST_F(RegistryStore, ValuesOfTheWrongSizeOrTypeKeepTheirDefaults) {
    SetRaw("removespaces", REG_DWORD, {0, 0, 0, 0});
    SetRaw("font", REG_SZ, std::vector<BYTE>(41, 'x'));
    SetRaw("linelength", REG_DWORD, {0x00, 0x40, 0x00, 0x00}); // 16384
    SetRaw("tabsize", REG_BINARY, {4, 0, 0, 0});               // type is not checked
    SetRaw("bkColor", REG_BINARY, {1, 2});
    EditorSettings back = LoadSettings().options;
    EXPECT_TRUE(back.removeSpaces);
    EXPECT_EQ(back.screenFont.FaceName(), "fixedsys");
    EXPECT_EQ(back.lineLength, 256);
    EXPECT_EQ(back.tabSize, 4);
    EXPECT_EQ(back.bkColor, 0xC0C0C0u);
}

TEST_F(RegistryStore, TextStoredWithoutItsNulIsReadWithinItsBytes) {
    SetRaw("font", REG_SZ, {'A', 'r', 'i', 'a', 'l'});
    SetRaw("prnFont", REG_SZ, std::vector<BYTE>(32, 'p'));
    EditorSettings back = LoadSettings().options;
    EXPECT_EQ(back.screenFont.FaceName(), "Arial");
    EXPECT_EQ(back.prnFont, "Courier New");
}

TEST_F(RegistryStore, WindowStateWritesPlacementAndKeepsAnEarlierDirectory) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.flags = WPF_RESTORETOMAXIMIZED;
    placement.showCmd = SW_SHOWMAXIMIZED;
    placement.rcNormalPosition = RECT{40, 30, 680, 510};
    SaveWindowState(placement, "C:\\texts\\");
    SaveWindowState(placement, "");

    RawValue rect = QueryRaw("rcNormal");
    EXPECT_EQ(rect.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(rect.size, 16u);
    EXPECT_EQ(QueryRaw("flags").type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(QueryRaw("showCmd").type, static_cast<DWORD>(REG_DWORD));
    RawValue dir = QueryRaw("initialdir");
    EXPECT_EQ(dir.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(dir.size, 10u); // nine characters and the NUL
    EXPECT_EQ(LoadSettings().initialDir, "C:\\texts\\");

    std::optional<StoredPlacement> restored = LoadPlacementToRestore();
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->showCmd, static_cast<std::uint32_t>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(restored->flags, static_cast<std::uint32_t>(WPF_RESTORETOMAXIMIZED));
    EXPECT_EQ(restored->normal.left, 40);
    EXPECT_EQ(restored->normal.bottom, 510);
}

TEST_F(RegistryStore, PlacementBeyondTheScreensRightEdgeIsNotRestored) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_SHOWNORMAL;
    int left = GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON) + 1;
    placement.rcNormalPosition = RECT{left, 0, left + 200, 200};
    SaveWindowState(placement, "");
    EXPECT_FALSE(LoadPlacementToRestore().has_value());
}

TEST_F(RegistryStore, KeyTableIsStoredAndLoadedForTheRecorder) {
    std::optional<LoadedKeyTable> first = LoadRecorderKeyTable();
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->isDefault);

    const KeyBinding markBegin{ToIndex(CommandId::MarkBegin), KeyCode(0x10078), KeyCode(),
                               KeyCode()};
    const KeyBinding paste{ToIndex(CommandId::Paste), KeyCode(0x50051), KeyCode(0x50050),
                           KeyCode()};
    // A table that names every command reads back row for row.
    const KeyBinding undo{ToIndex(CommandId::Undo), KeyCode(), KeyCode(), KeyCode()};
    const KeyBinding redo{ToIndex(CommandId::Redo), KeyCode(), KeyCode(), KeyCode()};
    const KeyBinding replace{ToIndex(CommandId::Replace), KeyCode(), KeyCode(), KeyCode()};
    KeyTable table({markBegin, paste, undo, redo, replace});
    SaveKeyTable(table, false);
    RawValue count = QueryRaw("KeyCnt");
    EXPECT_EQ(count.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(count.bytes, (std::vector<BYTE>{5, 0, 0, 0}));
    RawValue records = QueryRaw("KeyTable");
    EXPECT_EQ(records.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(records.size, 200u);

    std::optional<LoadedKeyTable> loaded = LoadRecorderKeyTable();
    ASSERT_TRUE(loaded.has_value());
    EXPECT_FALSE(loaded->isDefault);
    EXPECT_EQ(loaded->table, table);
    EXPECT_EQ(LoadSettings().keys.table, table);

    SaveKeyTable(KeyTable::Defaults(), true);
    EXPECT_EQ(QueryRaw("KeyCnt").bytes, (std::vector<BYTE>{0, 0, 0, 0}));
    EXPECT_EQ(QueryRaw("KeyTable").type, 0u);
    EXPECT_TRUE(LoadSettings().keys.isDefault);
}

TEST_F(RegistryStore, FontRecordConvertsToAndFromTheLogicalFont) {
    FontRecord font = DefaultScreenFont();
    font.height = -12;
    font.italic = 1;
    LOGFONTA logFont = ToLogFont(font);
    EXPECT_STREQ(logFont.lfFaceName, "fixedsys");
    EXPECT_EQ(logFont.lfPitchAndFamily, 0x23);
    EXPECT_EQ(logFont.lfHeight, -12);
    EXPECT_EQ(logFont.lfItalic, 1);

    std::memset(logFont.lfFaceName, 'W', sizeof(logFont.lfFaceName));
    FontRecord back = FromLogFont(logFont);
    EXPECT_EQ(back.FaceName(), std::string(31, 'W'));
    EXPECT_EQ(back.height, -12);
}

// The ink of `text` drawn with `font` on a white surface: its bounding box's width and height.
SIZE InkExtent(const LOGFONTA& logFont, const char* text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 400);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontIndirectA(&logFont);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, 400, 400};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 200, 200, text, static_cast<int>(std::strlen(text)));
    RECT ink{400, 400, 0, 0};
    for (int y = 0; y < 400; y += 1) {
        for (int x = 0; x < 400; x += 1) {
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                       std::max<LONG>(ink.right, x), std::max<LONG>(ink.bottom, y)};
            }
        }
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return {ink.right - ink.left, ink.bottom - ink.top};
}

TEST_F(RegistryStore, AStoredFontTurnedOnItsSideIsDrawnUpright) {
    FontRecord font = DefaultScreenFont();
    font.SetFaceName("Courier New");
    font.height = -16;
    font.escapement = 900;
    font.orientation = 900;
    const SIZE turned = InkExtent(ToLogFont(font), "MMMMMMMM");
    ASSERT_GT(turned.cy, turned.cx) << "the record as stored draws upwards";
    const SIZE upright = InkExtent(ToLogFont(SaneScreenFont(font)), "MMMMMMMM");
    EXPECT_GT(upright.cx, 2 * upright.cy);
}

class RegistryKeyTest : public RegistryStore {};

TEST_F(RegistryKeyTest, LargeBinaryValueIsReadWhole) {
    RegistryKey key;
    ASSERT_TRUE(OpenSettingsKey(key));
    std::vector<std::uint8_t> big(10000);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<std::uint8_t>(i * 7);
    }
    ASSERT_TRUE(key.WriteBinary("big", big.data(), big.size()));
    std::optional<std::vector<std::uint8_t>> read = key.ReadValue("big", 1 << 20);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, big);
    EXPECT_FALSE(key.ReadValue("big", 9999).has_value());
    EXPECT_FALSE(key.ReadValue("big", 100).has_value());
}

TEST_F(RegistryKeyTest, EmptyValueReadsAsEmptyNotAsAbsent) {
    RegistryKey key;
    ASSERT_TRUE(OpenSettingsKey(key));
    ASSERT_TRUE(key.WriteBinary("empty", nullptr, 0));
    std::optional<std::vector<std::uint8_t>> read = key.ReadValue("empty", 0);
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->empty());
    std::uint8_t byte = 5;
    EXPECT_FALSE(ReadByte(key, "empty", byte));
    EXPECT_EQ(byte, 5);
}

TEST_F(RegistryKeyTest, MovedKeyStaysOpenAndTheSourceIsClosed) {
    RegistryKey first;
    ASSERT_TRUE(OpenSettingsKey(first));
    RegistryKey second(std::move(first));
    EXPECT_FALSE(first.IsOpen());
    EXPECT_TRUE(second.IsOpen());
    EXPECT_FALSE(first.WriteNumber("x", 1));
    EXPECT_TRUE(second.WriteNumber("x", 1));
    RegistryKey third;
    third = std::move(second);
    EXPECT_TRUE(third.IsOpen());
    EXPECT_FALSE(second.IsOpen());
}

TEST_F(RegistryKeyTest, OpeningForReadingNeverCreatesTheKey) {
    RegistryKey key;
    EXPECT_FALSE(key.OpenForReading(HKEY_CURRENT_USER, kProgramKeyPath, "Combo1"));
    EXPECT_FALSE(KeyExists("Software\\Hobart Freeware\\Kestrel\\Combo1"));
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kProgramKeyPath, "Combo1"));
    ASSERT_TRUE(key.WriteText("a", "needle"));
    RegistryKey reader;
    ASSERT_TRUE(reader.OpenForReading(HKEY_CURRENT_USER, kProgramKeyPath, "Combo1"));
    std::string text;
    EXPECT_TRUE(ReadText(reader, "a", 39, text, ""));
    EXPECT_EQ(text, "needle");
    EXPECT_FALSE(reader.WriteText("b", "x"));
}

TEST_F(RegistryKeyTest, DeletingASubkeyRemovesEverythingUnderIt) {
    RegistryKey nested;
    ASSERT_TRUE(nested.Open(HKEY_CURRENT_USER, kProgramKeyPath, "Recent File List\\Deeper"));
    ASSERT_TRUE(nested.WriteText("File1", "C:\\a.txt"));
    nested.Close();
    RegistryKey program;
    ASSERT_TRUE(program.Open(HKEY_CURRENT_USER, kProgramKeyPath));
    EXPECT_TRUE(program.DeleteSubkeyTree("Recent File List"));
    EXPECT_FALSE(KeyExists("Software\\Hobart Freeware\\Kestrel\\Recent File List"));
    EXPECT_TRUE(program.DeleteSubkeyTree("Recent File List"));
    EXPECT_TRUE(program.DeleteValue("never written"));
}

TEST_F(RegistryKeyTest, AnEmptySubkeyNameNeverDeletesTheKeyItself) {
    RegistryKey program;
    ASSERT_TRUE(program.Open(HKEY_CURRENT_USER, kProgramKeyPath, "Settings"));
    ASSERT_TRUE(program.WriteText("kept", "x"));
    EXPECT_FALSE(program.DeleteSubkeyTree(""));
    EXPECT_FALSE(program.DeleteSubkeyTree(nullptr));
    EXPECT_TRUE(KeyExists(kSettingsPath));
}

TEST_F(RegistryKeyTest, TextReadsRefuseValuesOfOtherTypes) {
    RegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kProgramKeyPath, "Combo1"));
    const std::uint8_t bytes[] = {'a', 'b', 0};
    ASSERT_TRUE(key.WriteBinary("a", bytes, std::size(bytes)));
    ASSERT_TRUE(key.WriteText("b", "text"));
    ASSERT_TRUE(RegSetValueExA(key.Get(), "c", 0, REG_EXPAND_SZ, bytes, 3) == ERROR_SUCCESS);
    std::string text = "old";
    EXPECT_FALSE(ReadStoredText(key, "a", 39, text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(ReadStoredText(key, "b", 39, text));
    EXPECT_EQ(text, "text");
    EXPECT_FALSE(ReadStoredText(key, "c", 39, text));
}

TEST_F(RegistryKeyTest, RecentFilesAreRewrittenWholeAndNotAtAllWhenThereAreNone) {
    RegistryKey stale;
    ASSERT_TRUE(stale.Open(HKEY_CURRENT_USER, kProgramKeyPath, "Recent File List"));
    ASSERT_TRUE(stale.WriteText("File3", "C:\\stale.txt"));
    stale.Close();
    RecentFileList list;
    list.AddToTop("C:\\old.txt");
    list.AddToTop("C:\\new.txt");
    SaveRecentFileList(list);
    RecentFileList loaded;
    LoadRecentFileList(loaded);
    ASSERT_EQ(loaded.Entries().size(), 2u) << "File3 went with the old subkey";
    EXPECT_EQ(loaded.Entries()[0].path, "C:\\new.txt");

    SaveRecentFileList(RecentFileList());
    EXPECT_FALSE(KeyExists("Software\\Hobart Freeware\\Kestrel\\Recent File List"));
    EXPECT_TRUE(KeyExists("Software\\Hobart Freeware\\Kestrel"));
}

} // namespace
} // namespace kestrel
