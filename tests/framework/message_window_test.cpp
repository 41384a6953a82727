// In-process tests of the message box driven by keys, its size, and the busy notice.
#include "framework/message_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/busy_window.h"
#include "framework/handles.h"

namespace kestrel {
namespace {

// A message box that, once up, types the given keys at whichever of its buttons has the focus,
// and records what the box looked like.
class ScriptedMessageWindow : public MessageWindow {
public:
    explicit ScriptedMessageWindow(std::vector<WPARAM> keys) : keys_(std::move(keys)) {}

    void AfterCreate() override {
        startFocus = FocusedIndex();
        buttonCount = ButtonCount();
        RECT r;
        GetWindowRect(Handle(), &r);
        boxHeight = r.bottom - r.top;
        for (int i = 0; i < buttonCount; ++i) {
            char text[32] = "";
            GetWindowTextA(ButtonHandle(i), text, static_cast<int>(std::size(text)));
            buttonTexts.emplace_back(text);
        }
        HWND target = ButtonHandle(startFocus);
        for (WPARAM key : keys_) {
            PostMessageA(target, WM_KEYDOWN, key, 0);
            PostMessageA(Handle(), WM_USER, 0, 0); // a marker: keys are handled one by one
        }
    }

    bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override {
        if (message == WM_USER) {
            focusTrail.push_back(FocusedIndex());
            return true;
        }
        return MessageWindow::OnOtherMessage(message, w, l);
    }

    int startFocus = -1;
    int buttonCount = 0;
    int boxHeight = 0;
    std::vector<std::string> buttonTexts;
    std::vector<int> focusTrail;

private:
    std::vector<WPARAM> keys_;
};

int ShowWithKeys(ScriptedMessageWindow& box, UINT style, const char* text = "Question?") {
    return box.Show(nullptr, text, "Kestrel", style, nullptr, kMessageTextColour,
                    kMessageBackColour, kMessageShadowColour);
}

TEST(MessageWindow, YesNoCancelAnsweredWithN) {
    ScriptedMessageWindow box({'N'});
    EXPECT_EQ(ShowWithKeys(box, 0x23), 7);
    EXPECT_EQ(box.buttonTexts, (std::vector<std::string>{"&Yes", "&No", "&Cancel"}));
    EXPECT_EQ(box.Handle(), nullptr); // gone when Show returns
}

TEST(MessageWindow, EnterChoosesTheInitiallyFocusedButton) {
    ScriptedMessageWindow box({VK_RETURN});
    EXPECT_EQ(ShowWithKeys(box, 0x23), 6);
    EXPECT_EQ(box.startFocus, 0);
}

TEST(MessageWindow, SecondDefaultButtonStartsOnNo) {
    ScriptedMessageWindow box({VK_RETURN});
    EXPECT_EQ(ShowWithKeys(box, 0x123), 7);
    EXPECT_EQ(box.startFocus, 1);
}

TEST(MessageWindow, TabAndRightWrapForwardLeftWrapsBack) {
    ScriptedMessageWindow forward({VK_TAB, VK_RIGHT, VK_TAB, VK_RETURN});
    EXPECT_EQ(ShowWithKeys(forward, 0x23), 6);
    EXPECT_EQ(forward.focusTrail, (std::vector<int>{1, 2, 0, 0}));

    ScriptedMessageWindow back({VK_LEFT, VK_RETURN});
    EXPECT_EQ(ShowWithKeys(back, 0x23), 2);
    EXPECT_EQ(back.focusTrail.front(), 2);
}

TEST(MessageWindow, MnemonicsAndEscape) {
    ScriptedMessageWindow cancel({VK_ESCAPE, 'C'});
    EXPECT_EQ(ShowWithKeys(cancel, 0x01), 2);

    ScriptedMessageWindow ok({'O'});
    EXPECT_EQ(ShowWithKeys(ok, 0x30), 1);
    EXPECT_EQ(ok.buttonTexts, (std::vector<std::string>{"&Ok"}));

    ScriptedMessageWindow yes({'Y'});
    EXPECT_EQ(ShowWithKeys(yes, 0x24), 6);
}

TEST(MessageWindow, ThreeLinesMakeABoxNineLineHeightsTall) {
    ScriptedMessageWindow box({VK_RETURN});
    EXPECT_EQ(ShowWithKeys(box, 0x30, "one\ntwo\nthree"), 1);
    EXPECT_GT(box.LineHeight(), 0);
    EXPECT_EQ(box.boxHeight, 9 * box.LineHeight());
}

TEST(MessageWindow, OwnerIsDisabledWhileShownAndEnabledAfter) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, ProgramInstance(), nullptr);
    class OwnerCheck : public ScriptedMessageWindow {
    public:
        using ScriptedMessageWindow::ScriptedMessageWindow;
        void AfterCreate() override {
            ScriptedMessageWindow::AfterCreate();
            PostMessageA(Handle(), WM_USER + 1, 0, 0);
        }
        bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override {
            if (message == WM_USER + 1) {
                ownerEnabledWhileUp = IsWindowEnabled(Owner()) != 0;
                return true;
            }
            return ScriptedMessageWindow::OnOtherMessage(message, w, l);
        }
        bool ownerEnabledWhileUp = true;
    } box({VK_RETURN});
    EXPECT_EQ(box.Show(owner, "Can't open file", "Kestrel", 0x30, nullptr, kMessageTextColour,
                       kMessageBackColour, kMessageShadowColour),
              1);
    EXPECT_FALSE(box.ownerEnabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(MessageWindow, AChildOwnerDisablesItsWholeFrameAndLeavesADisabledOneDisabled) {
    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, ProgramInstance(), nullptr);
    HWND child = CreateWindowExA(0, "STATIC", "view", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100,
                                 frame, nullptr, ProgramInstance(), nullptr);
    class FrameCheck : public ScriptedMessageWindow {
    public:
        FrameCheck(HWND frame) : ScriptedMessageWindow({VK_RETURN}), frame_(frame) {}
        void AfterCreate() override {
            ScriptedMessageWindow::AfterCreate();
            PostMessageA(Handle(), WM_USER + 1, 0, 0);
        }
        bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override {
            if (message == WM_USER + 1) {
                frameEnabledWhileUp = IsWindowEnabled(frame_) != 0;
                boxOwner = GetWindow(Handle(), GW_OWNER);
                return true;
            }
            return ScriptedMessageWindow::OnOtherMessage(message, w, l);
        }
        bool frameEnabledWhileUp = true;
        HWND boxOwner = nullptr;

    private:
        HWND frame_;
    };
    for (bool disabledBefore : {false, true}) {
        EnableWindow(frame, disabledBefore ? FALSE : TRUE);
        FrameCheck box(frame);
        EXPECT_EQ(box.Show(child, "Warning", "Kestrel", 0x30, nullptr, kMessageTextColour,
                           kMessageBackColour, kMessageShadowColour),
                  1);
        EXPECT_FALSE(box.frameEnabledWhileUp) << "the frame's menu would start commands";
        EXPECT_EQ(box.boxOwner, frame) << "the box stays above the frame";
        EXPECT_EQ(IsWindowEnabled(frame) != 0, !disabledBefore);
    }
    DestroyWindow(frame);
}

TEST(MessageWindow, AQuitWhileShownEndsTheBoxAndStaysQueued) {
    class Quitter : public ScriptedMessageWindow {
    public:
        Quitter() : ScriptedMessageWindow({}) {}
        void AfterCreate() override { PostQuitMessage(5); }
    } box;
    EXPECT_EQ(ShowWithKeys(box, 0x23), 0);
    EXPECT_EQ(box.Handle(), nullptr);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 5u);
}

