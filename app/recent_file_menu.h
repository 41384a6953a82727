// The recent files as items of the File menu: ids 5900 upwards from the top entry, a greyed item
// for an entry that failed to open, and one separator after the list once it has an entry.
#pragma once

#include "framework/win32.h"
#include "settings/recent_file_list.h"

namespace kestrel {

class RecentFileMenu {
public:
    // The menu the entries go into (the File menu), not owned.
    void Attach(HMENU menu) { menu_ = menu; }
    // Replaces the entry items with `list`'s entries.
    void Show(const RecentFileList& list);

private:
    HMENU menu_ = nullptr;
    bool separatorShown_ = false;
};

} // namespace kestrel
