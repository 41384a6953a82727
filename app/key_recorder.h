// The key recorder window: lists the bindings of a working copy of the key table and lets the
// user record new keys, add and delete rows, or restore the defaults.
#pragma once

#include <optional>

#include "framework/control.h"
#include "framework/window.h"
#include "keys/recorder_session.h"

namespace kestrel {

// The list box of the recorder: tab stops for the keys column, a sunken edge.
class RecorderList : public ListBox {
public:
    RecorderList();
};

class KeyRecorder : public Window {
public:
    KeyRecorder();

    // Opens the window over `owner` (disabled while the recorder is up) on `table`; `showsDefaults`
    // when the table is the built-in one. When the window is accepted it posts `storeCommand` to
    // the owner, which then takes the table with TakeAccepted. False when the window could not be
    // created; the owner then stays enabled.
    bool Open(HWND owner, KeyTable table, bool showsDefaults, int storeCommand);
    bool IsOpen() const { return Handle() != nullptr; }

    // The table accepted by OK or a confirmed restore, once per acceptance.
    std::optional<AcceptedKeyTable> TakeAccepted() { return session_.TakeAccepted(); }

    bool RegisterWindowClass() override;
    void PreRegisterClass(WNDCLASSEXA& windowClass) override;
    bool OnCreate() override;
    void OnClose() override;
    void OnCommand(WPARAM w, LPARAM l) override;
    void OnKeyDown(WPARAM w, LPARAM l) override;
    void OnKeyUp(WPARAM w, LPARAM l) override;
    void OnSysKeyDown(WPARAM w, LPARAM l) override;
    void OnSysKeyUp(WPARAM w, LPARAM l) override;
    void OnKillFocus() override;
    void OnPaint() override;
    bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override;

private:
    void Refresh();
    // The idle state: the list refreshed, "Start" ready, "End" off.
    void Finish();
    void RememberListPosition();
    void StartRecording();
    void KeyDown(WPARAM w);
    void AskRestore();
    // Hands the working table to the owner and closes.
    void Accept();
    void Close();

    RecorderSession session_;
    HWND owner_ = nullptr;
    int storeCommand_ = 0;
    int selectedRow_ = 0;
    int topRow_ = 0;
    RecorderList list_;
    Button ok_;
    Button cancel_;
    Button restore_;
    Button add_;
    Button delete_;
    Button start_;
    Button end_;
};

} // namespace kestrel
