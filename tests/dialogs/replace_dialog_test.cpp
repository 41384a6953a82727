// In-process tests of the Replace dialog: its fields, its buttons inside the modal loop, its
// histories in the registry of the test prefix, and its keyboard after a message box.
#include "dialogs/replace_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/busy_window.h"
#include "framework/message_window.h"
#include "platform/registry_store.h"
#include "resources/resource_ids.h"
#include "framework/win32.h"
#include "tests/commands/fake_editor.h"
#include <shlwapi.h>

namespace kestrel {
namespace {

// What an action saw of the committed fields when it was called.
struct ActionCall {
    std::string action;
    std::string searchText;
    bool matchCase;
    bool searchUp;
    std::string replacement;
    bool dialogShown;

    bool operator==(const ActionCall& other) const {
        return action == other.action && searchText == other.searchText &&
               matchCase == other.matchCase && searchUp == other.searchUp &&
               replacement == other.replacement && dialogShown == other.dialogShown;
    }
};

std::ostream& operator<<(std::ostream& out, const ActionCall& call) {
    return out << call.action << "(" << call.searchText << ", case " << call.matchCase << ", up "
               << call.searchUp << ", \"" << call.replacement << "\", shown " << call.dialogShown
               << ")";
}

class NoPassedEnd : public PassedEndListener {
public:
    void OnPassedEnd() override {}
};

// A stored text of the program key's `subkey`, read straight from the registry; "" if absent.
std::string Stored(const char* subkey, const char* name) {
    const std::string path = std::string(kProgramKeyPath) + "\\" + subkey;
    char text[64] = "";
    DWORD size = static_cast<DWORD>(std::size(text));
    if (SHGetValueA(HKEY_CURRENT_USER, path.c_str(), name, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return "";
    }
    return text;
}

std::vector<std::string> Listed(HWND dialog, int comboId) {
    std::vector<std::string> items;
    const auto count = SendDlgItemMessageA(dialog, comboId, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = "";
        SendDlgItemMessageA(dialog, comboId, CB_GETLBTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

std::string Field(HWND dialog, int id) {
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, static_cast<int>(std::size(text)));
    return text;
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The editor's one line "alpha beta_2 gamma" with the caret on "beta_2", a fresh search state, and
// a dialog whose actions record what they were given. Run() shows the dialog and calls the script
// once from inside its modal loop; the program key is deleted before and after each test.
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

    void Record(const char* action) {
        calls.push_back({action, find.SearchText(), find.MatchCase(), find.SearchUp(),
                         replacement, IsWindowVisible(dialog.Handle()) != FALSE});
        if (duringAction) {
            duringAction();
        }
    }

    // Shows the dialog over `owner` and runs `script` once it is up; false when the script left
    // it open and it had to be ended after a few seconds.
    bool Run(std::function<void(HWND)> script, HWND owner = nullptr) {
        script_ = std::move(script);
        current_ = this;
        const UINT_PTR start = SetTimer(nullptr, 0, 10, &ReplaceDialogTest::Start);
        const UINT_PTR giveUp = SetTimer(nullptr, 0, 5000, &ReplaceDialogTest::GiveUp);
        timedOut_ = false;
        dialog.Run(owner);
        KillTimer(nullptr, start);
        KillTimer(nullptr, giveUp);
        current_ = nullptr;
        return !timedOut_;
    }

    // The modal loop shows the dialog once its queue is first empty, which may be after a tick.
    static void CALLBACK Start(HWND, UINT, UINT_PTR id, DWORD) {
        if (current_ == nullptr || !IsWindowVisible(current_->dialog.Handle())) {
            return;
        }
        KillTimer(nullptr, id);
        if (current_->script_) {
            auto script = std::move(current_->script_);
            script(current_->dialog.Handle());
        }
    }
    static void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (current_ != nullptr && current_->dialog.Handle() != nullptr) {
            current_->timedOut_ = true;
            EndDialog(current_->dialog.Handle(), 0);
        }
    }

    FakeEditor editor;
    NoPassedEnd passedEnd;
    FindCommands find{editor.context, passedEnd};
    std::string replacement;
    ReplaceDialog dialog{find, replacement, *this};
    std::vector<ActionCall> calls;
    std::function<void()> duringAction;

private:
    static inline ReplaceDialogTest* current_ = nullptr;
    std::function<void(HWND)> script_;
    bool timedOut_ = false;
};

TEST_F(ReplaceDialogTest, FieldsStartFromTheSearchStateTheWordAtTheCaretAndTheHistories) {
    FindHistory finds;
    FindHistory replacements;
    CommitFindHistory(finds, "older");
    CommitFindHistory(replacements, "first", kReplaceHistorySubkey);
    find.SetSearchText("previous");
    find.SetMatchCase(true);
    find.SetSearchUp(true);
    replacement = "delta";
    ASSERT_TRUE(Run([](HWND dialog) {
        char caption[32] = "";
        GetWindowTextA(dialog, caption, static_cast<int>(std::size(caption)));
        EXPECT_STREQ(caption, "Replace");
        EXPECT_EQ(Field(dialog, IDC_FIND_TEXT), "beta_2");
        EXPECT_EQ(Field(dialog, IDC_REPLACE_TEXT), "delta");
        EXPECT_EQ(Listed(dialog, IDC_FIND_TEXT), std::vector<std::string>{"older"});
        EXPECT_EQ(Listed(dialog, IDC_REPLACE_TEXT), std::vector<std::string>{"first"});
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MATCH_CASE), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIRECTION_UP), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIRECTION_DOWN), BST_UNCHECKED);
        EXPECT_TRUE(IsChild(GetDlgItem(dialog, IDC_FIND_TEXT), GetFocus()));
        // Both fields take no more than a search text.
        for (int id : {IDC_FIND_TEXT, IDC_REPLACE_TEXT}) {
            HWND edit = FindWindowExA(GetDlgItem(dialog, id), nullptr, "Edit", nullptr);
            EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0),
                      static_cast<LRESULT>(kSearchTextLimit));
        }
        Click(dialog, IDCANCEL);
    }));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(find.SearchText(), "beta_2") << "offered as the Find dialog offers it";
}

