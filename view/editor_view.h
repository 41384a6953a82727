// The editor's text window inside the frame: holds the document path and shows the program's
// warnings in the message window.
#pragma once

#include <string>

#include "framework/message_window.h"
#include "framework/window.h"

namespace kestrel {

class EditorView : public Window {
public:
    // `messages` is the shared message box every warning of the view goes through.
    explicit EditorView(MessageWindow& messages);

    bool Create(HWND parent, HMENU menuOrId, const char* text, int x, int y, int width,
                int height) override;
    bool RegisterWindowClass() override;
    bool OnCreate() override;
    void OnPaint() override;

    // Shows `message`, and `detail` on a second line when there is one, in the message window.
    void ShowMessage(const char* message, const char* detail);

    const std::string& DocumentPath() const { return documentPath_; }
    void SetDocumentPath(std::string path) { documentPath_ = std::move(path); }

private:
    MessageWindow& messages_;
    std::string documentPath_; // as typed or as chosen; at most 299 characters
};

} // namespace kestrel
