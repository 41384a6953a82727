// The editor's text window inside the frame: the application's glue around the editable text
// window. It holds the document path, shows warnings in the program's message window, keeps the
// status bar's state and caret panes current, and runs the named commands keys are bound to.
#pragma once

#include <cstdint>
#include <string>

#include "framework/message_window.h"
#include "view/edit_window.h"

namespace kestrel {

class StatusBar;

class EditorView : public EditWindow {
public:
    // `messages` is the shared message box every warning of the view goes through.
    explicit EditorView(MessageWindow& messages);

    // The status bar whose state and caret panes the view keeps current (not owned).
    void SetStatusBar(StatusBar* statusBar) { statusBar_ = statusBar; }

    void PlaceCaret() override;
    void RunCommand(std::int32_t command) override;
    // Shows `text`, and `detail` on a second line when there is one, in the message window.
    void ShowMessage(std::string_view text, std::string_view detail) override;
    void OnLineChanged() override;

    // Pane 1: "\tModified" while the document has changes, "\tRead only" for a read-only one.
    void UpdateStatePane();

    const std::string& DocumentPath() const { return documentPath_; }
    void SetDocumentPath(std::string path) { documentPath_ = std::move(path); }

    // ---- Commands ------------------------------------------------------------------------
    void ExitProgram();

private:
    MessageWindow& messages_;
    StatusBar* statusBar_ = nullptr;
    std::string documentPath_; // as typed or as chosen; at most 299 characters
};

} // namespace kestrel
