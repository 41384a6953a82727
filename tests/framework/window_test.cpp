// In-process tests of window binding, dispatch and the framework helpers, on real windows.
#include "framework/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <commctrl.h>

#include "framework/control.h"
#include "framework/frame_window.h"
#include "framework/handles.h"
#include "framework/status_bar.h"

namespace kestrel {
namespace {

// A window that records what reached its handlers.
class ProbeWindow : public Window {
public:
    explicit ProbeWindow(bool acceptCreate = true) : acceptCreate_(acceptCreate) {
        style_ = WS_OVERLAPPEDWINDOW;
    }
    bool RegisterWindowClass() override {
        WNDCLASSEXA windowClass{};
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = "KestrelProbe";
        return RegisterOnce(windowClass, registered_);
    }
    bool Create(HWND parent, HMENU menu, const char* text, int x, int y, int w, int h) override {
        return CreateChild("KestrelProbe", parent, menu, text, x, y, w, h);
    }
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
        messages.push_back(message);
        return Window::WindowProc(message, w, l);
    }
    bool OnCreate() override { return acceptCreate_; }
    void OnSysCommand() override { ++sysCommands; }
    void OnSize(WPARAM, LPARAM l) override { lastWidth = LOWORD(l); }

    std::vector<UINT> messages;
    int sysCommands = 0;
    int lastWidth = -1;

private:
    bool acceptCreate_;
    static bool registered_;
};
bool ProbeWindow::registered_ = false;

// A window class that does not opt in to creation.
class RefusingWindow : public Window {
public:
    RefusingWindow() { style_ = WS_OVERLAPPEDWINDOW; }
    bool RegisterWindowClass() override {
        WNDCLASSEXA windowClass{};
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = "KestrelRefusing";
        return RegisterOnce(windowClass, registered_);
    }

private:
    static bool registered_;
};
bool RefusingWindow::registered_ = false;

TEST(Window, MessagesBeforeNcCreateGetDefaultProcessing) {
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create(nullptr, nullptr, "probe", 0, 0, 200, 100));
    ASSERT_FALSE(probe.messages.empty());
    // WM_GETMINMAXINFO comes before WM_NCCREATE and must not reach the object.
    EXPECT_EQ(probe.messages.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_NE(probe.Handle(), nullptr);
    EXPECT_TRUE(probe.Destroy());
    EXPECT_EQ(probe.Handle(), nullptr);
}

TEST(Window, CreationFailsWhenOnCreateIsNotOverridden) {
    RefusingWindow refusing;
    EXPECT_FALSE(refusing.CreateChild("KestrelRefusing", nullptr, nullptr, "", 0, 0, 50, 50));
    EXPECT_EQ(refusing.Handle(), nullptr);

    ProbeWindow refusedProbe(false);
    EXPECT_FALSE(refusedProbe.Create(nullptr, nullptr, "", 0, 0, 50, 50));
}

TEST(Window, SysCommandReachesTheHandlerAndStillActs) {
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create(nullptr, nullptr, "probe", 0, 0, 200, 100));
    ShowWindow(probe.Handle(), SW_SHOWNORMAL);
    SendMessageA(probe.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(probe.sysCommands, 1);
    EXPECT_TRUE(IsIconic(probe.Handle()));
    SendMessageA(probe.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(probe.sysCommands, 2);
    // The default close destroyed the window, and the object no longer holds its handle.
    EXPECT_EQ(probe.Handle(), nullptr);
}

TEST(Window, AnExceptionInAHandlerNeverLeavesTheWindowProcedure) {
    class ThrowingWindow : public ProbeWindow {
    public:
        void OnSize(WPARAM, LPARAM) override { throw 42; }
    } thrower;
    ASSERT_TRUE(thrower.Create(nullptr, nullptr, "", 0, 0, 100, 100));
    EXPECT_NO_THROW(SetWindowPos(thrower.Handle(), nullptr, 0, 0, 150, 150, SWP_NOMOVE));
    EXPECT_TRUE(thrower.Destroy());
}

TEST(Window, PumpLeavesAQuitMessageForTheOuterLoop) {
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create(nullptr, nullptr, "", 0, 0, 100, 100));
    PostMessageA(probe.Handle(), WM_USER + 7, 0, 0);
    EXPECT_FALSE(PumpPendingMessages());
    EXPECT_NE(std::find(probe.messages.begin(), probe.messages.end(),
                        static_cast<UINT>(WM_USER + 7)),
              probe.messages.end());

    PostQuitMessage(3);
    EXPECT_TRUE(PumpPendingMessages());
    EXPECT_TRUE(PumpPendingMessages());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    probe.Destroy();
}

TEST(Window, CentringKeepsTheSizeAndCentresOnTheOwner) {
    ProbeWindow owner;
    ASSERT_TRUE(owner.Create(nullptr, nullptr, "", 100, 100, 600, 400));
    class OwnedProbe : public ProbeWindow {
    public:
        OwnedProbe() { style_ = WS_POPUP; }
    } owned;
    ASSERT_TRUE(owned.Create(owner.Handle(), nullptr, "", 0, 0, 200, 100));
    ASSERT_TRUE(CentreWindow(owned.Handle()));
    RECT r;
    GetWindowRect(owned.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100);
    EXPECT_EQ(r.left, 100 + 300 - 100);
    EXPECT_EQ(r.top, 100 + 200 - 50);
    owned.Destroy();
    owner.Destroy();
}

TEST(Control, CreateControlAdoptsAChildThatAlreadyHasItsId) {
    ProbeWindow parent;
    ASSERT_TRUE(parent.Create(nullptr, nullptr, "", 0, 0, 300, 200));
    HWND templateChild =
        CreateWindowExA(0, "BUTTON", "from template", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20,
                        parent.Handle(), reinterpret_cast<HMENU>(1234), ProgramInstance(), nullptr);
    ASSERT_NE(templateChild, nullptr);
    Button button;
    ASSERT_TRUE(button.Create(parent.Handle(), 1234, "&Yes", 0, 0, 10, 10));
    EXPECT_EQ(button.Handle(), templateChild);
    EXPECT_EQ(Control::FromHandle(templateChild), &button);
    EXPECT_EQ(button.Mnemonic(), 'Y');

    Button plain;
    ASSERT_TRUE(plain.Create(parent.Handle(), 0, "No mnemonic", 0, 30, 80, 20));
    EXPECT_NE(plain.Handle(), templateChild);
    EXPECT_GE(plain.Id(), 900);
    EXPECT_EQ(plain.Mnemonic(), 0);
    parent.Destroy();
}

TEST(Control, AWindowWithoutAControlObjectIsNotTakenForOne) {
    ProbeWindow parent;
    ASSERT_TRUE(parent.Create(nullptr, nullptr, "", 0, 0, 300, 200));
    HWND raw = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, parent.Handle(), nullptr,
                               ProgramInstance(), nullptr);
    SetWindowLongPtrA(raw, GWLP_USERDATA, 0x1234);
    EXPECT_EQ(Control::FromHandle(raw), nullptr);
    // A frame window is bound through the same slot, but is no control.
    EXPECT_EQ(Control::FromHandle(parent.Handle()), nullptr);
    parent.Destroy();
}

