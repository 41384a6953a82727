// The Go to Line dialog over the view.
#include "dialogs/goto_line_dialog.h"

#include <iterator>
#include <string>

#include "framework/handles.h"
#include "framework/window.h"
#include "resources/resource_ids.h"

namespace kestrel {

void GotoLineDialog::Run(HWND owner, std::int32_t lineCount) {
    lineCount_ = lineCount;
    RunModal(owner, IDD_GOTO_LINE);
}

INT_PTR GotoLineDialog::OnInitDialog() {
    CentreWindow(hwnd_);
    SendDlgItemMessageA(hwnd_, IDC_LINE_NUMBER, EM_LIMITTEXT, kLineNumberFieldLimit, 0);
    return TRUE;
}

void GotoLineDialog::OnPaint() {
    PaintScope paint(hwnd_);
    // The band from the top of the client area down to twice the OK button's height.
    RECT band{};
    GetClientRect(hwnd_, &band);
    RECT button{};
    GetWindowRect(GetDlgItem(hwnd_, IDOK), &button);
    band.bottom = band.top + 2 * (button.bottom - button.top);
    const std::string text = ValidLineNumbersText(lineCount_);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    SelectGuard select(paint.Dc(), font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkColor(paint.Dc(), GetSysColor(COLOR_BTNFACE));
    SetTextColor(paint.Dc(), GetSysColor(COLOR_BTNTEXT));
    DrawTextA(paint.Dc(), text.c_str(), static_cast<int>(text.size()), &band,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void GotoLineDialog::OnCommand(WPARAM w, LPARAM) {
    switch (LOWORD(w)) {
    case IDOK: {
        char field[kLineNumberFieldLimit + 1] = "";
        GetDlgItemTextA(hwnd_, IDC_LINE_NUMBER, field, static_cast<int>(std::size(field)));
        EndDialog(hwnd_, 1);
        find_.GoToLine(field);
        break;
    }
    case IDCANCEL:
        EndDialog(hwnd_, 0);
        break;
    default:
        break;
    }
}

} // namespace kestrel
