// The editable text window: the line store behind the view, the caret line and the caret.
#include "view/edit_window.h"

#include <algorithm>
#include <string>

#include "commands/command_runner.h"
#include "document/line_splitter.h"
#include "shell/message_layout.h"
#include "platform/document_file.h"

namespace kestrel {

EditWindow::EditWindow() {
    store_.SetListener(this);
    store_.SetRecorder(&history_);
}

void EditWindow::StartHistory() {
    history_.Clear();
    // A quarter of what the document takes, but never less than the history's own default.
    const std::size_t documentBytes =
        store_.GetFileBuffer().Length() +
        static_cast<std::size_t>(store_.LineCount()) * sizeof(LineRecord);
    history_.SetByteBound(std::max(EditHistory::kDefaultByteBound, documentBytes / 4));
    store_.SetRecorder(&history_);
}

std::int32_t EditWindow::GetLineText(std::int32_t line, char* buffer, std::size_t size) const {
    return store_.GetLineText(line, buffer, size);
}

std::int32_t EditWindow::GetLineLength(std::int32_t line) const {
    return store_.GetLineLength(line);
}

void EditWindow::LoadCurrentLine() {
    store_.SetCaretLine(View().CaretLine());
    store_.LoadCurrentLine();
}

int EditWindow::StoreCurrentLine() { return store_.StoreCurrentLine(); }

void EditWindow::OnLineCountChanged(std::int32_t count) {
    View().AdjustLineCount(count - View().LineCount());
    if (!loadingLines_) {
        ApplyVerticalRange();
    }
}

void EditWindow::OnLineChanged() { store_.Flags().modified = true; }

void EditWindow::ShowMessage(std::string_view text, std::string_view detail) {
    std::string message = ComposeWarning(text, detail);
    MessageBoxA(Handle(), message.c_str(), Caption().c_str(), MB_OK | MB_ICONWARNING);
}

void EditWindow::OnLinesWrapped() { ShowMessage(LinesCutWarning(store_.LineLength()), ""); }

void EditWindow::BeforeSave() {}

bool EditWindow::LoadFileReport(const std::string& path) {
    // The line count passes through 0 on its way to the file's count; the scroll bar, which
    // redraws at every change, is set once the load is over.
    loadingLines_ = true;
    // Emptying the old document is no step anyone could undo: the history is cleared after.
    store_.SetRecorder(nullptr);
    LoadOutcome outcome;
    if (ResetLines()) {
        outcome = LoadFileIntoStore(path, store_, View().TabSize());
    } else {
        outcome.result = LoadResult::OutOfMemory;
    }
    loadingLines_ = false;
    StartHistory();
    ApplyVerticalRange();
    if (outcome.result == LoadResult::OutOfMemory) {
        ShowMessage(kOutOfMemoryText, "");
        return false;
    }
    if (outcome.result == LoadResult::CannotOpen) {
        ShowMessage("Can't open file - Error " + std::to_string(outcome.error), path);
        return false;
    }
    LoadCurrentLine();
    Repaint();
    if (outcome.cutLines > 0) {
        OnLinesWrapped();
    }
    return true;
}

bool EditWindow::SaveWithBackup(const std::string& path) {
    history_.BeginStep(PlaceOf(View()));
    StoreCurrentLine();
    BeforeSave();
    history_.EndStep(PlaceOf(View()));
    SaveOutcome outcome = SaveStoreWithBackup(path, store_, backupMode_);
    switch (outcome.failure) {
    case SaveFailure::None:
        store_.Flags().modified = false;
        store_.Flags().currentLineChanged = false;
        history_.MarkSavePoint();
        if (!outcome.backupLeft.empty()) {
            // The document is saved; the user should still know a stray copy is on disk.
            ShowMessage("Can't delete file", outcome.backupLeft);
        }
        return true;
    case SaveFailure::Backup:
        ShowMessage("Unable to create \"bak\" file - file not saved", outcome.detail);
        return false;
    case SaveFailure::Open:
        ShowMessage("Can't open file", outcome.detail);
        return false;
    case SaveFailure::Write:
    case SaveFailure::ReadOnly:
        ShowMessage("Can't write file", outcome.detail);
        return false;
    }
    return false;
}

bool EditWindow::ResetLines() {
    TextViewState& view = View();
    view.SetBlock({}, {});
    view.SetBlockShown(false);
    view.SetHorizontalOffset(0);
    view.SetTopLine(0);
    view.SetCaretRow(0);
    view.SetCaretColumn(0);
    PlaceCaret();
    return store_.ResetLines();
}

bool EditWindow::NewDocument() {
    store_.SetRecorder(nullptr);
    const bool made = ResetLines() && store_.NewDocument();
    StartHistory();
    if (!made) {
        return false;
    }
    // Set directly, as the store did: the scroll range stays as the reset left it.
    View().SetLineCount(store_.LineCount());
    Repaint();
    return true;
}

bool EditWindow::SetLineLength(std::int32_t lineLength) {
    if (!store_.SetLineLength(lineLength)) {
        return false;
    }
    View().SetLineLength(lineLength);
    UpdateLayout();
    return true;
}

void EditWindow::RecreateCaret() {
    if (!hasCaret_) {
        return;
    }
    DestroyCaret(); // harmless when this window holds no caret yet
    CaretSize shape = View().CaretShape(store_.Flags().overwriteMode);
    CreateCaret(Handle(), nullptr, shape.width, shape.height);
    PlaceCaret();
    ShowCaret(Handle());
}

void EditWindow::OnSetFocus() {
    TextWindow::OnSetFocus();
    hasCaret_ = true;
    RecreateCaret();
}

void EditWindow::OnKillFocus() {
    TextWindow::OnKillFocus();
    if (hasCaret_) {
        DestroyCaret();
        hasCaret_ = false;
    }
}

} // namespace kestrel
