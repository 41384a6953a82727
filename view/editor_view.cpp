// The editor's text window: warnings, status panes and the named commands.
#include "view/editor_view.h"

#include <array>
#include <vector>

#include <commdlg.h>

#include "dialogs/find_dialog.h"
#include "dialogs/goto_line_dialog.h"
#include "document/path_names.h"
#include "framework/on_demand_calls.h"
#include "framework/startup_clock.h"
#include "framework/status_bar.h"
#include "keys/command_table.h"
#include "shell/message_layout.h"
#include "shell/window_title.h"
#include "view/document_file.h"

namespace kestrel {

namespace {

constexpr int kStatePane = 1;
constexpr int kCaretPane = 2;
constexpr char kModifiedText[] = "\tModified";
constexpr char kReadOnlyText[] = "\tRead only";

constexpr char kCannotWriteText[] = "Can't write file";
constexpr char kReplaceQuestionText[] = " already exists.\nDo you want to replace it?";

constexpr UINT_PTR kNoticeTimer = 2;
constexpr COLORREF kNoticeText = RGB(0, 0, 0);
constexpr COLORREF kNewFileBackground = RGB(0, 255, 0);
constexpr int kNoticeTicks = 3;
constexpr UINT kNewFilePeriod = 400;
constexpr COLORREF kPassedEndBackground = RGB(255, 0, 255);
constexpr UINT kPassedEndPeriod = 160;
// Label and pattern pairs, each ending in a NUL, the list ending in a second NUL.
constexpr char kFileFilters[] = "Text files (*.TXT)\0*.txt\0"
                                "C files (*.CPP, *.h, *.rc)\0*.cpp;*.h;*.rc\0"
                                "ASM Source (*.asm)\0*.asm\0"
                                "All files (*.*)\0*.*\0";

} // namespace

EditorView::EditorView(MessageWindow& messages, BusyWindow& busy)
    : messages_(messages), busy_(busy) {}

void EditorView::ShowMessage(std::string_view text, std::string_view detail) {
    std::string message = ComposeWarning(text, detail);
    std::string caption(kProductName);
    messages_.Show(Handle(), message.c_str(), caption.c_str(), kStyleIconExclamation, nullptr,
                   kMessageTextColour, kMessageBackColour, kMessageShadowColour);
}

void EditorView::PlaceCaret() {
    EditWindow::PlaceCaret();
    if (statusBar_ != nullptr) {
        statusBar_->SetText(kCaretPane, View().CaretStatusText().c_str());
    }
}

void EditorView::OnLineChanged() {
    EditWindow::OnLineChanged();
    UpdateStatePane();
}

void EditorView::UpdateStatePane() {
    if (statusBar_ == nullptr) {
        return;
    }
    const DocumentFlags& flags = Store().Flags();
    const char* text = flags.modified || flags.currentLineChanged ? kModifiedText
                       : flags.readOnly                          ? kReadOnlyText
                                                                 : "";
    if (statePaneText_ != text) {
        statePaneText_ = text;
        statusBar_->SetText(kStatePane, text);
    }
}

void EditorView::RunCommand(std::int32_t command) {
    if (!CommandTable::IsValid(command)) {
        return;
    }
    switch (static_cast<CommandId>(command)) {
    case CommandId::ArrowLeft:
        cursor_.ArrowLeft();
        break;
    case CommandId::ArrowRight:
        cursor_.ArrowRight();
        break;
    case CommandId::ArrowDown:
        cursor_.ArrowDown();
        break;
    case CommandId::ArrowUp:
        cursor_.ArrowUp();
        break;
    case CommandId::TopOfFile:
        cursor_.TopOfFile();
        break;
    case CommandId::BottomOfFile:
        cursor_.BottomOfFile();
        break;
    case CommandId::PageUp:
        cursor_.PageUp();
        break;
    case CommandId::PageDown:
        cursor_.PageDown();
        break;
    case CommandId::BeginningOfLine:
        cursor_.BeginningOfLine();
        break;
    case CommandId::EndOfLine:
        cursor_.EndOfLine();
        break;
    case CommandId::Backspace:
        editing_.Backspace();
        break;
    case CommandId::DeleteLine:
        editing_.DeleteLine();
        break;
    case CommandId::DeleteChar:
        editing_.DeleteChar();
        break;
    case CommandId::OpenFile:
        OpenCommand();
        break;
    case CommandId::NewFile:
        NewFileCommand();
        break;
    case CommandId::SaveFile:
        SaveCommand();
        break;
    case CommandId::SaveAs:
        SaveAsCommand();
        break;
    case CommandId::ExitProgram:
        ExitProgram();
        break;
    case CommandId::ToggleInsert:
        editing_.ToggleInsert();
        break;
    case CommandId::ToggleWindowSize:
        editing_.ToggleWindowSize();
        break;
    case CommandId::RestoreLine:
        editing_.RestoreLine();
        break;
    case CommandId::GotoBlockBegin:
        cursor_.GotoBlockBegin();
        break;
    case CommandId::GotoBlockEnd:
        cursor_.GotoBlockEnd();
        break;
    case CommandId::MarkBegin:
        block_.MarkBegin();
        break;
    case CommandId::MarkEnd:
        block_.MarkEnd();
        break;
    case CommandId::HideBlock:
        block_.HideBlock();
        break;
    case CommandId::DeleteBlock:
        block_.DeleteBlock();
        break;
    case CommandId::Copy:
        CopyCommand();
        break;
    case CommandId::Cut:
        CutCommand();
        break;
    case CommandId::Paste:
        PasteCommand();
        break;
    case CommandId::BlockRead:
        BlockReadCommand();
        break;
    case CommandId::PrintBlock:
        if (host_ != nullptr) {
            host_->PrintCommand(false);
        }
        break;
    case CommandId::BlockWrite:
        BlockWriteCommand();
        break;
    case CommandId::InsertDate:
        InsertDateCommand();
        break;
    case CommandId::GetSpecialChar:
        GetSpecialCharCommand();
        break;
    case CommandId::WriteSpecialChar:
        WriteSpecialCharCommand();
        break;
    case CommandId::FindText:
        FindText();
        break;
    case CommandId::FindNext:
        FindNext();
        break;
    case CommandId::GotoLine:
        GotoLine();
        break;
    default:
        // Find commands come with their own windows.
        break;
    }
    UpdateStatePane();
}

void EditorView::OnChar(WPARAM w, LPARAM) {
    editing_.SetAutoIndent(options_.indent);
    editing_.HandleCharacter(static_cast<std::uint32_t>(w));
    UpdateStatePane();
}

void EditorView::Host::ScrollVertical(ScrollCode code) {
    SendMessageA(view_.Handle(), WM_VSCROLL, static_cast<WPARAM>(code), 0);
}

void EditorView::Host::ScrollHorizontal(ScrollCode code) {
    SendMessageA(view_.Handle(), WM_HSCROLL, static_cast<WPARAM>(code), 0);
}

void EditorView::Host::SetVerticalScrollPosition(std::int32_t position) {
    view_.SetScrollBarPosition(SB_VERT, position);
}

void EditorView::Host::SetHorizontalScrollPosition(std::int32_t position) {
    view_.SetScrollBarPosition(SB_HORZ, position);
}

void EditorView::Host::Beep() { ::Beep(440, 150); }

void EditorView::Host::ToggleWindowSize() {
    HWND frame = GetAncestor(view_.Handle(), GA_ROOT);
    if (frame != nullptr) {
        ShowWindow(frame, IsZoomed(frame) ? SW_RESTORE : SW_MAXIMIZE);
    }
}

void EditorView::ApplySettings(const EditorSettings& settings) {
    options_ = settings;
    SetLineLength(settings.lineLength);
    SetTextColour(settings.color);
    SetBackgroundColour(settings.bkColor);
    SetSelectedColours(settings.selectedColor, settings.selectedBkColor);
    SetHorizontalBarHidden(settings.hideScroll);
    DocumentFlags& flags = Store().Flags();
    flags.readOnly = settings.readOnly;
    flags.removeTrailingBlanks = settings.removeSpaces;
    SetTabSize(settings.tabSize);
    SetWheelLines(settings.wheelLines);
    SetBackupMode(static_cast<BackupMode>(settings.bakFile));
    filterIndex_ = settings.filterIndex;
}

void EditorView::CollectSettings(EditorSettings& settings) const {
    EditorSettings live = options_;
    live.screenFont = settings.screenFont;
    live.prnFont = settings.prnFont;
    live.prnPitch = settings.prnPitch;
    live.tmargin = settings.tmargin;
    live.lmargin = settings.lmargin;
    live.pagenums = settings.pagenums;
    live.readOnly = Store().Flags().readOnly;
    live.removeSpaces = Store().Flags().removeTrailingBlanks;
    live.lineLength = Store().LineLength();
    live.tabSize = View().TabSize();
    live.wheelLines = View().WheelLines();
    live.hideScroll = View().HorizontalBarHidden();
    live.bakFile = static_cast<std::int32_t>(GetBackupMode());
    live.filterIndex = filterIndex_;
    settings = live;
}

bool EditorView::IsModified() const {
    const DocumentFlags& flags = Store().Flags();
    return flags.modified || flags.currentLineChanged;
}

// The notice never takes the keyboard from the view, so the modifier flags need no saving or
// restoring around it: keys typed while it is up reach the document as usual.
void EditorView::ShowNotice(const char* text, COLORREF background, int ticks, UINT period) {
    busy_.SetColours(kNoticeText, background);
    busy_.Show(Handle(), text, false);
    noticeCountdown_ = ticks;
    SetTimer(Handle(), kNoticeTimer, period, nullptr);
}

void EditorView::OnPassedEnd() {
    ShowNotice("  Passed end of file.  ", kPassedEndBackground, kNoticeTicks, kPassedEndPeriod);
}

void EditorView::OnTimer(UINT_PTR timerId) {
    EditWindow::OnTimer(timerId);
    if (timerId != kNoticeTimer) {
        return;
    }
    if (--noticeCountdown_ <= 0) {
        KillTimer(Handle(), kNoticeTimer);
        busy_.Destroy();
    }
}

bool EditorView::OpenDocument() {
    busy_.SetColours(kNoticeText, kNewFileBackground);
    bool loaded = true;
    if (!documentPath_.empty()) {
        // The folder is kept only when it fits the dialogs' path buffers.
        std::string_view folder = DirectoryPart(documentPath_);
        if (folder.size() < kDialogPathSize) {
            initialDirectory_ = std::string(folder);
        }
        busy_.Show(Handle(), "Loading...", false);
        StartupMark("loading notice shown");
        loaded = LoadFileReport(documentPath_);
        busy_.Destroy();
        if (loaded && host_ != nullptr) {
            host_->AddRecentFile(documentPath_);
        }
    }
    if (!loaded || documentPath_.empty() || Store().Record(0).text == nullptr) {
        // Never a document without lines: a failed load leaves an empty, unnamed one.
        documentPath_.clear();
        if (!NewDocument()) {
            ExitProgram();
            return false;
        }
        ShowNotice("New File", kNewFileBackground, kNoticeTicks, kNewFilePeriod);
    }
    UpdateStatePane();
    PlaceCaret();
    if (host_ != nullptr) {
        host_->UpdateTitle();
    }
    return loaded;
}

void EditorView::NewFileCommand() {
    if (host_ != nullptr && !host_->CanClose()) {
        return;
    }
    documentPath_.clear();
    OpenDocument();
}

OPENFILENAMEA EditorView::FileDialog(char* path, std::size_t size) const {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = kFileFilters;
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex_);
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(size);
    dialog.lpstrInitialDir = initialDirectory_.empty() ? nullptr : initialDirectory_.c_str();
    return dialog;
}

