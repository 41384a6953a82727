// The Find dialog over the view.
#include "dialogs/find_dialog.h"

#include <iterator>

#include "framework/window.h"
#include "resources/resource_ids.h"
#include "platform/registry_store.h"

namespace kestrel {

bool FindDialog::Run(HWND owner) { return RunModal(owner, IDD_FIND) == 1; }

INT_PTR FindDialog::OnInitDialog() {
    HWND combo = GetDlgItem(hwnd_, IDC_FIND_TEXT);
    LoadFindHistory(history_);
    for (const FindHistoryEntry& entry : history_.Entries()) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    }
    SendMessageA(combo, CB_LIMITTEXT, kSearchTextLimit, 0);
    CheckDlgButton(hwnd_, IDC_MATCH_CASE, find_.MatchCase() ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(hwnd_, IDC_DIRECTION_DOWN, IDC_DIRECTION_UP,
                     find_.SearchUp() ? IDC_DIRECTION_UP : IDC_DIRECTION_DOWN);
    find_.WordAtCaret();
    SetWindowTextA(combo, find_.SearchText().c_str());
    CentreWindow(hwnd_);
    // The offered text is selected, so typing replaces it.
    SetFocus(combo);
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return FALSE;
}

void FindDialog::Confirm() {
    char text[kSearchTextLimit + 1] = "";
    GetDlgItemTextA(hwnd_, IDC_FIND_TEXT, text, static_cast<int>(std::size(text)));
    CommitFindHistory(history_, text);
    find_.SetSearchText(text);
    find_.SetMatchCase(IsDlgButtonChecked(hwnd_, IDC_MATCH_CASE) == BST_CHECKED);
    find_.SetSearchUp(IsDlgButtonChecked(hwnd_, IDC_DIRECTION_UP) == BST_CHECKED);
    EndDialog(hwnd_, 1);
}

void FindDialog::OnCommand(WPARAM w, LPARAM) {
    switch (LOWORD(w)) {
    case IDOK:
        Confirm();
        break;
    case IDCANCEL:
        EndDialog(hwnd_, 0);
        break;
    default:
        break;
    }
}

} // namespace kestrel
