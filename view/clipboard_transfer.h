// The block through the system clipboard: "Copy", "Cut" and "Paste". Every failure leaves the
// document, the block and the clipboard as they were.
#pragma once

#include "commands/block_commands.h"
#include "document/line_store.h"
#include "framework/window.h"

namespace kestrel {

class ClipboardTransfer {
public:
    // `owner` holds the clipboard while it is open; none of the four is owned.
    ClipboardTransfer(const Window& owner, LineStore& store, TextViewState& view,
                      BlockCommands& block)
        : owner_(owner), store_(store), view_(view), block_(block) {}

    // Puts the shown block on the clipboard as CR LF text; true when it did.
    bool Copy();
    // Copy, then Delete block, but only after a copy that succeeded: a busy clipboard loses
    // nothing. In a read-only document only the copy happens.
    void Cut();
    // Inserts the clipboard's text at the caret in a writable document.
    void Paste();

private:
    const Window& owner_;
    LineStore& store_;
    TextViewState& view_;
    BlockCommands& block_;
};

} // namespace kestrel
