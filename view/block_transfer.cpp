// The block to and from the outside: the clipboard (Copy, Cut, Paste) and block files (Block
// read, Block write). Every failure leaves the document, the block and the clipboard as they were.
#include "view/editor_view.h"

#include <cstring>
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
    ClipboardScope clipboard(Handle());
    if (!clipboard.Opened()) {
        return;
    }
    // Listed text can still fail to arrive; and the text ends at its NUL or at the end of its
    // memory, whichever comes first, however large the block another program handed over.
    HANDLE memory = GetClipboardData(CF_TEXT);
    if (memory == nullptr) {
        return;
    }
    const char* text = static_cast<const char*>(GlobalLock(memory));
    if (text == nullptr) {
        return;
    }
    const std::size_t size = GlobalSize(memory);
    const void* end = std::memchr(text, '\0', size);
    const std::size_t length =
        end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : size;
    block_.InsertText(std::string_view(text, length));
    GlobalUnlock(memory);
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
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    std::string bytes;
    // A file that cannot be read is passed over without a word, as a cancelled dialog is.
    if (ReadFileBytes(blockFileName_, bytes)) {
        block_.InsertText(bytes);
        UpdateStatePane();
    }
    SetCursor(previous);
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
    // Built only now that a name is chosen, and released on every path by its owner.
    BlockIterator block(Store(), View().BlockBegin(), View().BlockEnd(), View().BlockShown());
    std::string text(BlockTextLength(block) + 1, '\0');
    CopyBlockText(block, text.data());
    text.pop_back();
    if (!WriteFileBytes(path, text)) {
        ShowMessage("Can't write file", path);
    }
}

} // namespace kestrel
