// The base of the top-level window: holds a client window above a status bar, runs the message
// loop with its accelerators, and owns the close sequence.
#pragma once

#include "framework/window.h"

namespace kestrel {

class StatusBar;

class FrameWindow : public Window {
public:
    FrameWindow();

    // Creates the frame, its status bar and then `client` as a child with a sunken edge. True
    // when all three exist.
    bool Create(Window* client, StatusBar* statusBar);
    // Shows the frame with `showCmd` unless RestorePlacement put it back where it was.
    void Show(int showCmd);
    bool LoadAccelerators(int resourceId);
    // The message loop; returns the quit code.
    int Run();

    bool RegisterWindowClass() override;
    bool OnCreate() override;
    void OnSize(WPARAM w, LPARAM l) override;
    void OnSetFocus() override;
    LRESULT OnQueryEndSession() override;
    void OnClose() override;
    void OnPostDestroy() override;

    // Whether the frame may close now (the document's save question lives here).
    virtual bool CanClose();
    // Puts the window back where it was last time; true when it did.
    virtual bool RestorePlacement();

    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

protected:
    HACCEL accelerators_ = nullptr;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    StatusBar* statusBar_ = nullptr; // not owned
    Window* client_ = nullptr;       // not owned
};

} // namespace kestrel
