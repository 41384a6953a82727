// The frame: creation of frame, status bar and client, layout, message loop and closing.
#include "framework/frame_window.h"

#include <commctrl.h>

#include "framework/handles.h"
#include "framework/status_bar.h"

namespace kestrel {

namespace {
bool classRegistered = false;
}

FrameWindow::FrameWindow() { style_ = WS_OVERLAPPEDWINDOW; }

bool FrameWindow::RegisterWindowClass() {
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_BYTEALIGNCLIENT;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = nullptr; // the children cover the whole client area
    windowClass.lpszClassName = "MainClass";
    return RegisterOnce(windowClass, classRegistered);
}

bool FrameWindow::Create(Window* client, StatusBar* statusBar) {
    client_ = client;
    statusBar_ = statusBar;
    if (!RegisterWindowClass()) {
        return false;
    }
    CREATESTRUCTA params{};
    params.lpszClass = "MainClass";
    params.lpszName = "";
    params.style = static_cast<LONG>(style_);
    params.dwExStyle = exStyle_;
    params.x = CW_USEDEFAULT;
    params.y = CW_USEDEFAULT;
    params.cx = CW_USEDEFAULT;
    params.cy = CW_USEDEFAULT;
    PreCreateWindow(params);
    CreateWindowExA(params.dwExStyle, params.lpszClass, params.lpszName,
                    static_cast<DWORD>(params.style), params.x, params.y, params.cx, params.cy,
                    nullptr, nullptr, ProgramInstance(), this);
    if (Handle() == nullptr) {
        return false;
    }
    if (client_ == nullptr) {
        return true;
    }
    return client_->Create(Handle(), nullptr, "", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT);
}

bool FrameWindow::OnCreate() {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = 0xFF;
    InitCommonControlsEx(&init);
    return statusBar_ == nullptr || statusBar_->Create(Handle());
}

void FrameWindow::Show(int showCmd) {
    if (!RestorePlacement()) {
        ShowWindow(Handle(), showCmd);
    }
    UpdateWindow(Handle());
}

bool FrameWindow::LoadAccelerators(int resourceId) {
    accelerators_ = ::LoadAcceleratorsA(ProgramInstance(), MAKEINTRESOURCEA(resourceId));
    return accelerators_ != nullptr;
}

int FrameWindow::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Only keys meant for the frame and its children are accelerators: the key recorder
        // must be able to record Alt+X, and a message box must not close the program.
        bool forFrame = msg.hwnd == Handle() || IsChild(Handle(), msg.hwnd);
        if (accelerators_ != nullptr && forFrame &&
            TranslateAcceleratorA(Handle(), accelerators_, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

void FrameWindow::OnSize(WPARAM w, LPARAM l) {
    clientWidth_ = LOWORD(l);
    clientHeight_ = HIWORD(l);
    int statusHeight = 0;
    if (statusBar_ != nullptr) {
        statusBar_->Resize(w, l);
        statusHeight = statusBar_->Height();
    }
    HDWP batch = BeginDeferWindowPos(2);
    const UINT flags = SWP_SHOWWINDOW;
    if (client_ != nullptr && client_->Handle() != nullptr && batch != nullptr) {
        batch = DeferWindowPos(batch, client_->Handle(), HWND_TOP, 0, 0, clientWidth_,
                               clientHeight_ - statusHeight, flags);
    }
    if (statusBar_ != nullptr && statusBar_->Handle() != nullptr && statusHeight > 0 &&
        batch != nullptr) {
        batch = DeferWindowPos(batch, statusBar_->Handle(), HWND_TOP, 0,
                               clientHeight_ - statusHeight, clientWidth_, statusHeight, flags);
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
}

void FrameWindow::OnSetFocus() {
    if (client_ != nullptr && client_->Handle() != nullptr) {
        SetFocus(client_->Handle());
    }
}

LRESULT FrameWindow::OnQueryEndSession() { return CanClose() ? 1 : 0; }

void FrameWindow::OnClose() {
    if (CanClose()) {
        Destroy();
    }
}

void FrameWindow::OnPostDestroy() { PostQuitMessage(0); }

bool FrameWindow::CanClose() { return true; }

bool FrameWindow::RestorePlacement() { return false; }

} // namespace kestrel
