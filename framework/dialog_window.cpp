// Binding of dialog objects and the default dialog dispatch.
#include "framework/dialog_window.h"

#include "framework/control.h"
#include "framework/handles.h"
#include "framework/window.h"

namespace kestrel {

INT_PTR CALLBACK DialogWindow::SharedDialogProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<DialogWindow*>(l);
        SetWindowLongPtrA(hwnd, DWLP_USER, l);
        if (dialog != nullptr) {
            dialog->hwnd_ = hwnd;
        }
    }
    auto* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (dialog == nullptr) {
        return 0;
    }
    INT_PTR result = 0;
    try {
        result = dialog->DialogProc(message, w, l);
    } catch (...) {
        // Never let an exception unwind through the dialog manager.
        result = 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        dialog->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR DialogWindow::RunModal(HWND owner, int resourceId) {
    return DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(resourceId), owner,
                           SharedDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::DialogProc(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_CHAR:
        OnChar(w, l);
        return 0;
    case WM_COMMAND: {
        auto controlHandle = reinterpret_cast<HWND>(l);
        Control* control = Control::FromHandle(controlHandle);
        if (control != nullptr && control->OnCommand(HIWORD(w), LOWORD(w))) {
            return 0;
        }
        OnCommand(w, l);
        return 0;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(w, l);
        return 0;
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<INT_PTR>(OnCtlColorListBox(w, l));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        if (Control* control = Control::FromHandle(item->hwndItem)) {
            control->OnDrawItem(item);
        } else {
            OnDrawItem(w, l);
        }
        return 1;
    }
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(w));
        return 0;
    case WM_HSCROLL:
        OnHScroll(w, l);
        return 0;
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_INITMENU:
        OnInitMenu();
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
    case WM_NOTIFY: {
        // A dialog procedure's own return only says "handled"; the reply the sender reads
        // goes through DWLP_MSGRESULT.
        auto* header = reinterpret_cast<NMHDR*>(l);
        if (Control* control = Control::FromHandle(header->hwndFrom)) {
            SetMessageResult(control->OnNotify(header));
        } else {
            SetMessageResult(0);
            OnNotify(w, l);
        }
        return 1;
    }
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYENDSESSION:
        // Returned directly, the answer would be lost and read as a veto of the session's end.
        SetMessageResult(OnQueryEndSession());
        return 1;
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
        return OnOtherMessage(message, w, l);
    }
}

void DialogWindow::SetMessageResult(LRESULT result) {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    }
}

bool DialogWindow::Create(HWND, HMENU, const char*, int, int, int, int) {
    ReportMissingCreate();
    return false;
}

INT_PTR DialogWindow::OnOtherMessage(UINT, WPARAM, LPARAM) { return 0; }
void DialogWindow::OnChar(WPARAM, LPARAM) {}
void DialogWindow::OnCommand(WPARAM, LPARAM) {}
void DialogWindow::OnContextMenu(WPARAM, LPARAM) {}
bool DialogWindow::OnCreate() { return false; }
HBRUSH DialogWindow::OnCtlColorListBox(WPARAM, LPARAM) { return nullptr; }
void DialogWindow::OnDestroy() {}
void DialogWindow::OnDrawItem(WPARAM, LPARAM) {}
void DialogWindow::OnDropFiles(HDROP) {}
void DialogWindow::OnHScroll(WPARAM, LPARAM) {}
INT_PTR DialogWindow::OnInitDialog() { return 1; }
void DialogWindow::OnInitMenu() {}
void DialogWindow::OnKeyDown(WPARAM, LPARAM) {}
void DialogWindow::OnKeyUp(WPARAM, LPARAM) {}
void DialogWindow::OnKillFocus() {}
void DialogWindow::OnLButtonDown(WPARAM, LPARAM) {}
void DialogWindow::OnLButtonUp(WPARAM, LPARAM) {}
void DialogWindow::OnMenuSelect(WPARAM, LPARAM) {}
void DialogWindow::OnMouseMove(WPARAM, LPARAM) {}
void DialogWindow::OnNotify(WPARAM, LPARAM) {}
void DialogWindow::OnPaint() {}
INT_PTR DialogWindow::OnQueryEndSession() { return 1; }
void DialogWindow::OnRButtonDown(WPARAM, LPARAM) {}
void DialogWindow::OnRButtonUp(WPARAM, LPARAM) {}
void DialogWindow::OnSetFocus() {}
void DialogWindow::OnSize(WPARAM, LPARAM) {}
void DialogWindow::OnSysColorChange() {}
void DialogWindow::OnSysKeyDown(WPARAM, LPARAM) {}
void DialogWindow::OnSysKeyUp(WPARAM, LPARAM) {}
void DialogWindow::OnTimer(UINT_PTR) {}
INT_PTR DialogWindow::OnVKeyToItem(WPARAM) { return -1; }
void DialogWindow::OnVScroll(WPARAM, LPARAM) {}

} // namespace kestrel
