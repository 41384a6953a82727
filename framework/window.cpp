// Binding of window objects to their handles, and the default message dispatch.
#include "framework/window.h"

#include "framework/control.h"
#include "framework/handles.h"
#include "shell/geometry.h"

namespace kestrel {

namespace {

Window* BoundWindow(HWND hwnd) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

} // namespace

void ReportMissingCreate() {
    MessageBoxA(nullptr, "Missing Create", "App Error", MB_OK | MB_ICONWARNING);
}

LRESULT CALLBACK Window::SharedWindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(l);
        auto* window = static_cast<Window*>(create->lpCreateParams);
        if (window != nullptr) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
            window->hwnd_ = hwnd;
        }
    }
    Window* window = BoundWindow(hwnd);
    if (window == nullptr) {
        return DefWindowProcA(hwnd, message, w, l);
    }
    LRESULT result = 0;
    try {
        result = window->WindowProc(message, w, l);
    } catch (...) {
        // An exception must never unwind through the system's code; the message gets what the
        // system would have done with it.
        result = DefWindowProcA(hwnd, message, w, l);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
    }
    return result;
}

LRESULT Window::WindowProc(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CHAR:
        OnChar(w, l);
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_COMMAND:
        OnCommand(w, l);
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(w, l);
        return 0;
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(OnCtlColorListBox(w, l));
    case WM_DESTROY:
        OnDestroy();
        SaveState();
        OnPostDestroy();
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(w, l);
        return 1;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(w));
        return 0;
    case WM_ENDSESSION:
        OnEndSession(w, l);
        if (w) {
            SaveState();
        }
        return 0;
    case WM_HSCROLL:
        OnHScroll(w, l);
        return 0;
    case WM_INITMENU:
        OnInitMenu(reinterpret_cast<HMENU>(w));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(w, l);
        return 0;
    case WM_KEYUP:
        OnKeyUp(w, l);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(w, l);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(w, l);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(w, l);
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(w, l);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(w, l);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(w, l);
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(l);
        if (Control* control = Control::FromHandle(header->hwndFrom)) {
            return control->OnNotify(header);
        }
        OnNotify(w, l);
        return 0;
    }
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_RBUTTONDOWN:
        OnRButtonDown(w, l);
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(w, l);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_SIZE:
        OnSize(w, l);
        return 0;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    case WM_SYSCOMMAND:
        OnSysCommand();
        break;
    case WM_SYSKEYDOWN:
        OnSysKeyDown(w, l);
        return 0;
    case WM_SYSKEYUP:
        OnSysKeyUp(w, l);
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(w));
        return 0;
    case WM_VKEYTOITEM:
        return OnVKeyToItem(w);
    case WM_VSCROLL:
        OnVScroll(w, l);
        return 0;
    default:
        break;
    }
    if (OnOtherMessage(message, w, l)) {
        return 0;
    }
    return DefWindowProcA(hwnd_, message, w, l);
}

bool Window::Create(HWND, HMENU, const char*, int, int, int, int) {
    ReportMissingCreate();
    return false;
}

void Window::PreRegisterClass(WNDCLASSEXA&) {}
void Window::PreCreateWindow(CREATESTRUCTA&) {}
void Window::OnPostDestroy() {}
bool Window::OnOtherMessage(UINT, WPARAM, LPARAM) { return false; }
int Window::SaveState() { return 0; }
void Window::OnChar(WPARAM, LPARAM) {}
void Window::OnClose() { Destroy(); }
void Window::OnCommand(WPARAM, LPARAM) {}
void Window::OnContextMenu(WPARAM, LPARAM) {}
bool Window::OnCreate() { return false; }
HBRUSH Window::OnCtlColorListBox(WPARAM, LPARAM) { return nullptr; }
void Window::OnDestroy() {}
void Window::OnDrawItem(WPARAM, LPARAM) {}
void Window::OnDropFiles(HDROP) {}
void Window::OnEndSession(WPARAM, LPARAM) {}
void Window::OnHScroll(WPARAM, LPARAM) {}
void Window::OnInitMenu(HMENU) {}
void Window::OnKeyDown(WPARAM, LPARAM) {}
void Window::OnKeyUp(WPARAM, LPARAM) {}
void Window::OnKillFocus() {}
void Window::OnLButtonDblClk(WPARAM, LPARAM) {}
void Window::OnLButtonDown(WPARAM, LPARAM) {}
void Window::OnLButtonUp(WPARAM, LPARAM) {}
int Window::OnMenuSelect(WPARAM, LPARAM) { return 0; }
void Window::OnMouseMove(WPARAM, LPARAM) {}
void Window::OnMouseWheel(WPARAM, LPARAM) {}
void Window::OnNotify(WPARAM, LPARAM) {}

void Window::OnPaint() {
    PAINTSTRUCT paint;
    BeginPaint(hwnd_, &paint);
    EndPaint(hwnd_, &paint);
}

LRESULT Window::OnQueryEndSession() { return 1; }
void Window::OnRButtonDown(WPARAM, LPARAM) {}
void Window::OnRButtonUp(WPARAM, LPARAM) {}
void Window::OnSetFocus() {}
void Window::OnSize(WPARAM, LPARAM) {}
void Window::OnSysColorChange() {}
void Window::OnSysCommand() {}
void Window::OnSysKeyDown(WPARAM, LPARAM) {}
void Window::OnSysKeyUp(WPARAM, LPARAM) {}
void Window::OnTimer(UINT_PTR) {}
LRESULT Window::OnVKeyToItem(WPARAM) { return -1; }
void Window::OnVScroll(WPARAM, LPARAM) {}

bool Window::CreateChild(const char* className, HWND parent, HMENU menuOrId, const char* text,
                         int x, int y, int width, int height) {
    if (hwnd_ != nullptr) {
        return true;
    }
    if (!RegisterWindowClass()) {
        return false;
    }
    CreateWindowExA(exStyle_, className, text, style_, x, y, width, height, parent, menuOrId,
                    ProgramInstance(), this);
    return hwnd_ != nullptr;
}

bool Window::Destroy() {
    if (hwnd_ == nullptr) {
        return true;
    }
    if (!DestroyWindow(hwnd_)) {
        return false;
    }
    hwnd_ = nullptr;
    return true;
}

bool Window::RegisterOnce(WNDCLASSEXA& windowClass, bool& registered) {
    if (registered) {
        return true;
    }
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = SharedWindowProc;
    // The four extra bytes are reserved; the object pointer lives in the user-data slot.
    windowClass.cbWndExtra = 4;
    PreRegisterClass(windowClass);
    registered = RegisterClassExA(&windowClass) != 0;
    return registered;
}

bool CentreWindow(HWND hwnd) {
    RECT own;
    GetWindowRect(hwnd, &own);
    Rect reference;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    RECT ownerRect;
    if (owner != nullptr && GetWindowRect(owner, &ownerRect)) {
        reference = {ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom};
    } else {
        reference = {0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
    }
    Placement p = CentreRect(reference, {own.left, own.top, own.right, own.bottom});
    return MoveWindow(hwnd, p.x, p.y, p.width, p.height, FALSE) != 0;
}

bool PumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) {
            return true;
        }
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return false;
}

} // namespace kestrel
