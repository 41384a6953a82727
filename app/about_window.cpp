// The About box's shape, painting and link.
#include "app/about_window.h"

#include <algorithm>
#include <string>

#include "framework/win32.h"

#include "framework/handles.h"
#include "platform/on_demand_calls.h"
#include "resources/resource_ids.h"
#include "shell/message_layout.h"

namespace kestrel {

namespace {

constexpr char kAboutText[] = "Kestrel - Version 1.47\nFreeware by Hobart Freeware";
constexpr COLORREF kLinkColour = RGB(0, 0, 128);
constexpr COLORREF kOutlineColour = RGB(255, 0, 0);
constexpr int kIconSize = 32;
constexpr int kIconTop = 18;

int TextWidth(HDC dc, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

int AboutWindow::ShowAbout(HWND owner) {
    return Show(owner, kAboutText, kMakerSite, 0, MAKEINTRESOURCEA(IDI_KESTREL),
                kMessageTextColour, kMessageBackColour, kMessageShadowColour);
}

std::string_view AboutWindow::LinkText() const {
    return Caption() != nullptr ? std::string_view(Caption()) : std::string_view();
}

bool AboutWindow::CreateBoxWindow() {
    int widest = 0;
    OwnedDc info(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    if (info.Get() != nullptr) {
        for (std::string_view line : SplitMessageLines(Text())) {
            widest = std::max(widest, TextWidth(info.Get(), line));
        }
    }
    int width = widest + 4 * MaxCharWidth();
    // Two more lines hold the link and the empty line above it.
    int height = (LineCount() + (LinkText().empty() ? 8 : 10)) * LineHeight();
    linkCreated_ = false;
    style_ = WS_POPUP | WS_VISIBLE;
    return CreateChild("CMSGCLASS", Owner(), nullptr, "", 0, 0, width, height);
}

bool AboutWindow::CreateButtons() {
    RECT client;
    GetClientRect(Handle(), &client);
    width_ = client.right - client.left + 1;
    height_ = client.bottom - client.top + 1;
    // The system owns the region from here on.
    SetWindowRgn(Handle(), CreateEllipticRgn(0, 0, width_, height_), FALSE);
    SetWindowPos(Handle(), nullptr, 0, 0, width_, height_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Style 0 gives the one "&Ok" button with result 1; it only needs its own place.
    bool created = MessageWindow::CreateButtons();
    if (HWND ok = ButtonHandle(0)) {
        MoveWindow(ok, client.right / 2 - 30, client.bottom - 3 * LineHeight(), 60, 30, FALSE);
    }
    return created;
}

void AboutWindow::OnPaint() {
    PaintScope paint(Handle());
    HDC dc = paint.Dc();
    {
        BrushObject back(CreateSolidBrush(BackColour()));
        PenObject outline(CreatePen(PS_SOLID, 3, kOutlineColour));
        SelectGuard brush(dc, back.Get());
        SelectGuard pen(dc, outline.Get());
        Ellipse(dc, 1, 1, width_ - 2, height_ - 2);
    }
    if (Icon() != nullptr) {
        DrawIcon(dc, width_ / 2 - kIconSize / 2, kIconTop, Icon());
    }
    DrawTextLines(dc, 0, width_, 2 * LineHeight() + kIconSize);
    if (!LinkText().empty() && !linkCreated_) {
        CreateLink(dc);
    }
}

void AboutWindow::CreateLink(HDC dc) {
    if (!linkFont_.IsMade()) {
        // Made once for the whole run: every later showing reuses it.
        LOGFONTA& description = linkFont_.Description();
        description.lfUnderline = TRUE;
        description.lfCharSet = ANSI_CHARSET;
        linkFont_.SetColour(kLinkColour);
        if (!linkFont_.Make(dc, "MS Sans Serif", 12)) {
            return;
        }
    }
    std::string_view link = LinkText();
    SIZE size{};
    {
        SelectGuard font(dc, linkFont_.Font());
        GetTextExtentPoint32A(dc, link.data(), static_cast<int>(link.size()), &size);
    }
    int top = 2 * LineHeight() + kIconSize + (LineCount() + 1) * LineHeight();
    int left = width_ / 2 - size.cx / 2;
    linkRect_ = {left, top, left + size.cx, top + size.cy};
    linkButton_.SetStyle(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
    linkCreated_ = linkButton_.Create(Handle(), 0, "", left, top, size.cx, size.cy);
}

void AboutWindow::OnDrawItem(WPARAM, LPARAM l) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    if (linkButton_.Handle() == nullptr || item == nullptr ||
        item->hwndItem != linkButton_.Handle()) {
        return;
    }
    std::string_view link = LinkText();
    HGDIOBJ old = linkFont_.Select(item->hDC);
    SetBkColor(item->hDC, BackColour());
    SetBkMode(item->hDC, OPAQUE);
    TextOutA(item->hDC, 0, 0, link.data(), static_cast<int>(link.size()));
    SelectObject(item->hDC, old);
}

void AboutWindow::OnOtherButton(int, LPARAM control) {
    if (linkButton_.Handle() == nullptr ||
        reinterpret_cast<HWND>(control) != linkButton_.Handle()) {
        return;
    }
    // No browser or no network is not the box's concern: the result is not looked at.
    OpenWithShell(Owner(), std::string(LinkText()).c_str(), SW_SHOWNORMAL);
    HWND ok = ButtonHandle(0);
    if (ok != nullptr) {
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED),
                     reinterpret_cast<LPARAM>(ok));
    }
}

} // namespace kestrel