void EditorView::OpenCommand() {
    char path[kDialogPathSize] = "";
    documentPath_.copy(path, std::size(path) - 1);
    OPENFILENAMEA dialog = FileDialog(path, std::size(path));
    dialog.Flags = Store().Flags().readOnly ? OFN_READONLY : 0;
    if (host_ != nullptr && !host_->CanClose()) {
        return;
    }
    if (!ShowOpenFileDialog(&dialog)) {
        return;
    }
    bool readOnlyChecked = (dialog.Flags & OFN_READONLY) != 0;
    if (static_cast<int>(dialog.nFilterIndex) != filterIndex_ || readOnlyChecked) {
        filterIndex_ = static_cast<int>(dialog.nFilterIndex);
        Store().Flags().readOnly = readOnlyChecked;
        if (host_ != nullptr) {
            host_->SetSettingsChanged();
        }
    }
    documentPath_ = path;
    OpenDocument();
}

std::string EditorView::AskSavePath(const std::string& start) {
    char path[kDialogPathSize] = "";
    start.copy(path, std::size(path) - 1);
    OPENFILENAMEA dialog = FileDialog(path, std::size(path));
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                   OFN_NOREADONLYRETURN;
    if (!ShowSaveFileDialog(&dialog)) {
        return std::string();
    }
    std::string chosen = path;
    ApplyDefaultExtension(chosen);
    if (chosen.size() >= kDialogPathSize) {
        ShowMessage(kCannotWriteText, chosen);
        return std::string();
    }
    // The dialog asked about the name as typed; a name that ".txt" completed is asked about here,
    // so no file is ever replaced without a question.
    if (chosen != path && FileExists(chosen)) {
        const std::string question = chosen + kReplaceQuestionText;
        const std::string caption(kProductName);
        if (messages_.Show(Handle(), question.c_str(), caption.c_str(),
                           kStyleYesNo | kStyleIconExclamation, nullptr, kMessageTextColour,
                           kMessageBackColour, kMessageShadowColour) != kResultYes) {
            return std::string();
        }
    }
    return chosen;
}

