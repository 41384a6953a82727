// The recent-file order and its stored form.
#include "settings/recent_file_list.h"

#include <algorithm>

namespace kestrel {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SamePath(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(x) == Lower(y);
           });
}

// "File1" .. "File9".
std::string ValueName(std::size_t number) {
    return "File" + std::string(1, static_cast<char>('0' + number));
}

std::ptrdiff_t IndexOf(int id) { return static_cast<std::ptrdiff_t>(id) - kFirstRecentFileId; }

} // namespace

bool FitsRecentEntry(std::string_view path) {
    return !path.empty() && path.size() < kRecentPathSize;
}

bool RecentFileList::Append(std::string_view path) {
    if (entries_.size() >= kMaxRecentFiles || !FitsRecentEntry(path)) {
        return false;
    }
    entries_.push_back(RecentFile{std::string(path), false});
    return true;
}

bool RecentFileList::AddToTop(std::string_view path) {
    if (!FitsRecentEntry(path)) {
        return false;
    }
    auto same = std::find_if(entries_.begin(), entries_.end(), [path](const RecentFile& entry) {
        return SamePath(entry.path, path);
    });
    if (same != entries_.end()) {
        entries_.erase(same);
    }
    entries_.insert(entries_.begin(), RecentFile{std::string(path), false});
    if (entries_.size() > kMaxRecentFiles) {
        entries_.pop_back();
    }
    return true;
}

bool RecentFileList::HasEntry(int id) const {
    const std::ptrdiff_t index = IndexOf(id);
    return index >= 0 && index < static_cast<std::ptrdiff_t>(entries_.size());
}

std::optional<std::string> RecentFileList::EntryPath(int id) const {
    if (!HasEntry(id) || entries_[static_cast<std::size_t>(IndexOf(id))].greyed) {
        return std::nullopt;
    }
    return entries_[static_cast<std::size_t>(IndexOf(id))].path;
}

bool RecentFileList::Grey(int id) {
    if (!HasEntry(id)) {
        return false;
    }
    entries_[static_cast<std::size_t>(IndexOf(id))].greyed = true;
    return true;
}

void ReadRecentFiles(const SettingsSource& source, RecentFileList& list) {
    std::string path;
    for (std::size_t number = 1; number <= kMaxRecentFiles; ++number) {
        if (!ReadStoredText(source, ValueName(number).c_str(), kRecentPathSize, path)) {
            return;
        }
        list.Append(path);
    }
}

void WriteRecentFiles(SettingsSink& sink, const RecentFileList& list) {
    std::size_t number = 1;
    for (const RecentFile& entry : list.Entries()) {
        if (!entry.greyed) {
            sink.WriteText(ValueName(number++).c_str(), entry.path);
        }
    }
}

} // namespace kestrel
