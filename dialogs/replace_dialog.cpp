// The Replace dialog over the view.
#include "dialogs/replace_dialog.h"

#include <iterator>

#include "framework/window.h"
#include "platform/registry_store.h"
#include "resources/resource_ids.h"

namespace kestrel {

namespace {

// A combo box's field, read no further than the fields take.
std::string FieldText(HWND dialog, int comboId) {
    char text[kSearchTextLimit + 1] = "";
    GetDlgItemTextA(dialog, comboId, text, static_cast<int>(std::size(text)));
    return text;
}

// Clears the flag it is given when it goes, so an action that throws does not leave the dialog
// refusing every button.
class ActingScope {
public:
    explicit ActingScope(bool& acting) : acting_(acting) { acting_ = true; }
    ActingScope(const ActingScope&) = delete;
    ActingScope& operator=(const ActingScope&) = delete;
    ~ActingScope() { acting_ = false; }

private:
    bool& acting_;
};

} // namespace

void ReplaceDialog::Run(HWND owner) { RunModal(owner, IDD_REPLACE); }

INT_PTR ReplaceDialog::OnInitDialog() {
    LoadFindHistory(findHistory_);
    LoadFindHistory(replaceHistory_, kReplaceHistorySubkey);
    find_.WordAtCaret();
    ShowHistory(IDC_FIND_TEXT, findHistory_, find_.SearchText());
    ShowHistory(IDC_REPLACE_TEXT, replaceHistory_, replacement_.substr(0, kSearchTextLimit));
    // The replacement is kept to the search text's length: both are stored in histories of the
    // same form, which would cut a longer one.
    SendDlgItemMessageA(hwnd_, IDC_FIND_TEXT, CB_LIMITTEXT, kSearchTextLimit, 0);
    SendDlgItemMessageA(hwnd_, IDC_REPLACE_TEXT, CB_LIMITTEXT, kSearchTextLimit, 0);
    CheckDlgButton(hwnd_, IDC_MATCH_CASE, find_.MatchCase() ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(hwnd_, IDC_DIRECTION_DOWN, IDC_DIRECTION_UP,
                     find_.SearchUp() ? IDC_DIRECTION_UP : IDC_DIRECTION_DOWN);
    CentreWindow(hwnd_);
    // The offered text is selected, so typing replaces it.
    SetFocus(GetDlgItem(hwnd_, IDC_FIND_TEXT));
    SendDlgItemMessageA(hwnd_, IDC_FIND_TEXT, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return FALSE;
}

void ReplaceDialog::ShowHistory(int comboId, const FindHistory& history,
                                const std::string& text) {
    HWND combo = GetDlgItem(hwnd_, comboId);
    // Emptying the list empties the field as well, so the text goes back in afterwards.
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const FindHistoryEntry& entry : history.Entries()) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    }
    SetWindowTextA(combo, text.c_str());
}

void ReplaceDialog::TakeFields() {
    const std::string findText = FieldText(hwnd_, IDC_FIND_TEXT);
    replacement_ = FieldText(hwnd_, IDC_REPLACE_TEXT);
    find_.SetSearchText(findText);
    find_.SetMatchCase(IsDlgButtonChecked(hwnd_, IDC_MATCH_CASE) == BST_CHECKED);
    find_.SetSearchUp(IsDlgButtonChecked(hwnd_, IDC_DIRECTION_UP) == BST_CHECKED);
    // Neither history records an empty text.
    CommitFindHistory(findHistory_, findText);
    CommitFindHistory(replaceHistory_, replacement_, kReplaceHistorySubkey);
    ShowHistory(IDC_FIND_TEXT, findHistory_, findText);
    ShowHistory(IDC_REPLACE_TEXT, replaceHistory_, replacement_);
}

void ReplaceDialog::Act(void (ReplaceActions::*action)()) {
    TakeFields();
    // When a message box of the action's goes, the activation comes back to this dialog (the
    // box's owner, or the first enabled window under it) and the dialog manager gives the focus
    // back to the control that had it: the keyboard needs no help afterwards.
    ActingScope scope(acting_);
    (actions_.*action)();
}

void ReplaceDialog::OnCommand(WPARAM w, LPARAM) {
    if (acting_) {
        // An action is running and a message box of its own is pumping messages. Under a box
        // owned by the main window this dialog stays enabled, and a second action would start
        // half-way through the first.
        return;
    }
    switch (LOWORD(w)) {
    case IDOK: // "Find next", the default button
        Act(&ReplaceActions::FindNext);
        break;
    case IDC_REPLACE:
        Act(&ReplaceActions::ReplaceOne);
        break;
    case IDC_REPLACE_ALL:
        Act(&ReplaceActions::ReplaceAll);
        break;
    case IDCANCEL:
        EndDialog(hwnd_, 0);
        break;
    default:
        break;
    }
}

} // namespace kestrel
