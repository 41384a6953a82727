// The editor's text window.
#include "view/editor_view.h"

#include "framework/handles.h"
#include "shell/message_layout.h"
#include "shell/window_title.h"

namespace kestrel {

namespace {
bool classRegistered = false;
}

EditorView::EditorView(MessageWindow& messages) : messages_(messages) {
    style_ = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
}

bool EditorView::RegisterWindowClass() {
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    windowClass.lpszClassName = "TextWndClass";
    return RegisterOnce(windowClass, classRegistered);
}

bool EditorView::Create(HWND parent, HMENU menuOrId, const char* text, int x, int y, int width,
                        int height) {
    return CreateChild("TextWndClass", parent, menuOrId, text, x, y, width, height);
}

bool EditorView::OnCreate() { return true; }

void EditorView::OnPaint() {
    PaintScope paint(Handle());
    FillRect(paint.Dc(), &paint.Damaged(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void EditorView::ShowMessage(const char* message, const char* detail) {
    std::string text = ComposeWarning(message != nullptr ? message : "",
                                      detail != nullptr ? detail : "");
    std::string caption(kProductName);
    messages_.Show(Handle(), text.c_str(), caption.c_str(), kStyleIconExclamation, nullptr,
                   kMessageTextColour, kMessageBackColour, kMessageShadowColour);
}

} // namespace kestrel
