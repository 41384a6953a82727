// The file dialogs and the question a completed name asks.
#include "view/file_dialogs.h"

// The file dialogs' record; the lean Windows header leaves it out.
#include <commdlg.h>

#include "document/path_names.h"
#include "platform/on_demand_calls.h"
#include "shell/message_layout.h"
#include "shell/window_title.h"
#include "platform/document_file.h"

namespace kestrel {

namespace {

// Label and pattern pairs, each ending in a NUL, the list ending in a second NUL.
constexpr char kFileFilters[] = "Text files (*.TXT)\0*.txt\0"
                                "C files (*.CPP, *.h, *.rc)\0*.cpp;*.h;*.rc\0"
                                "ASM Source (*.asm)\0*.asm\0"
                                "All files (*.*)\0*.*\0";
constexpr char kCannotWriteText[] = "Can't write file";
constexpr char kReplaceQuestionText[] = " already exists.\nDo you want to replace it?";

// The open and save dialogs' common settings: owner, filters, result buffer, folder.
OPENFILENAMEA FileDialog(HWND owner, int filterIndex, const std::string& folder, char* path,
                         std::size_t size) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileFilters;
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(size);
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    return dialog;
}

} // namespace

std::optional<FileDialogs::OpenChoice> FileDialogs::AskOpenPath(const std::string& start,
                                                                bool offerReadOnly,
                                                                bool readOnly) {
    char path[kPathSize] = "";
    start.copy(path, std::size(path) - 1);
    OPENFILENAMEA dialog =
        FileDialog(owner_.Handle(), filterIndex_, initialDirectory_, path, std::size(path));
    dialog.Flags = offerReadOnly ? (readOnly ? OFN_READONLY : 0)
                                 : OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (!ShowOpenFileDialog(&dialog)) {
        return std::nullopt;
    }
    OpenChoice choice;
    choice.path = path;
    choice.readOnlyTicked = offerReadOnly && (dialog.Flags & OFN_READONLY) != 0;
    choice.typeChanged = static_cast<int>(dialog.nFilterIndex) != filterIndex_;
    filterIndex_ = static_cast<int>(dialog.nFilterIndex);
    return choice;
}

std::string FileDialogs::AskSavePath(const std::string& start) {
    char path[kPathSize] = "";
    start.copy(path, std::size(path) - 1);
    OPENFILENAMEA dialog =
        FileDialog(owner_.Handle(), filterIndex_, initialDirectory_, path, std::size(path));
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                   OFN_NOREADONLYRETURN;
    if (!ShowSaveFileDialog(&dialog)) {
        return std::string();
    }
    std::string chosen = path;
    ApplyDefaultExtension(chosen);
    if (chosen.size() >= kPathSize) {
        host_.ShowMessage(kCannotWriteText, chosen);
        return std::string();
    }
    // The dialog asked about the name as typed; a name that ".txt" completed is asked about here,
    // so no file is ever replaced without a question.
    if (chosen != path && FileExists(chosen)) {
        const std::string question = chosen + kReplaceQuestionText;
        const std::string caption(kProductName);
        if (messages_.Show(owner_.Handle(), question.c_str(), caption.c_str(),
                           kStyleYesNo | kStyleIconExclamation, nullptr, kMessageTextColour,
                           kMessageBackColour, kMessageShadowColour) != kResultYes) {
            return std::string();
        }
    }
    return chosen;
}

} // namespace kestrel
