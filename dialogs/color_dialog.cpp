// The colour dialog: a track bar position is a palette index.
#include "dialogs/color_dialog.h"

#include <iterator>

#include <commctrl.h>

#include "framework/handles.h"
#include "framework/window.h"
#include "resources/resource_ids.h"
#include "settings/colour_palette.h"

namespace kestrel {

namespace {

constexpr int kSampleX = 6;
constexpr int kSampleTop = 110;
constexpr char kSample[] = "The quick brown fox jumped over the lazy dog.";

// Sets up one track bar over the palette, at the index of `colour` or at 0 when it is not there;
// the colour itself stays until the bar moves.
void PlaceBar(HWND dialog, int id, COLORREF colour) {
    HWND bar = GetDlgItem(dialog, id);
    SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, ColourPalette::kLastIndex));
    SendMessageA(bar, TBM_SETPAGESIZE, 0, 1);
    std::int32_t index = ColourPalette::IndexOf(colour);
    SendMessageA(bar, TBM_SETPOS, TRUE, index < 0 ? 0 : index);
}

} // namespace

bool ColorDialog::Run(HWND owner, COLORREF& foreground, COLORREF& background) {
    foreground_ = foreground;
    background_ = background;
    if (RunModal(owner, IDD_COLOURS) != IDOK) {
        return false;
    }
    foreground = foreground_;
    background = background_;
    return true;
}

INT_PTR ColorDialog::OnInitDialog() {
    CentreWindow(Handle());
    PlaceBar(Handle(), IDC_FOREGROUND, foreground_);
    PlaceBar(Handle(), IDC_BACKGROUND, background_);
    return 1;
}

void ColorDialog::OnCommand(WPARAM w, LPARAM) {
    if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        EndDialog(Handle(), LOWORD(w));
    }
}

void ColorDialog::OnHScroll(WPARAM, LPARAM l) {
    auto bar = reinterpret_cast<HWND>(l);
    if (bar == nullptr) {
        return;
    }
    auto index = static_cast<std::int32_t>(SendMessageA(bar, TBM_GETPOS, 0, 0));
    COLORREF colour = ColourPalette::At(index);
    if (GetDlgCtrlID(bar) == IDC_FOREGROUND) {
        foreground_ = colour;
    } else if (GetDlgCtrlID(bar) == IDC_BACKGROUND) {
        background_ = colour;
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ColorDialog::OnPaint() {
    PaintScope paint(Handle());
    HDC dc = paint.Dc();
    auto font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    SelectGuard select(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    if (lineHeight <= 0) {
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    SetTextColor(dc, foreground_);
    SetBkColor(dc, background_);
    SetBkMode(dc, OPAQUE);
    for (int y = kSampleTop; y < client.bottom; y += lineHeight) {
        TextOutA(dc, kSampleX, y, kSample, static_cast<int>(std::size(kSample) - 1));
    }
}

} // namespace kestrel