bool EditorView::SaveUnder(const std::string& path) {
    busy_.Show(Handle(), "Saving file...", false);
    bool saved = SaveWithBackup(path);
    busy_.Destroy();
    return saved;
}

void EditorView::SaveCommand() {
    saveResult_ = true;
    if (!IsModified()) {
        return;
    }
    bool named = !documentPath_.empty();
    std::string path = named ? documentPath_ : AskSavePath();
    if (path.empty()) {
        saveResult_ = false;
        return;
    }
    saveResult_ = SaveUnder(path);
    if (!saveResult_) {
        return;
    }
    if (!named) {
        documentPath_ = path;
        if (host_ != nullptr) {
            host_->UpdateTitle();
        }
    }
    UpdateStatePane();
}

void EditorView::SaveAsCommand() {
    saveResult_ = false;
    std::string path = AskSavePath();
    if (path.empty()) {
        return;
    }
    saveResult_ = SaveUnder(path);
    if (!saveResult_) {
        return;
    }
    documentPath_ = path;
    if (host_ != nullptr) {
        host_->UpdateTitle();
    }
    UpdateStatePane();
}

void EditorView::FindText() {
    FindDialog dialog(find_);
    if (dialog.Run(Handle())) {
        find_.FindNext();
    }
}

void EditorView::FindNext() { find_.FindNext(); }

void EditorView::GotoLine() {
    GotoLineDialog dialog(find_);
    dialog.Run(Handle(), Store().LineCount());
}

bool EditorView::OpenRecentCommand(const std::string& path) {
    if (host_ != nullptr && !host_->CanClose()) {
        return true;
    }
    documentPath_ = path;
    return OpenDocument();
}

void EditorView::ExitProgram() {
    HWND frame = GetAncestor(Handle(), GA_ROOT);
    if (frame != nullptr) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
}

} // namespace kestrel
