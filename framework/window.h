// The base of every window of the program: binds an object to its window handle and turns each
// window message into one virtual handler call.
#pragma once

#include "framework/win32.h"

namespace kestrel {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND Handle() const { return hwnd_; }
    void SetExStyle(DWORD exStyle) { exStyle_ = exStyle; }

    // Creates the object's window. A class without its own Create reports "Missing Create".
    virtual bool Create(HWND parent, HMENU menuOrId, const char* text, int x, int y, int width,
                        int height);
    // Adjusts the class just before the framework registers it.
    virtual void PreRegisterClass(WNDCLASSEXA& windowClass);
    // Adjusts the creation parameters of a top-level window just before it is created.
    virtual void PreCreateWindow(CREATESTRUCTA& createParams);
    // Every message after binding; the default dispatches to the handlers below.
    virtual LRESULT WindowProc(UINT message, WPARAM w, LPARAM l);
    // The last step of WM_DESTROY.
    virtual void OnPostDestroy();
    // Every message without a handler, and WM_SYSCOMMAND; true claims it (result 0), false
    // sends it on to the system's default processing.
    virtual bool OnOtherMessage(UINT message, WPARAM w, LPARAM l);
    // Registers the window class once per process; true when it is registered.
    virtual bool RegisterWindowClass() = 0;
    // Writes what must survive the session; called at WM_DESTROY and at a confirmed end of
    // session. The result is not used.
    virtual int SaveState();

    // Message handlers. Arguments are the message's (wParam, lParam) as received; each handler
    // decodes its own.
    virtual void OnChar(WPARAM w, LPARAM l);
    virtual void OnClose();
    virtual void OnCommand(WPARAM w, LPARAM l);
    virtual void OnContextMenu(WPARAM w, LPARAM l);
    // False refuses the creation (WM_CREATE answers -1); a class must opt in.
    virtual bool OnCreate();
    virtual HBRUSH OnCtlColorListBox(WPARAM w, LPARAM l);
    virtual void OnDestroy();
    virtual void OnDrawItem(WPARAM w, LPARAM l);
    virtual void OnDropFiles(HDROP drop);
    virtual void OnEndSession(WPARAM w, LPARAM l);
    virtual void OnHScroll(WPARAM w, LPARAM l);
    virtual void OnInitMenu(HMENU menu);
    virtual void OnKeyDown(WPARAM w, LPARAM l);
    virtual void OnKeyUp(WPARAM w, LPARAM l);
    virtual void OnKillFocus();
    virtual void OnLButtonDblClk(WPARAM w, LPARAM l);
    virtual void OnLButtonDown(WPARAM w, LPARAM l);
    virtual void OnLButtonUp(WPARAM w, LPARAM l);
    virtual int OnMenuSelect(WPARAM w, LPARAM l);
    virtual void OnMouseMove(WPARAM w, LPARAM l);
    virtual void OnMouseWheel(WPARAM w, LPARAM l);
    // WM_NOTIFY from a sender that has no Control object.
    virtual void OnNotify(WPARAM w, LPARAM l);
    // The default validates the update region.
    virtual void OnPaint();
    virtual LRESULT OnQueryEndSession();
    virtual void OnRButtonDown(WPARAM w, LPARAM l);
    virtual void OnRButtonUp(WPARAM w, LPARAM l);
    virtual void OnSetFocus();
    virtual void OnSize(WPARAM w, LPARAM l);
    virtual void OnSysColorChange();
    // Told of WM_SYSCOMMAND; the system action still follows unless OnOtherMessage claims it.
    virtual void OnSysCommand();
    virtual void OnSysKeyDown(WPARAM w, LPARAM l);
    virtual void OnSysKeyUp(WPARAM w, LPARAM l);
    virtual void OnTimer(UINT_PTR timerId);
    virtual LRESULT OnVKeyToItem(WPARAM w);
    virtual void OnVScroll(WPARAM w, LPARAM l);

    // Creates a child or popup window of a registered class, bound to this object. True at
    // once when the object already has a window.
    bool CreateChild(const char* className, HWND parent, HMENU menuOrId, const char* text, int x,
                     int y, int width, int height);
    // Destroys the window; on failure the handle is kept and false returned.
    bool Destroy();

    // The procedure every framework window class is registered with.
    static LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);

protected:
    // Registers `windowClass` once, guarded by `registered`; a failure leaves the flag clear
    // so that the next request tries again.
    bool RegisterOnce(WNDCLASSEXA& windowClass, bool& registered);

    // Style of the window, set by each subclass before creation.
    DWORD style_ = 0;
    DWORD exStyle_ = 0;

private:
    HWND hwnd_ = nullptr;
};

// Centres `hwnd` on its owner's window rectangle, or on the full-screen client area when it
// has no owner. Returns the result of the move.
bool CentreWindow(HWND hwnd);

// Dispatches the messages waiting in the thread's queue. True when a quit message is waiting;
// it stays in the queue for the outer loop.
bool PumpPendingMessages();

// The system message box that reports a class without its own Create.
void ReportMissingCreate();

} // namespace kestrel
