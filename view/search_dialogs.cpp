// Find and go to, with their dialogs.
#include "view/search_dialogs.h"

#include "dialogs/find_dialog.h"
#include "dialogs/goto_line_dialog.h"

namespace kestrel {

void SearchDialogs::FindText() {
    FindDialog dialog(find_);
    if (dialog.Run(owner_.Handle())) {
        find_.FindNext();
    }
}

void SearchDialogs::GotoLine() {
    GotoLineDialog dialog(find_);
    dialog.Run(owner_.Handle(), store_.LineCount());
}

} // namespace kestrel
