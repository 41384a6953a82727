// The editor's text window: warnings, status panes and the named commands.
#include "view/editor_view.h"

#include <optional>

#include "document/path_names.h"
#include "platform/startup_clock.h"
#include "framework/status_bar.h"
#include "keys/command_table.h"
#include "shell/message_layout.h"
#include "shell/window_title.h"

namespace kestrel {

namespace {

constexpr int kStatePane = 1;
constexpr int kCaretPane = 2;
constexpr char kModifiedText[] = "\tModified";
constexpr char kReadOnlyText[] = "\tRead only";

constexpr UINT_PTR kNoticeTimer = 2;
constexpr COLORREF kNoticeText = RGB(0, 0, 0);
constexpr COLORREF kNewFileBackground = RGB(0, 255, 0);
constexpr int kNoticeTicks = 3;
constexpr UINT kNewFilePeriod = 400;
constexpr COLORREF kPassedEndBackground = RGB(255, 0, 255);
constexpr UINT kPassedEndPeriod = 160;
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

void EditorView::OnBindingFired(const KeyBinding& binding) {
    if (const std::optional<CommandId> command = binding.Command()) {
        runner_.Run(*command);
    }
}

void EditorView::OnChar(WPARAM w, LPARAM) {
    runner_.TypeCharacter(static_cast<std::uint32_t>(w), options_.indent);
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
    fileDialogs_.SetFilterIndex(settings.filterIndex);
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
    live.filterIndex = fileDialogs_.FilterIndex();
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
    runner_.EndTyping();
    busy_.SetColours(kNoticeText, kNewFileBackground);
    bool loaded = true;
    if (!documentPath_.empty()) {
        // The folder is kept only when it fits the dialogs' path buffers.
        std::string_view folder = DirectoryPart(documentPath_);
        if (folder.size() < FileDialogs::kPathSize) {
            fileDialogs_.SetInitialDirectory(std::string(folder));
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

void EditorView::OpenCommand() {
    if (host_ != nullptr && !host_->CanClose()) {
        return;
    }
    const std::optional<FileDialogs::OpenChoice> choice =
        fileDialogs_.AskOpenPath(documentPath_, true, Store().Flags().readOnly);
    if (!choice) {
        return;
    }
    if (choice->typeChanged || choice->readOnlyTicked) {
        Store().Flags().readOnly = choice->readOnlyTicked;
        SetSettingsChanged();
    }
    documentPath_ = choice->path;
    OpenDocument();
}

bool EditorView::SaveUnder(const std::string& path) {
    runner_.EndTyping();
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
    std::string path = named ? documentPath_ : fileDialogs_.AskSavePath(std::string());
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
    std::string path = fileDialogs_.AskSavePath(std::string());
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

bool EditorView::OpenRecentCommand(const std::string& path) {
    if (host_ != nullptr && !host_->CanClose()) {
        return true;
    }
    documentPath_ = path;
    return OpenDocument();
}

void EditorView::SetSettingsChanged() {
    if (host_ != nullptr) {
        host_->SetSettingsChanged();
    }
}

void EditorView::BeforeSave() { stamps_.UpdateHeaderStamp(); }

void EditorView::Commands::BlockRead() {
    if (view_.blockFiles_.Read()) {
        view_.SetSettingsChanged();
    }
}

void EditorView::Commands::BlockWrite() {
    if (view_.blockFiles_.Write(view_.documentPath_)) {
        // The document's own file now holds only the block: the document is no longer on
        // disk, so closing must offer to save it, whatever is undone or redone.
        view_.Store().OnLineChanged();
        view_.History().ForgetSavePoint();
    }
}

void EditorView::Commands::PrintBlock() {
    if (view_.host_ != nullptr) {
        view_.host_->PrintCommand(false);
    }
}

void EditorView::Commands::GetSpecialChar() {
    if (view_.stamps_.GetSpecialChar()) {
        view_.SetSettingsChanged();
    }
}

void EditorView::ExitProgram() {
    HWND frame = GetAncestor(Handle(), GA_ROOT);
    if (frame != nullptr) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
}

} // namespace kestrel
