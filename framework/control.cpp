// Creation, adoption and binding of child controls, and the push-button and list-box wrappers.
#include "framework/control.h"

#include <cstring>

#include "framework/handles.h"
#include "framework/window.h"
#include "shell/control_ids.h"

namespace kestrel {

namespace {

// The user-data slot of a control could be set by someone else; this property confirms that
// the slot holds one of our Control objects.
constexpr char kControlProperty[] = "Kestrel.Control";

} // namespace

bool Control::Create(HWND, int, const char*, int, int, int, int) {
    ReportMissingCreate();
    return false;
}

bool Control::OnCommand(int, int) { return false; }
void Control::OnDrawItem(DRAWITEMSTRUCT*) {}
LRESULT Control::OnNotify(NMHDR*) { return 0; }
LRESULT Control::OnMessage(UINT, WPARAM, LPARAM) { return 0; }

void Control::SetHandler(Handler handler, void* target) {
    handler_ = handler;
    target_ = target;
}

Control* Control::FromHandle(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (control == nullptr || GetPropA(hwnd, kControlProperty) != control) {
        return nullptr;
    }
    return control;
}

bool Control::CreateControl(const char* className, HWND parent, const char* text, int x, int y,
                            int width, int height) {
    HWND existing = parent != nullptr ? GetDlgItem(parent, id_) : nullptr;
    if (existing != nullptr) {
        hwnd_ = existing;
    } else {
        hwnd_ = CreateWindowExA(exStyle_, className, text, style_, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                                ProgramInstance(), nullptr);
    }
    if (hwnd_ == nullptr) {
        return false;
    }
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetPropA(hwnd_, kControlProperty, this);
    return true;
}

char MnemonicOf(const char* text) {
    const char* amp = text != nullptr ? std::strchr(text, '&') : nullptr;
    return amp != nullptr ? amp[1] : 0;
}

Button::Button() { style_ = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON; }

bool Button::Create(HWND parent, int id, const char* text, int x, int y, int width,
                    int height) {
    id_ = id != 0 ? id : NextControlId();
    mnemonic_ = MnemonicOf(text);
    return CreateControl("BUTTON", parent, text, x, y, width, height);
}

bool Button::OnCommand(int notifyCode, int id) {
    if (notifyCode == BN_CLICKED && handler_ != nullptr) {
        handler_(target_, id);
        return true;
    }
    return false;
}

ListBox::ListBox() {
    style_ = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
             LBS_WANTKEYBOARDINPUT | LBS_DISABLENOSCROLL;
}

bool ListBox::Create(HWND parent, int id, const char* text, int x, int y, int width,
                     int height) {
    id_ = id != 0 ? id : NextControlId();
    return CreateControl("LISTBOX", parent, text, x, y, width, height);
}

bool ListBox::OnCommand(int notifyCode, int id) {
    if (notifyCode != LBN_SELCHANGE) {
        return false;
    }
    selection_ = static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
    if (handler_ != nullptr) {
        handler_(target_, id);
        return true;
    }
    return false;
}

} // namespace kestrel
