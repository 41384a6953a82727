// Block read and Block write.
#include "view/block_files.h"

#include "document/path_names.h"
#include "platform/document_file.h"

namespace kestrel {

namespace {

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

bool BlockFiles::Read() {
    if (store_.Flags().readOnly) {
        return false;
    }
    const std::optional<FileDialogs::OpenChoice> choice =
        dialogs_.AskOpenPath(name_, false, false);
    if (!choice) {
        return false;
    }
    name_ = choice->path;
    WaitCursorScope wait;
    std::string bytes;
    if (ReadFileBytes(name_, bytes)) {
        block_.InsertText(bytes);
    }
    return choice->typeChanged;
}

bool BlockFiles::Write(const std::string& documentPath) {
    if (!block_.HasShownBlock()) {
        return false;
    }
    const std::string path = dialogs_.AskSavePath(name_);
    if (path.empty()) {
        return false;
    }
    name_ = path;
    if (!WriteBlockFile(path, store_, view_.BlockBegin(), view_.BlockEnd())) {
        host_.ShowMessage("Can't write file", path);
        return false;
    }
    return !documentPath.empty() && IsSameFileName(path, documentPath);
}

} // namespace kestrel
