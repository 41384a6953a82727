// The busy notice and the wait cursor.
#include "framework/busy_window.h"

#include "framework/handles.h"
#include "shell/message_layout.h"

namespace kestrel {

namespace {
bool classRegistered = false;
}

BusyWindow::BusyWindow() { RegisterWindowClass(); }

bool BusyWindow::RegisterWindowClass() {
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_GLOBALCLASS | CS_BYTEALIGNWINDOW;
    windowClass.lpszClassName = "WKWND";
    return RegisterOnce(windowClass, classRegistered);
}

void BusyWindow::SetColours(COLORREF textColour, COLORREF backColour) {
    textColour_ = textColour;
    backColour_ = backColour;
}

int BusyWindow::Show(HWND owner, const char* text, bool disableOwner) {
    owner_ = owner;
    text_ = text != nullptr ? text : "";
    disableOwner_ = disableOwner;
    RECT ownerRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) {
        GetWindowRect(owner, &ownerRect);
    }
    OwnedDc info(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    TEXTMETRICA metrics{};
    if (info.Get() == nullptr || !GetTextMetricsA(info.Get(), &metrics)) {
        return 0;
    }
    avgCharWidth_ = metrics.tmAveCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    BusySize size = BusyNoticeSize(text_.size(), avgCharWidth_, lineHeight_);
    if (Handle() == nullptr) {
        style_ = WS_POPUP | WS_DLGFRAME;
        exStyle_ = WS_EX_DLGMODALFRAME | WS_EX_NOACTIVATE;
        int x = ownerRect.left + (ownerRect.right - ownerRect.left - size.width) / 2;
        int y = ownerRect.top + (ownerRect.bottom - ownerRect.top - size.height) / 2;
        CreateChild("WKWND", owner, nullptr, "", x, y, size.width, size.height);
    }
    if (Handle() != nullptr) {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        if (disableOwner_ && owner_ != nullptr) {
            EnableWindow(owner_, FALSE);
        }
        InvalidateRect(Handle(), nullptr, FALSE);
        UpdateWindow(Handle());
    }
    return 1;
}

LRESULT BusyWindow::WindowProc(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        if (disableOwner_ && owner_ != nullptr) {
            EnableWindow(owner_, TRUE);
        }
        if (owner_ != nullptr) {
            BringWindowToTop(owner_);
        }
        return 0;
    case WM_SIZE:
        textRect_ = {3 * avgCharWidth_, lineHeight_,
                     static_cast<int>(LOWORD(l)) - 3 * avgCharWidth_,
                     static_cast<int>(HIWORD(l)) - lineHeight_};
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_COMMAND:
        return 0;
    case WM_MOUSEACTIVATE:
        // A click on the notice must not take the activation from the view.
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(Handle(), message, w, l);
    }
}

void BusyWindow::Paint() {
    PaintScope paint(Handle());
    HDC dc = paint.Dc();
    RECT client;
    GetClientRect(Handle(), &client);
    BrushObject back(CreateSolidBrush(backColour_));
    FillRect(dc, &client, back.Get());
    {
        SelectGuard pen(dc, GetStockObject(BLACK_PEN));
        MoveToEx(dc, textRect_.left, textRect_.bottom, nullptr);
        LineTo(dc, textRect_.left, textRect_.top);
        LineTo(dc, textRect_.right, textRect_.top);
    }
    {
        SelectGuard pen(dc, GetStockObject(WHITE_PEN));
        LineTo(dc, textRect_.right, textRect_.bottom);
        LineTo(dc, textRect_.left, textRect_.bottom);
    }
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    RECT text = textRect_;
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &text,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

WaitCursor::WaitCursor() { previous_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

WaitCursor::~WaitCursor() { Restore(); }

void WaitCursor::Restore() {
    if (!restored_) {
        SetCursor(previous_);
        restored_ = true;
    }
}

} // namespace kestrel
