// The block to and from the outside: the clipboard (Copy, Cut, Paste) and block files (Block
// read, Block write). Every failure leaves the document, the block and the clipboard as they were.
#include "view/editor_view.h"

#include <cstring>
#include <optional>
#include <string>

#include "document/block_iterator.h"
#include "document/path_names.h"
#include "framework/on_demand_calls.h"
#include "view/document_file.h"

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

// A global memory block locked for as long as this lives; Data() is null when it could not be.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HANDLE memory)
        : memory_(memory), data_(memory != nullptr ? GlobalLock(memory) : nullptr) {}
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    ~GlobalLockScope() {
        if (data_ != nullptr) {
            GlobalUnlock(memory_);
        }
    }
    const char* Data() const { return static_cast<const char*>(data_); }
    // Bytes in the block, which may be more than the text it holds.
    std::size_t Size() const { return GlobalSize(memory_); }

private:
    HANDLE memory_;
    void* data_;
};

// The wait cursor for as long as this lives, the previous one back afterwards.
class WaitCursorScope {
public:
    WaitCursorScope() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
    ~WaitCursorScope() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

} // namespace

bool EditorView::CopyCommand() {
    if (!block_.HasShownBlock()) {
        return false;
    }
    // The text goes straight into the clipboard's memory: no other copy of the block is made.
    BlockIterator block(Store(), View().BlockBegin(), View().BlockEnd(), View().BlockShown());
    const std::size_t length = BlockTextLength(block);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length + 1);
    if (memory == nullptr) {
        return false;
    }
    char* text = static_cast<char*>(GlobalLock(memory));
    if (text == nullptr) {
        GlobalFree(memory);
        return false;
    }
    CopyBlockText(block, text);
    GlobalUnlock(memory);
    ClipboardScope clipboard(Handle());
    if (!clipboard.Opened() || !EmptyClipboard() ||
        SetClipboardData(CF_TEXT, memory) == nullptr) {
        // Until the clipboard takes it, the memory is still ours to free.
        GlobalFree(memory);
        return false;
    }
    return true;
}

void EditorView::CutCommand() {
    // The block goes only once it is safely on the clipboard: a busy clipboard loses nothing.
    if (CopyCommand() && !Store().Flags().readOnly) {
        block_.DeleteBlock();
    }
}

void EditorView::PasteCommand() {
    if (Store().Flags().readOnly || !IsClipboardFormatAvailable(CF_TEXT)) {
        return;
    }
    // The text is copied out and the clipboard closed again before anything can show a box, so
    // other programs can use the clipboard while a warning is up.
    std::optional<InsertionText> text;
    {
        ClipboardScope clipboard(Handle());
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
        text.emplace(Store().Arena(), std::string_view(memory.Data(), length));
    }
    block_.InsertText(*text);
}

void EditorView::BlockReadCommand() {
    if (Store().Flags().readOnly) {
        return;
    }
    char path[kDialogPathSize] = "";
    blockFileName_.copy(path, std::size(path) - 1);
    OPENFILENAMEA dialog = FileDialog(path, std::size(path));
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (!ShowOpenFileDialog(&dialog)) {
        return;
    }
    blockFileName_ = path;
    if (static_cast<int>(dialog.nFilterIndex) != filterIndex_) {
        filterIndex_ = static_cast<int>(dialog.nFilterIndex);
        if (host_ != nullptr) {
            host_->SetSettingsChanged();
        }
    }
    WaitCursorScope wait;
    std::string bytes;
    // A file that cannot be read is passed over without a word, as a cancelled dialog is. Its
    // NUL bytes are kept, as loading keeps them.
    if (ReadFileBytes(blockFileName_, bytes)) {
        block_.InsertText(bytes);
        UpdateStatePane();
    }
}

void EditorView::BlockWriteCommand() {
    if (!block_.HasShownBlock()) {
        return;
    }
    const std::string path = AskSavePath(blockFileName_);
    if (path.empty()) {
        return;
    }
    blockFileName_ = path;
    if (!WriteBlockFile(path, Store(), View().BlockBegin(), View().BlockEnd())) {
        ShowMessage("Can't write file", path);
        return;
    }
    if (!documentPath_.empty() && IsSameFileName(path, documentPath_)) {
        // The document's own file now holds only the block: the document is no longer on disk,
        // so closing must offer to save it.
        Store().OnLineChanged();
        UpdateStatePane();
    }
}

} // namespace kestrel
