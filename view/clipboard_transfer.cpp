// Copy, Cut and Paste on the real clipboard.
#include "view/clipboard_transfer.h"

#include <cstring>
#include <optional>
#include <string_view>

#include "document/block_iterator.h"
#include "framework/handles.h"

namespace kestrel {

namespace {

// The clipboard, open for as long as this lives; Opened() says whether it could be had. Another
// program may hold it for a moment, so a few short waits come before giving up.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 4 && !open_; ++attempt) {
            if (attempt > 0) {
                Sleep(10);
            }
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    ~ClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    bool Opened() const { return open_; }

private:
    bool open_ = false;
};

} // namespace

bool ClipboardTransfer::Copy() {
    if (!block_.HasShownBlock()) {
        return false;
    }
    // The text goes straight into the clipboard's memory: no other copy of the block is made.
    BlockIterator block(store_, view_.BlockBegin(), view_.BlockEnd(), view_.BlockShown());
    const std::size_t length = BlockTextLength(block);
    GlobalMemory memory(length + 1);
    {
        GlobalLockScope text(memory.Get());
        if (text.Data() == nullptr) {
            return false;
        }
        CopyBlockText(block, text.Data());
    }
    ClipboardScope clipboard(owner_.Handle());
    if (!clipboard.Opened() || !EmptyClipboard() ||
        SetClipboardData(CF_TEXT, memory.Get()) == nullptr) {
        return false; // until the clipboard takes it, the memory is still ours to free
    }
    memory.Release();
    return true;
}

void ClipboardTransfer::Cut() {
    if (Copy() && !store_.Flags().readOnly) {
        block_.DeleteBlock();
    }
}

void ClipboardTransfer::Paste() {
    if (store_.Flags().readOnly || !IsClipboardFormatAvailable(CF_TEXT)) {
        return;
    }
    // The text is copied out and the clipboard closed again before anything can show a box, so
    // other programs can use the clipboard while a warning is up.
    std::optional<InsertionText> text;
    {
        ClipboardScope clipboard(owner_.Handle());
        if (!clipboard.Opened()) {
            return;
        }
        // Listed text can still fail to arrive; and the text ends at its NUL or at the end of
        // its memory, whichever comes first, however large the block another program handed
        // over.
        GlobalLockScope memory(GetClipboardData(CF_TEXT));
        if (memory.Data() == nullptr) {
            return;
        }
        const std::size_t size = memory.Size();
        const void* end = std::memchr(memory.Data(), '\0', size);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - memory.Data())
                           : size;
        text.emplace(store_.Arena(), std::string_view(memory.Data(), length));
    }
    block_.InsertText(*text);
}

} // namespace kestrel