TEST_F(ReplaceDialogTest, AtStartUpTheSearchIsCaseInsensitiveAndDownward) {
    editor.PutCaret(0, 0, 5, 0); // off any identifier: nothing is offered
    ASSERT_TRUE(Run([](HWND dialog) {
        EXPECT_EQ(Field(dialog, IDC_FIND_TEXT), "");
        EXPECT_EQ(Field(dialog, IDC_REPLACE_TEXT), "");
        EXPECT_TRUE(Listed(dialog, IDC_FIND_TEXT).empty());
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MATCH_CASE), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIRECTION_DOWN), BST_CHECKED);
        Click(dialog, IDCANCEL);
    }));
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
    const std::vector<ActionCall> expected = {
        {"FindNext", "alpha", false, false, "omega", true},
        {"ReplaceOne", "Gamma", true, true, "", true},
        {"ReplaceAll", "ALPHA", true, true, "", true},
    };
    EXPECT_EQ(calls, expected);
    // Stored where the Find dialog keeps its texts; an empty replacement is not recorded.
    EXPECT_EQ(Stored(kFindHistorySubkey, "MRUList"), "ab");
    EXPECT_EQ(Stored(kFindHistorySubkey, "a"), "alpha");
    EXPECT_EQ(Stored(kFindHistorySubkey, "b"), "Gamma");
    EXPECT_EQ(Stored(kReplaceHistorySubkey, "MRUList"), "a");
    EXPECT_EQ(Stored(kReplaceHistorySubkey, "a"), "omega");

    // The next showing offers both histories again.
    editor.PutCaret(0, 0, 5, 0);
    ASSERT_TRUE(Run([](HWND dialog) {
        EXPECT_EQ(Listed(dialog, IDC_FIND_TEXT), (std::vector<std::string>{"alpha", "Gamma"}));
        EXPECT_EQ(Listed(dialog, IDC_REPLACE_TEXT), std::vector<std::string>{"omega"});
        EXPECT_EQ(Field(dialog, IDC_REPLACE_TEXT), "");
        Click(dialog, IDCANCEL);
    }));
}

TEST_F(ReplaceDialogTest, EnterFindsNextAndEscapeCloses) {
    ASSERT_TRUE(Run([](HWND dialog) {
        HWND edit = FindWindowExA(GetDlgItem(dialog, IDC_FIND_TEXT), nullptr, "Edit", nullptr);
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].action, "FindNext");
    EXPECT_EQ(calls[0].searchText, "beta_2");
    EXPECT_EQ(Stored(kFindHistorySubkey, "a"), "beta_2");
}

// Answers itself with Enter once up, after something has been tried while it is up.
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
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    int answer = 0;
    duringAction = [this, owner, &answer] {
        HWND dialogHandle = dialog.Handle();
        if (calls.back().action == "ReplaceOne") {
            AnsweredBox box([dialogHandle] { Click(dialogHandle, IDC_REPLACE_ALL); });
            answer = box.Show(owner, "Text not found", "Kestrel", MB_OK, nullptr,
                              kMessageTextColour, kMessageBackColour, kMessageShadowColour);
        } else {
            BusyWindow busy;
            busy.Show(dialogHandle, "Replacing...", true);
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
    EXPECT_EQ(answer, IDOK);
    // The click made while the box was up was not taken.
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].action, "ReplaceOne");
    EXPECT_EQ(calls[1].action, "ReplaceAll");
}

} // namespace
} // namespace kestrel
