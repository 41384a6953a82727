// In-process tests of the Replace dialog: its fields, its buttons inside the modal loop, its
// histories in the registry of the test prefix, and its keyboard after a message box.
#include "dialogs/replace_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/win32.h"
#include <shlwapi.h>

#include "framework/busy_window.h"
#include "framework/message_window.h"
#include "platform/registry_store.h"
#include "resources/resource_ids.h"
#include "tests/commands/fake_editor.h"

namespace kestrel {
namespace {

class NoPassedEnd : public PassedEndListener {
public:
    void OnPassedEnd() override {}
};

std::string Field(HWND dialog, int id) {
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, static_cast<int>(std::size(text)));
    return text;
}

std::vector<std::string> Listed(HWND dialog, int id) {
    std::vector<std::string> items;
    for (LRESULT i = 0; i < SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0); ++i) {
        char text[64] = "";
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// A text stored under the program key's `subkey`; "" when absent.
std::string Stored(const char* subkey, const char* name) {
    char text[64] = "";
    DWORD size = static_cast<DWORD>(std::size(text));
    std::string path = std::string(kProgramKeyPath) + "\\" + subkey;
    SHGetValueA(HKEY_CURRENT_USER, path.c_str(), name, nullptr, text, &size);
    return text;
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The line "alpha beta_2 gamma" with the caret on "beta_2", the start-up search state, and actions
// that record the committed fields as "action text case up replacement". Run() calls the script
// once the dialog is up, from inside its modal loop; the program key goes before and after.
class ReplaceDialogTest : public ::testing::Test, public ReplaceActions {
protected:
    void SetUp() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKeyPath);
        editor.Load({"alpha beta_2 gamma"});
        editor.PutCaret(0, 0, 8, 0);
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKeyPath); }

    void FindNext() override { Record("FindNext"); }
    void ReplaceOne() override { Record("ReplaceOne"); }
    void ReplaceAll() override { Record("ReplaceAll"); }
    void Record(const std::string& action) {
        calls.push_back(action + " " + find.SearchText() + " " + std::to_string(find.MatchCase()) +
                        " " + std::to_string(find.SearchUp()) + " " + replacement);
        if (duringAction) {
            duringAction(action);
        }
    }

    // False when the script left the dialog open and it was ended after five seconds.
    bool Run(std::function<void(HWND)> script, HWND owner = nullptr) {
        script_ = std::move(script);
        ticks_ = 0;
        current_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &Tick);
        dialog.Run(owner);
        KillTimer(nullptr, timer);
        return ticks_ < kGiveUpTicks;
    }
    // The modal loop shows the dialog once its queue is first empty, which may be after a tick.
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND handle = current_->dialog.Handle();
        if (current_->script_ && IsWindowVisible(handle)) {
            std::exchange(current_->script_, nullptr)(handle);
        } else if (++current_->ticks_ >= kGiveUpTicks && handle != nullptr) {
            EndDialog(handle, 0);
        }
    }

    FakeEditor editor;
    NoPassedEnd passedEnd;
    FindCommands find{editor.context, passedEnd};
    std::string replacement;
    ReplaceDialog dialog{find, replacement, *this};
    std::vector<std::string> calls;
    std::function<void(const std::string&)> duringAction;

private:
    static inline ReplaceDialogTest* current_ = nullptr;
    static constexpr int kGiveUpTicks = 500;
    std::function<void(HWND)> script_;
    int ticks_ = 0;
};

TEST_F(ReplaceDialogTest, FieldsStartFromTheSearchStateTheWordAtTheCaretAndTheHistories) {
    FindHistory finds;
    FindHistory replacements;
    CommitFindHistory(finds, "older");
    CommitFindHistory(replacements, "first", kReplaceHistorySubkey);
    find.SetMatchCase(true);
    find.SetSearchUp(true);
    replacement = "delta";
    ASSERT_TRUE(Run([](HWND dialog) {
        EXPECT_EQ(Field(dialog, IDC_FIND_TEXT), "beta_2");
        EXPECT_EQ(Field(dialog, IDC_REPLACE_TEXT), "delta");
        EXPECT_EQ(Listed(dialog, IDC_FIND_TEXT), std::vector<std::string>{"older"});
        EXPECT_EQ(Listed(dialog, IDC_REPLACE_TEXT), std::vector<std::string>{"first"});
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MATCH_CASE), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIRECTION_UP), BST_CHECKED);
        for (int id : {IDC_FIND_TEXT, IDC_REPLACE_TEXT}) {
            HWND edit = FindWindowExA(GetDlgItem(dialog, id), nullptr, "Edit", nullptr);
            EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0),
                      static_cast<LRESULT>(kSearchTextLimit));
        }
        Click(dialog, IDCANCEL);
    }));
    EXPECT_TRUE(calls.empty());
}

