// Paints the File Info lines on the button-face colour, one line height apart.
#include "dialogs/file_info_dialog.h"

#include "framework/handles.h"
#include "framework/window.h"
#include "resources/resource_ids.h"

namespace kestrel {

namespace {
constexpr int kTextX = 10;
}

void FileInfoDialog::Run(HWND owner, FileInfoFacts facts) {
    lines_ = FileInfoLines(facts);
    RunModal(owner, IDD_FILE_INFO);
}

INT_PTR FileInfoDialog::OnInitDialog() {
    CentreWindow(Handle());
    WindowDc dc(Handle());
    auto font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    SelectGuard select(dc.Get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    return 1;
}

void FileInfoDialog::OnCommand(WPARAM w, LPARAM) {
    if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        EndDialog(Handle(), LOWORD(w));
    }
}

void FileInfoDialog::OnPaint() {
    PaintScope paint(Handle());
    HDC dc = paint.Dc();
    auto font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    SelectGuard select(dc, font);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int y = 0;
    for (const std::string& line : lines_) {
        TextOutA(dc, kTextX, y, line.c_str(), static_cast<int>(line.size()));
        y += lineHeight_;
    }
}

} // namespace kestrel
