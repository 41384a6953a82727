// The editor's text window: warnings, status panes and the named commands.
#include "view/editor_view.h"

#include <array>

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

using CommandHandler = void (EditorView::*)();

// The operation of each command, by command index. Commands whose operations the editor does
// not have yet are null and do nothing.
const std::array<CommandHandler, CommandTable::kCount>& CommandHandlers() {
    static const std::array<CommandHandler, CommandTable::kCount> handlers = [] {
        std::array<CommandHandler, CommandTable::kCount> table{};
        table[ToIndex(CommandId::ExitProgram)] = &EditorView::ExitProgram;
        return table;
    }();
    return handlers;
}

} // namespace

EditorView::EditorView(MessageWindow& messages) : messages_(messages) {}

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
    statusBar_->SetText(kStatePane, text);
}

void EditorView::RunCommand(std::int32_t command) {
    if (!CommandTable::IsValid(command)) {
        return;
    }
    CommandHandler handler = CommandHandlers()[command];
    if (handler != nullptr) {
        (this->*handler)();
    }
}

void EditorView::ExitProgram() {
    HWND frame = GetAncestor(Handle(), GA_ROOT);
    if (frame != nullptr) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
}

} // namespace kestrel
