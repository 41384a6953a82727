// The files last opened, most recent first, as the File menu lists them, and their stored form:
// "File1" (the most recent) to "File5" under the subkey "Recent File List", numbered without
// gaps. An entry that failed to open stays listed, greyed, for the rest of the run and is not
// stored again.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_values.h"

namespace kestrel {

inline constexpr char kRecentFileSubkey[] = "Recent File List";
inline constexpr int kFirstRecentFileId = 5900;
inline constexpr std::size_t kMaxRecentFiles = 5;
// An entry's path and its NUL fit a buffer of this size; longer paths are never listed.
inline constexpr std::size_t kRecentPathSize = 260;
// Where the entries start in the File menu: after the printing items and their separator.
inline constexpr int kRecentFileMenuPosition = 10;

struct RecentFile {
    std::string path;
    bool greyed = false; // failed to open: shown, no longer opened, dropped at exit
};

class RecentFileList {
public:
    // Start-up: adds `path` at the bottom. False when the list is full or the path is empty or
    // too long to be an entry.
    bool Append(std::string_view path);
    // After a file was loaded: `path` becomes the top entry, an entry naming the same path
    // (compared without regard to case) is dropped, and so is the oldest beyond five. False,
    // changing nothing, when the path is empty or too long to be an entry.
    bool AddToTop(std::string_view path);

    // The path of the entry with menu id `id`; nothing when there is none or it is greyed.
    std::optional<std::string> EntryPath(int id) const;
    // True when `id` is the menu id of an entry, greyed or not.
    bool HasEntry(int id) const;
    // Greys the entry with menu id `id`; false when there is none.
    bool Grey(int id);

    // Top first; entry i has menu id kFirstRecentFileId + i.
    const std::vector<RecentFile>& Entries() const { return entries_; }

private:
    std::vector<RecentFile> entries_;
};

// True when `path` can be an entry: not empty, and it fits kRecentPathSize with its NUL.
bool FitsRecentEntry(std::string_view path);

// Start-up: "File1", "File2", ... while they can be read as texts, each appended in turn.
void ReadRecentFiles(const SettingsSource& source, RecentFileList& list);
// At exit, into the emptied subkey: the entries not greyed as "File1", "File2", ... in order.
void WriteRecentFiles(SettingsSink& sink, const RecentFileList& list);

} // namespace kestrel
