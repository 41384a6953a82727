// The registry under HKEY_CURRENT_USER\Software\Hobart Freeware\Kestrel: one open key, and the
// moments the program reads and writes its Settings key. Registry failures are never shown;
// whatever cannot be read takes its default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "framework/win32.h"
#include "keys/key_table.h"
#include "keys/key_table_store.h"
#include "settings/editor_settings.h"
#include "settings/find_history.h"
#include "settings/recent_file_list.h"
#include "settings/settings_values.h"
#include "settings/window_placement.h"

namespace kestrel {

// Owns one open registry key (closed by RegCloseKey). It is the settings source and sink of
// that key, so the exact-fit reads of settings_values.h work on it directly:
// ReadFlag(key, "indent", flag, false), ReadText(key, "File1", 260, text, "") and so on.
class RegistryKey : public SettingsSource, public SettingsSink {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    ~RegistryKey() override;

    // Opens root\path\subkey (root\path when `subkey` is empty) with full access, creating it
    // when it does not exist. Any key this object held is closed first.
    bool Open(HKEY root, std::string_view path, std::string_view subkey = {});
    // Opens an existing key for reading only; never creates one.
    bool OpenForReading(HKEY root, std::string_view path, std::string_view subkey = {});
    void Close();
    bool IsOpen() const { return key_ != nullptr; }
    HKEY Get() const { return key_; }

    std::optional<std::vector<std::uint8_t>> ReadValue(const char* name,
                                                       std::size_t limit) const override;
    // Only a REG_SZ value; anything else reads as absent.
    std::optional<std::vector<std::uint8_t>> ReadTextValue(const char* name,
                                                           std::size_t limit) const override;
    bool WriteBinary(const char* name, const std::uint8_t* data, std::size_t size) override;
    bool WriteNumber(const char* name, std::uint32_t value) override;
    bool WriteText(const char* name, std::string_view text) override;
    bool DeleteValue(const char* name) override;

    // Deletes the subkey `subkey` of this key with everything under it; true also when there
    // was no such subkey. An empty or missing name is refused: it would name this key itself.
    bool DeleteSubkeyTree(const char* subkey);

private:
    HKEY key_ = nullptr;
};

// Opens the program's Settings key, creating it (and the keys above it) when absent.
bool OpenSettingsKey(RegistryKey& key);

// Start-up: every option, the initial directory and the start-up key table. Defaults throughout
// (and the default key table) when the Settings key cannot be opened or created.
LoadedSettings LoadSettings();

// After Yes to "Save settings?": every option. Nothing happens when the key cannot be opened.
void SaveOptions(const EditorSettings& settings);

// Whenever the main window is destroyed: its placement, and the initial directory unless it is
// empty.
void SaveWindowState(const WINDOWPLACEMENT& placement, std::string_view initialDir);

// The stored placement to apply when the main window is first shown, judged against the
// primary screen; nothing when none is stored or it would not be reachable.
std::optional<StoredPlacement> LoadPlacementToRestore();

// Applies LoadPlacementToRestore to `window` with SetWindowPlacement, which also shows it.
// False (and nothing happens) when there is nothing to apply: the caller shows the window.
bool RestoreStoredPlacement(HWND window);

// The key recorder's working table: the stored table, or the defaults with `isDefault` set.
// Nothing when the Settings key cannot be opened.
std::optional<LoadedKeyTable> LoadRecorderKeyTable();

// The key recorder's OK: KeyCnt and KeyTable, or KeyCnt 0 and no KeyTable after "Restore to
// default" (`restored`).
void SaveKeyTable(const KeyTable& table, bool restored);

// Start-up: the stored recent files, appended to `list`.
void LoadRecentFileList(RecentFileList& list);

// Whenever the main window is destroyed: the subkey "Recent File List" is deleted and, when the
// list is not empty, written anew with the entries that are not greyed.
void SaveRecentFileList(const RecentFileList& list);

// A search dialog's opening: the texts stored under `subkey` (the search strings by default,
// kReplaceHistorySubkey for the replacements). The key is not created here.
void LoadFindHistory(FindHistory& history, std::string_view subkey = kFindHistorySubkey);

// A search dialog's use of a text: records `text` in the history stored under `subkey` and
// writes it at once. Nothing is recorded for an empty text or when the key cannot be opened.
void CommitFindHistory(FindHistory& history, std::string_view text,
                       std::string_view subkey = kFindHistorySubkey);

// The screen font record and the GDI's logical font, member by member. A face name that fills
// its whole field is cut to 31 characters, so both always end in a NUL.
LOGFONTA ToLogFont(const FontRecord& font);
FontRecord FromLogFont(const LOGFONTA& font);

} // namespace kestrel
