// The special-character list: filled at opening, owner-drawn, read back on OK.
#include "dialogs/character_choice_dialog.h"

#include <cstdio>

#include "framework/handles.h"
#include "framework/window.h"
#include "resources/resource_ids.h"

namespace kestrel {

namespace {

constexpr int kTextIndent = 6; // pixels from the list's left edge

} // namespace

HWND CharacterChoiceDialog::List() const { return GetDlgItem(hwnd_, IDC_SPECIAL_LIST); }

INT_PTR CharacterChoiceDialog::OnInitDialog() {
    CentreWindow(hwnd_);
    HWND list = List();
    // The list asked for its item height before this object was bound to the dialog: set it
    // now from the font the items are drawn in.
    WindowDc dc(list);
    HGDIOBJ previous = SelectObject(dc.Get(), font_);
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc.Get(), &metrics)) {
        SendMessageA(list, LB_SETITEMHEIGHT, 0, metrics.tmHeight + metrics.tmExternalLeading);
    }
    SelectObject(dc.Get(), previous);
    // "065  A": the leading zeros keep the sorted list in code order.
    for (int code = 1; code <= 255; ++code) {
        char item[8];
        std::snprintf(item, sizeof item, "%03d  %c", code, static_cast<char>(code));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(chosen_ - 1), 0);
    return 1;
}

void CharacterChoiceDialog::OnPaint() { SetFocus(List()); }

void CharacterChoiceDialog::OnDrawItem(WPARAM, LPARAM l) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
    if (item->itemID == static_cast<UINT>(-1) ||
        (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0) {
        return; // a focus change draws nothing
    }
    char text[16] = "";
    if (SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0) <
        static_cast<LRESULT>(sizeof text)) {
        SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(text));
    }
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const int saved = SaveDC(item->hDC);
    BrushObject background(CreateSolidBrush(selected ? RGB(255, 0, 0) : RGB(255, 255, 255)));
    FillRect(item->hDC, &item->rcItem, background.Get());
    SetTextColor(item->hDC, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    SetBkMode(item->hDC, TRANSPARENT);
    SelectObject(item->hDC, font_);
    TextOutA(item->hDC, item->rcItem.left + kTextIndent, item->rcItem.top, text,
             static_cast<int>(strnlen(text, sizeof text)));
    RestoreDC(item->hDC, saved);
}

void CharacterChoiceDialog::OnCommand(WPARAM w, LPARAM) {
    switch (LOWORD(w)) {
    case IDOK: {
        const LRESULT selection = SendMessageA(List(), LB_GETCURSEL, 0, 0);
        chosen_ = selection == LB_ERR ? 0 : static_cast<int>(selection) + 1;
        EndDialog(hwnd_, IDOK);
        break;
    }
    case IDCANCEL:
        EndDialog(hwnd_, IDCANCEL);
        break;
    default:
        break;
    }
}

} // namespace kestrel
