// The registry key owner and the moments the program reads and writes its Settings key.
#include "platform/registry_store.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/on_demand_calls.h"
#include "framework/win32.h"

#include "settings/stored_key_table.h"

namespace kestrel {

static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "font records must match member by member");

namespace {

// Values up to this size are read in one call, without asking for their size first (the size
// the ANSI call reports for a text can exceed the text it then returns).
constexpr DWORD kDirectReadSize = 4096;
// A value that keeps changing size between calls is given up on after this many tries.
constexpr int kReadAttempts = 4;

std::string KeyPath(std::string_view path, std::string_view subkey) {
    std::string full(path);
    if (!subkey.empty()) {
        full += '\\';
        full += subkey;
    }
    return full;
}

} // namespace

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

RegistryKey::~RegistryKey() {
    Close();
}

bool RegistryKey::Open(HKEY root, std::string_view path, std::string_view subkey) {
    Close();
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(root, KeyPath(path, subkey).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) {
        return false;
    }
    key_ = key;
    return true;
}

bool RegistryKey::OpenForReading(HKEY root, std::string_view path, std::string_view subkey) {
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, KeyPath(path, subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    key_ = key;
    return true;
}

void RegistryKey::Close() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

std::optional<std::vector<std::uint8_t>> RegistryKey::ReadValue(const char* name,
                                                                std::size_t limit) const {
    if (key_ == nullptr) {
        return std::nullopt;
    }
    try {
        // One spare byte keeps the buffer pointer valid for a limit of 0: a null buffer would
        // turn the call into a size query that succeeds for any value.
        DWORD capacity = static_cast<DWORD>(std::min<std::size_t>(limit, kDirectReadSize));
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(capacity) + 1);
        for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
            DWORD size = capacity;
            LONG result = RegQueryValueExA(key_, name, nullptr, nullptr, bytes.data(), &size);
            if (result == ERROR_SUCCESS && size <= capacity) {
                bytes.resize(size);
                return bytes;
            }
            // Too small: only worth another try when the value may still fit the limit.
            if (result != ERROR_MORE_DATA || size <= capacity || size > limit) {
                return std::nullopt;
            }
            capacity = size;
            bytes.resize(static_cast<std::size_t>(capacity) + 1);
        }
    } catch (const std::bad_alloc&) {
        // A value too large to hold in memory reads as absent.
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> RegistryKey::ReadTextValue(const char* name,
                                                                    std::size_t limit) const {
    DWORD type = REG_NONE;
    if (key_ == nullptr ||
        RegQueryValueExA(key_, name, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return ReadValue(name, limit);
}

bool RegistryKey::WriteBinary(const char* name, const std::uint8_t* data, std::size_t size) {
    if (key_ == nullptr) {
        return false;
    }
    return RegSetValueExA(key_, name, 0, REG_BINARY, data, static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
}

bool RegistryKey::WriteNumber(const char* name, std::uint32_t value) {
    if (key_ == nullptr) {
        return false;
    }
    // REG_DWORD is little-endian, the byte order of every stored number.
    BYTE number[4];
    EncodeWord(number, value);
    return RegSetValueExA(key_, name, 0, REG_DWORD, number,
                          static_cast<DWORD>(std::size(number))) == ERROR_SUCCESS;
}

bool RegistryKey::WriteText(const char* name, std::string_view text) {
    if (key_ == nullptr) {
        return false;
    }
    std::vector<BYTE> terminated(text.begin(), text.end());
    terminated.push_back(0);
    return RegSetValueExA(key_, name, 0, REG_SZ, terminated.data(),
                          static_cast<DWORD>(terminated.size())) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const char* name) {
    if (key_ == nullptr) {
        return false;
    }
    LONG result = RegDeleteValueA(key_, name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RegistryKey::DeleteSubkeyTree(const char* subkey) {
    if (key_ == nullptr || subkey == nullptr || subkey[0] == '\0') {
        return false;
    }
    LONG result = DeleteKeyTree(key_, subkey);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool OpenSettingsKey(RegistryKey& key) {
    return key.Open(HKEY_CURRENT_USER, kProgramKeyPath, kSettingsSubkey);
}

LoadedSettings LoadSettings() {
    RegistryKey key;
    if (!OpenSettingsKey(key)) {
        return LoadedSettings{};
    }
    return ReadSettings(key);
}

void SaveOptions(const EditorSettings& settings) {
    RegistryKey key;
    if (OpenSettingsKey(key)) {
        WriteOptions(key, settings);
    }
}

void SaveWindowState(const WINDOWPLACEMENT& placement, std::string_view initialDir) {
    RegistryKey key;
    if (!OpenSettingsKey(key)) {
        return;
    }
    StoredPlacement stored;
    stored.flags = placement.flags;
    stored.showCmd = placement.showCmd;
    const RECT& normal = placement.rcNormalPosition;
    stored.normal = Rect{normal.left, normal.top, normal.right, normal.bottom};
    WriteWindowState(key, stored, initialDir);
}

std::optional<StoredPlacement> LoadPlacementToRestore() {
    RegistryKey key;
    if (!OpenSettingsKey(key)) {
        return std::nullopt;
    }
    ScreenMetrics screen;
    screen.width = GetSystemMetrics(SM_CXSCREEN);
    screen.height = GetSystemMetrics(SM_CYSCREEN);
    screen.iconWidth = GetSystemMetrics(SM_CXICON);
    screen.iconHeight = GetSystemMetrics(SM_CYICON);
    return ReadPlacementToRestore(key, screen);
}

bool RestoreStoredPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(window, &placement)) {
        return false;
    }
    std::optional<StoredPlacement> stored = LoadPlacementToRestore();
    if (!stored) {
        return false;
    }
    placement.flags = stored->flags;
    placement.showCmd = stored->showCmd;
    placement.rcNormalPosition =
        RECT{stored->normal.left, stored->normal.top, stored->normal.right, stored->normal.bottom};
    return SetWindowPlacement(window, &placement) != FALSE;
}

std::optional<LoadedKeyTable> LoadRecorderKeyTable() {
    RegistryKey key;
    if (!OpenSettingsKey(key)) {
        return std::nullopt;
    }
    return ReadKeyTable(key);
}

void SaveKeyTable(const KeyTable& table, bool restored) {
    RegistryKey key;
    if (OpenSettingsKey(key)) {
        WriteKeyTable(key, table, restored);
    }
}

void LoadRecentFileList(RecentFileList& list) {
    RegistryKey key;
    if (key.OpenForReading(HKEY_CURRENT_USER, kProgramKeyPath, kRecentFileSubkey)) {
        ReadRecentFiles(key, list);
    }
}

void SaveRecentFileList(const RecentFileList& list) {
    RegistryKey program;
    if (!program.Open(HKEY_CURRENT_USER, kProgramKeyPath)) {
        return;
    }
    program.DeleteSubkeyTree(kRecentFileSubkey);
    if (list.Entries().empty()) {
        return;
    }
    RegistryKey key;
    if (key.Open(program.Get(), kRecentFileSubkey)) {
        WriteRecentFiles(key, list);
    }
}

void LoadFindHistory(FindHistory& history, std::string_view subkey) {
    RegistryKey key;
    if (key.OpenForReading(HKEY_CURRENT_USER, kProgramKeyPath, subkey)) {
        history.Load(key);
    }
}

void CommitFindHistory(FindHistory& history, std::string_view text, std::string_view subkey) {
    if (text.empty()) {
        return;
    }
    RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kProgramKeyPath, subkey)) {
        history.Commit(text, key);
    }
}

LOGFONTA ToLogFont(const FontRecord& font) {
    LOGFONTA logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWidth = font.width;
    logFont.lfEscapement = font.escapement;
    logFont.lfOrientation = font.orientation;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikeOut;
    logFont.lfCharSet = font.charSet;
    logFont.lfOutPrecision = font.outPrecision;
    logFont.lfClipPrecision = font.clipPrecision;
    logFont.lfQuality = font.quality;
    logFont.lfPitchAndFamily = font.pitchAndFamily;
    std::string_view face = font.FaceName();
    std::memcpy(logFont.lfFaceName, face.data(), face.size());
    return logFont;
}

FontRecord FromLogFont(const LOGFONTA& logFont) {
    FontRecord font;
    font.height = logFont.lfHeight;
    font.width = logFont.lfWidth;
    font.escapement = logFont.lfEscapement;
    font.orientation = logFont.lfOrientation;
    font.weight = logFont.lfWeight;
    font.italic = logFont.lfItalic;
    font.underline = logFont.lfUnderline;
    font.strikeOut = logFont.lfStrikeOut;
    font.charSet = logFont.lfCharSet;
    font.outPrecision = logFont.lfOutPrecision;
    font.clipPrecision = logFont.lfClipPrecision;
    font.quality = logFont.lfQuality;
    font.pitchAndFamily = logFont.lfPitchAndFamily;
    const char* face = logFont.lfFaceName;
    font.SetFaceName(std::string_view(face, strnlen(face, std::size(logFont.lfFaceName))));
    return font;
}

} // namespace kestrel