TEST_F(ReplaceDialogTest, EachButtonActsOnTheCommittedFieldsAndLeavesTheDialogOpen) {
    ASSERT_TRUE(Run([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FIND_TEXT, "alpha");
        SetDlgItemTextA(dialog, IDC_REPLACE_TEXT, "omega");
        Click(dialog, IDOK);
        CheckDlgButton(dialog, IDC_MATCH_CASE, BST_CHECKED);
        CheckRadioButton(dialog, IDC_DIRECTION_DOWN, IDC_DIRECTION_UP, IDC_DIRECTION_UP);
        SetDlgItemTextA(dialog, IDC_FIND_TEXT, "Gamma");
        SetDlgItemTextA(dialog, IDC_REPLACE_TEXT, "");
        Click(dialog, IDC_REPLACE);
        SetDlgItemTextA(dialog, IDC_FIND_TEXT, "ALPHA");
        Click(dialog, IDC_REPLACE_ALL);
        // The drop-downs follow the histories: a text listed already, in any case, moves up.
        EXPECT_EQ(Listed(dialog, IDC_FIND_TEXT), (std::vector<std::string>{"alpha", "Gamma"}));
        EXPECT_EQ(Field(dialog, IDC_FIND_TEXT), "ALPHA");
        EXPECT_EQ(Listed(dialog, IDC_REPLACE_TEXT), std::vector<std::string>{"omega"});
        EXPECT_TRUE(IsWindowVisible(dialog));
        Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(calls, (std::vector<std::string>{"FindNext alpha 0 0 omega", "ReplaceOne Gamma 1 1 ",
                                                "ReplaceAll ALPHA 1 1 "}));
    // Where the Find dialog keeps its texts, and beside them; an empty text is not recorded.
    const char* combo1 = kFindHistorySubkey;
    EXPECT_EQ(Stored(combo1, "MRUList") + Stored(combo1, "a") + Stored(combo1, "b"), "abalphaGamma");
    EXPECT_EQ(Stored(kReplaceHistorySubkey, "MRUList") + Stored(kReplaceHistorySubkey, "a"),
              "aomega");
}

TEST_F(ReplaceDialogTest, EnterFindsNextAndEscapeCloses) {
    ASSERT_TRUE(Run([](HWND dialog) {
        HWND edit = FindWindowExA(GetDlgItem(dialog, IDC_FIND_TEXT), nullptr, "Edit", nullptr);
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    }));
    // Case-insensitive and downward at start-up.
    EXPECT_EQ(calls, std::vector<std::string>{"FindNext beta_2 0 0 "});
}

// Once up, tries `whileUp` and then answers itself with Enter.
class AnsweredBox : public MessageWindow {
public:
    explicit AnsweredBox(std::function<void()> whileUp) : whileUp_(std::move(whileUp)) {}
    void AfterCreate() override {
        whileUp_();
        PostMessageA(ButtonHandle(FocusedIndex()), WM_KEYDOWN, VK_RETURN, 0);
    }

private:
    std::function<void()> whileUp_;
};

TEST_F(ReplaceDialogTest, AfterAnActionsMessageBoxOrBusyNoticeTheDialogHasTheKeyboardAgain) {
    // The box is owned by the window under the dialog, as the editor's messages are; the busy
    // notice quiets the dialog itself, as a long "Replace all" may.
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    duringAction = [this, owner](const std::string& action) {
        HWND handle = dialog.Handle();
        if (action == "ReplaceOne") {
            AnsweredBox box([handle] { Click(handle, IDC_REPLACE_ALL); });
            box.Show(owner, "Text not found", "Kestrel", MB_OK, nullptr, kMessageTextColour,
                     kMessageBackColour, kMessageShadowColour);
        } else {
            BusyWindow busy;
            busy.Show(handle, "Replacing...", true);
            busy.Destroy();
        }
    };
    ASSERT_TRUE(Run(
        [](HWND dialog) {
            for (int id : {IDC_REPLACE, IDC_REPLACE_ALL}) {
                HWND button = GetDlgItem(dialog, id);
                SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
                Click(dialog, id);
                EXPECT_EQ(GetActiveWindow(), dialog) << id;
                EXPECT_EQ(GetFocus(), button) << id;
            }
            Click(dialog, IDCANCEL);
        },
        owner));
    DestroyWindow(owner);
    // The click made while the box was up was not taken.
    EXPECT_EQ(calls,
              (std::vector<std::string>{"ReplaceOne beta_2 0 0 ", "ReplaceAll beta_2 0 0 "}));
}

} // namespace
} // namespace kestrel
