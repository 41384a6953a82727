// Wrappers of child controls: the object is bound to the control's window so that the parent
// can hand it the control's commands and notifications first.
#pragma once

#include "framework/win32.h"

namespace kestrel {

class Control {
public:
    // Called on a click or a selection change with the target given to SetHandler and the
    // control's id.
    using Handler = void (*)(void* target, int id);

    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    HWND Handle() const { return hwnd_; }
    int Id() const { return id_; }

    // Creates (or adopts) the control. A class without its own Create reports "Missing Create".
    virtual bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                        int height);
    // A command from this control; true when the control handled it.
    virtual bool OnCommand(int notifyCode, int id);
    virtual void OnDrawItem(DRAWITEMSTRUCT* drawItem);
    virtual LRESULT OnNotify(NMHDR* header);
    virtual void SetHandler(Handler handler, void* target);
    // Reserved for a control whose window procedure is replaced.
    virtual LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);

    // The control object bound to `hwnd`, or null when it has none.
    static Control* FromHandle(HWND hwnd);

protected:
    // Adopts the parent's child with this object's id (a control from a dialog template) or
    // creates a new child window of `className`, then binds it to this object.
    bool CreateControl(const char* className, HWND parent, const char* text, int x, int y,
                       int width, int height);

    HWND hwnd_ = nullptr;
    DWORD style_ = WS_CHILD | WS_VISIBLE;
    DWORD exStyle_ = 0;
    int id_ = 0;
    Handler handler_ = nullptr;
    void* target_ = nullptr;
};

// A push button; its mnemonic is the character after the first "&" of its text.
class Button : public Control {
public:
    Button();
    bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                int height) override;
    bool OnCommand(int notifyCode, int id) override;
    char Mnemonic() const { return mnemonic_; }

    // Changes the creation style (an owner-drawn link, for one).
    void SetStyle(DWORD style) { style_ = style; }

private:
    char mnemonic_ = 0;
};

// A list box that remembers the selection of its last selection change.
class ListBox : public Control {
public:
    ListBox();
    bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                int height) override;
    bool OnCommand(int notifyCode, int id) override;
    int Selection() const { return selection_; }

private:
    int selection_ = -1;
};

// The mnemonic of a button text: the character after the first "&", 0 when there is none.
char MnemonicOf(const char* text);

} // namespace kestrel