TEST(MessageWindow, ABoxThatCannotBeCreatedReturnsAtOnce) {
    class Failing : public ScriptedMessageWindow {
    public:
        Failing() : ScriptedMessageWindow({}) {}
        bool CreateBoxWindow() override { return false; }
    } box;
    EXPECT_EQ(ShowWithKeys(box, 0x23), 0);
}

TEST(BusyWindow, LoadingIsTwentyTwoCharactersWideAndFiveLinesTall) {
    OwnedDc info(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(info.Get(), &metrics));
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, ProgramInstance(), nullptr);
    BusyWindow busy;
    ASSERT_EQ(busy.Show(owner, "Loading...", true), 1);
    ASSERT_NE(busy.Handle(), nullptr);
    RECT r;
    GetWindowRect(busy.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 22 * metrics.tmAveCharWidth);
    EXPECT_EQ(r.bottom - r.top, 5 * (metrics.tmHeight + metrics.tmExternalLeading));
    EXPECT_FALSE(IsWindowEnabled(owner));
    EXPECT_NE(GetForegroundWindow(), busy.Handle());

    // A second notice reuses the window as it is.
    ASSERT_EQ(busy.Show(owner, "Saving file...", true), 1);
    RECT again;
    GetWindowRect(busy.Handle(), &again);
    EXPECT_EQ(again.right - again.left, r.right - r.left);

    EXPECT_TRUE(busy.Destroy());
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

} // namespace
} // namespace kestrel
