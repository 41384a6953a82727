// The dialogs of "Find text" and "Goto line #" around the window-free search.
#pragma once

#include "commands/find_commands.h"
#include "document/line_store.h"
#include "framework/window.h"

namespace kestrel {

class SearchDialogs {
public:
    // None of the three is owned.
    SearchDialogs(const Window& owner, FindCommands& find, const LineStore& store)
        : owner_(owner), find_(find), store_(store) {}

    // The Find dialog, then a search when it closed with OK.
    void FindText();
    // The Go to Line dialog for the document's line count.
    void GotoLine();

private:
    const Window& owner_;
    FindCommands& find_;
    const LineStore& store_;
};

} // namespace kestrel
