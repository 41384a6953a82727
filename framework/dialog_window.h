// The base of every modal dialog built from a dialog resource: bound to its dialog object at
// WM_INITDIALOG, then every message goes to the object's DialogProc.
#pragma once

#include "framework/win32.h"

namespace kestrel {

class DialogWindow {
public:
    DialogWindow() = default;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    virtual ~DialogWindow() = default;

    HWND Handle() const { return hwnd_; }

    // Runs the dialog resource `resourceId` modally over `owner`; returns the dialog's end code
    // (-1 when it could not be shown).
    INT_PTR RunModal(HWND owner, int resourceId);

    virtual bool Create(HWND parent, HMENU menuOrId, const char* text, int x, int y, int width,
                        int height);
    // Every message without a handler; its value is the dialog result (0: not handled).
    virtual INT_PTR OnOtherMessage(UINT message, WPARAM w, LPARAM l);
    virtual void OnChar(WPARAM w, LPARAM l);
    virtual void OnCommand(WPARAM w, LPARAM l);
    virtual void OnContextMenu(WPARAM w, LPARAM l);
    virtual bool OnCreate();
    virtual HBRUSH OnCtlColorListBox(WPARAM w, LPARAM l);
    virtual void OnDestroy();
    virtual void OnDrawItem(WPARAM w, LPARAM l);
    virtual void OnDropFiles(HDROP drop);
    virtual void OnHScroll(WPARAM w, LPARAM l);
    // The default result 1 lets the dialog manager focus the first control.
    virtual INT_PTR OnInitDialog();
    virtual void OnInitMenu();
    virtual void OnKeyDown(WPARAM w, LPARAM l);
    virtual void OnKeyUp(WPARAM w, LPARAM l);
    virtual void OnKillFocus();
    virtual void OnLButtonDown(WPARAM w, LPARAM l);
    virtual void OnLButtonUp(WPARAM w, LPARAM l);
    virtual void OnMenuSelect(WPARAM w, LPARAM l);
    virtual void OnMouseMove(WPARAM w, LPARAM l);
    // A notification from a control without its own object; the reply to the sender is 0
    // unless the handler calls SetMessageResult.
    virtual void OnNotify(WPARAM w, LPARAM l);
    // The dialog manager paints; the default does nothing.
    virtual void OnPaint();
    // The answer to WM_QUERYENDSESSION: nonzero lets the session end.
    virtual INT_PTR OnQueryEndSession();
    virtual void OnRButtonDown(WPARAM w, LPARAM l);
    virtual void OnRButtonUp(WPARAM w, LPARAM l);
    virtual void OnSetFocus();
    virtual void OnSize(WPARAM w, LPARAM l);
    virtual void OnSysColorChange();
    virtual void OnSysKeyDown(WPARAM w, LPARAM l);
    virtual void OnSysKeyUp(WPARAM w, LPARAM l);
    virtual void OnTimer(UINT_PTR timerId);
    virtual INT_PTR OnVKeyToItem(WPARAM w);
    virtual void OnVScroll(WPARAM w, LPARAM l);
    // Every message after binding; the default dispatches to the handlers above, giving the
    // controls' own objects the first word on their commands, drawing and notifications.
    virtual INT_PTR DialogProc(UINT message, WPARAM w, LPARAM l);

    // The dialog procedure every modal dialog runs with.
    static INT_PTR CALLBACK SharedDialogProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);

protected:
    // The reply that the sender of the message being handled receives (DWLP_MSGRESULT).
    void SetMessageResult(LRESULT result);

    HWND hwnd_ = nullptr;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
};

} // namespace kestrel
