// Find, go to and replace, with their dialogs.
#include "view/search_dialogs.h"

#include "dialogs/find_dialog.h"
#include "dialogs/goto_line_dialog.h"

namespace kestrel {

void SearchDialogs::FindText() {
    FindDialog dialog(runner_.Find());
    if (dialog.Run(owner_.Handle())) {
        runner_.Find().FindNext();
    }
}

void SearchDialogs::GotoLine() {
    GotoLineDialog dialog(runner_.Find());
    dialog.Run(owner_.Handle(), context_.LineCount());
}

void SearchDialogs::Replace() {
    ReplaceDialog dialog(runner_.Find(), replace_.Replacement(), *this);
    dialog.Run(owner_.Handle());
}

void SearchDialogs::FindNext() { runner_.Find().FindNext(); }

void SearchDialogs::ReplaceOne() { replace_.ReplaceNext(); }

void SearchDialogs::ReplaceAll() {
    if (context_.ReadOnly() || runner_.Find().SearchText().empty()) {
        return;
    }
    const ReplaceAllResult result = replace_.ReplaceAll();
    context_.Host().ShowMessage(ReplacedText(result.replaced),
                                result.skipped > 0 ? NotReplacedText(result.skipped) : "");
}

} // namespace kestrel
