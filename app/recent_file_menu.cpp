// The recent-file items of the File menu.
#include "app/recent_file_menu.h"

#include <string>

namespace kestrel {

namespace {

// A "&" in a path would turn the next character into a mnemonic; doubled it shows as itself.
std::string MenuText(const std::string& path) {
    std::string text;
    for (char c : path) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

} // namespace

void RecentFileMenu::Show(const RecentFileList& list) {
    if (menu_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < kMaxRecentFiles; ++i) {
        DeleteMenu(menu_, static_cast<UINT>(kFirstRecentFileId + i), MF_BYCOMMAND);
    }
    const auto& entries = list.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const UINT flags = MF_BYPOSITION | MF_STRING | (entries[i].greyed ? MF_GRAYED : 0);
        InsertMenuA(menu_, static_cast<UINT>(kRecentFileMenuPosition + i), flags,
                    static_cast<UINT_PTR>(kFirstRecentFileId + i),
                    MenuText(entries[i].path).c_str());
    }
    if (!entries.empty() && !separatorShown_) {
        separatorShown_ =
            InsertMenuA(menu_, static_cast<UINT>(kRecentFileMenuPosition + entries.size()),
                        MF_BYPOSITION | MF_SEPARATOR, 0, nullptr) != FALSE;
    }
}

} // namespace kestrel