// A frame with a probe as its client, to see the layout of client and status bar.
class TestFrame : public FrameWindow {};

TEST(FrameWindow, ClientFillsTheAreaAboveTheStatusBar) {
    ProbeWindow client;
    client.SetExStyle(WS_EX_CLIENTEDGE);
    StatusBar bar;
    ASSERT_TRUE(bar.SetPaneCount(3));
    bar.AddPane(80, 0);
    bar.AddPane(20, 0);
    bar.AddPane(20, 0);
    bar.AddPane(20, 0); // a fourth pane does not fit and is ignored
    EXPECT_EQ(bar.PaneCount(), 3);

    class ChildProbe : public ProbeWindow {
    public:
        ChildProbe() { style_ = WS_CHILD | WS_VISIBLE; }
    } view;
    TestFrame frame;
    ASSERT_TRUE(frame.Create(&view, &bar));
    SetWindowPos(frame.Handle(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    frame.Show(SW_SHOWNORMAL);

    RECT frameClient;
    GetClientRect(frame.Handle(), &frameClient);
    RECT viewRect;
    GetWindowRect(view.Handle(), &viewRect);
    int barHeight = bar.Height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(viewRect.right - viewRect.left, frameClient.right);
    EXPECT_EQ(viewRect.bottom - viewRect.top, frameClient.bottom - barHeight);
    EXPECT_EQ(view.lastWidth, frameClient.right);

    // Pane edges: one free character per pane at the right, then 20 characters each.
    const std::vector<int>& edges = bar.Edges();
    ASSERT_EQ(edges.size(), 3u);
    int avg = (edges[2] - edges[1]) / 20;
    EXPECT_GT(avg, 0);
    EXPECT_EQ(edges[1] - edges[0], 20 * avg);
    RECT barRect;
    GetWindowRect(bar.Handle(), &barRect);
    EXPECT_EQ(edges[2], barRect.right - barRect.left - 3 * avg);

    // Texts already shown are not sent again; every pane still shows its own last text.
    auto paneText = [&bar](int pane) {
        char text[64] = "";
        SendMessageA(bar.Handle(), SB_GETTEXTA, static_cast<WPARAM>(pane),
                     reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    bar.SetText(0, "a");
    bar.SetText(1, "a");
    bar.SetText(0, "b");
    bar.SetText(0, "a");
    bar.SetText(2, nullptr);
    EXPECT_EQ(paneText(0), "a");
    EXPECT_EQ(paneText(1), "a");
    EXPECT_EQ(paneText(2), "");
    bar.SetText(1, "");
    EXPECT_EQ(paneText(1), "");

    // A hidden bar has no height, and the client then takes everything.
    ShowWindow(bar.Handle(), SW_HIDE);
    EXPECT_EQ(bar.Height(), 0);

    // Closing the frame ends the message loop with code 0.
    SendMessageA(frame.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(frame.Handle(), nullptr);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

} // namespace
} // namespace kestrel
