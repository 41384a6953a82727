// In-process tests of dialog binding, the default dialog dispatch and the control wrappers.
#include "framework/dialog_window.h"

#include <gtest/gtest.h>

#include "framework/control.h"

namespace kestrel {
namespace {

constexpr int kTestDialog = 900;
constexpr int kListId = 100;
constexpr int kApplyId = 101;

// Runs a scripted session in WM_INITDIALOG and records what reached the dialog.
class ScriptedDialog : public DialogWindow {
public:
    INT_PTR OnInitDialog() override {
        boundHandle = hwnd_;
        adopted = list.Create(hwnd_, kListId, "", 0, 0, 0, 0) &&
                  apply.Create(hwnd_, kApplyId, "&Apply", 0, 0, 0, 0);
        for (const char* item : {"alpha", "beta", "gamma"}) {
            SendMessageA(list.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        SendMessageA(list.Handle(), LB_SETCURSEL, 2, 0);
        // What the list box sends its parent when the user picks an item.
        SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(kListId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list.Handle()));
        if (withHandler) {
            apply.SetHandler(&ScriptedDialog::Clicked, this);
        }
        SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(kApplyId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(apply.Handle()));
        PostMessageA(hwnd_, WM_COMMAND, IDOK, 0);
        return 1;
    }

    void OnCommand(WPARAM w, LPARAM) override {
        // The list box also reports focus changes; only picks and clicks matter here.
        bool listPick = LOWORD(w) == kListId && HIWORD(w) == LBN_SELCHANGE;
        if (listPick || (LOWORD(w) != kListId && HIWORD(w) == BN_CLICKED)) {
            commands.push_back(LOWORD(w));
        }
        if (LOWORD(w) == IDOK) {
            EndDialog(hwnd_, 77);
        }
    }

    static void Clicked(void* target, int id) {
        static_cast<ScriptedDialog*>(target)->handlerCalls.push_back(id);
    }

    bool withHandler = false;
    HWND boundHandle = nullptr;
    bool adopted = false;
    ListBox list;
    Button apply;
    std::vector<int> commands;
    std::vector<int> handlerCalls;
};

TEST(DialogWindow, DefaultDispatchLetsUnclaimedControlCommandsThrough) {
    ScriptedDialog dialog;
    EXPECT_EQ(dialog.RunModal(nullptr, kTestDialog), 77);
    EXPECT_NE(dialog.boundHandle, nullptr);
    EXPECT_TRUE(dialog.adopted);
    // The list box kept the selection although it has no handler, and did not claim the
    // command; the button without a handler did not claim its click either.
    EXPECT_EQ(dialog.list.Selection(), 2);
    EXPECT_EQ(dialog.commands, (std::vector<int>{kListId, kApplyId, IDOK}));
    EXPECT_EQ(dialog.apply.Mnemonic(), 'A');
    // The dialog has ended and the object is unbound.
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(DialogWindow, AButtonWithAHandlerClaimsItsClick) {
    ScriptedDialog dialog;
    dialog.withHandler = true;
    EXPECT_EQ(dialog.RunModal(nullptr, kTestDialog), 77);
    EXPECT_EQ(dialog.handlerCalls, (std::vector<int>{kApplyId}));
    EXPECT_EQ(dialog.commands, (std::vector<int>{kListId, IDOK}));
}

// A list box whose notifications are answered with a number of its own.
class AnsweringList : public ListBox {
public:
    LRESULT OnNotify(NMHDR*) override { return 4242; }
};

// Asks itself what senders of a notification and of the end-of-session query get back.
class ReplyDialog : public DialogWindow {
public:
    INT_PTR OnInitDialog() override {
        list.Create(hwnd_, kListId, "", 0, 0, 0, 0);
        NMHDR fromList{list.Handle(), static_cast<UINT_PTR>(kListId), 0xFFFFFFFEu};
        NMHDR fromElsewhere{hwnd_, 7, 0xFFFFFFFEu};
        listReply = SendMessageA(hwnd_, WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&fromList));
        otherReply = SendMessageA(hwnd_, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&fromElsewhere));
        endSessionReply = SendMessageA(hwnd_, WM_QUERYENDSESSION, 0, 0);
        PostMessageA(hwnd_, WM_COMMAND, IDOK, 0);
        return 1;
    }
    void OnNotify(WPARAM, LPARAM) override { SetMessageResult(17); }
    void OnCommand(WPARAM w, LPARAM) override {
        if (LOWORD(w) == IDOK) {
            EndDialog(hwnd_, 1);
        }
    }

    AnsweringList list;
    LRESULT listReply = 0;
    LRESULT otherReply = 0;
    LRESULT endSessionReply = 0;
};

TEST(DialogWindow, RepliesReachTheSenderThroughTheMessageResult) {
    ReplyDialog dialog;
    ASSERT_EQ(dialog.RunModal(nullptr, kTestDialog), 1);
    EXPECT_EQ(dialog.listReply, 4242);
    EXPECT_EQ(dialog.otherReply, 17);
    EXPECT_EQ(dialog.endSessionReply, 1) << "an open dialog must not veto the end of a session";
}

TEST(DialogWindow, MessagesBeforeInitDialogAreNotHandled) {
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(DialogWindow::SharedDialogProc(plain, WM_SIZE, 0, 0), 0);
    EXPECT_EQ(DialogWindow::SharedDialogProc(plain, WM_COMMAND, IDOK, 0), 0);
    DestroyWindow(plain);
}

} // namespace
} // namespace kestrel
