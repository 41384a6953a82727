// The editable text window: the line store behind the view, the caret line and the caret.
#include "view/edit_window.h"

#include <string>

#include "shell/message_layout.h"

namespace kestrel {

EditWindow::EditWindow() { store_.SetListener(this); }

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
    ApplyVerticalRange();
}

void EditWindow::OnLineChanged() { store_.Flags().modified = true; }

void EditWindow::ShowMessage(std::string_view text, std::string_view detail) {
    std::string message = ComposeWarning(text, detail);
    MessageBoxA(Handle(), message.c_str(), Caption().c_str(), MB_OK | MB_ICONWARNING);
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
    if (!ResetLines() || !store_.NewDocument()) {
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
