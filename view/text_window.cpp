// The text window: off-screen rendering, scroll bars, wheel, keys and the caret cell.
#include "view/text_window.h"

#include "commands/built_in_scroll_keys.h"
#include "keys/key_sequence.h"

namespace kestrel {

namespace {

bool classRegistered = false;

ScrollCode ToScrollCode(int code) { return static_cast<ScrollCode>(code); }

} // namespace

TextWindow::TextWindow() {
    style_ = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL;
    SetKeyTable(BuiltInScrollKeys().data(), BuiltInScrollKeys().size());
}

TextWindow::~TextWindow() = default;

void TextWindow::Initialise(const char* caption, int marginCursorId) {
    caption_ = caption != nullptr ? caption : "";
    marginCursorId_ = marginCursorId;
    SetKeyTable(BuiltInScrollKeys().data(), BuiltInScrollKeys().size());
}

bool TextWindow::RegisterWindowClass() {
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = ProgramInstance();
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = "TextWndClass";
    return RegisterOnce(windowClass, classRegistered);
}

bool TextWindow::Create(HWND parent, HMENU menuOrId, const char* text, int x, int y, int width,
                        int height) {
    if (!CreateChild("TextWndClass", parent, menuOrId, text, x, y, width, height)) {
        return false;
    }
    marginCursor_ = LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(marginCursorId_));
    ibeamCursor_ = LoadCursorA(nullptr, IDC_IBEAM);
    return true;
}

bool TextWindow::OnCreate() {
    if (!surface_.Create(Handle())) {
        return false;
    }
    scrollBars_[0] = scrollBars_[1] = ScrollBarValues{};
    painted_ = false;
    ApplyFont(nullptr);
    SetTextColour(GetSysColor(COLOR_WINDOWTEXT));
    SetBackgroundColour(GetSysColor(COLOR_WINDOW));
    SetSelectedColours(GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT));
    view_.SetBlock({}, {});
    view_.SetTabSize(kInitialTabSize);
    // The bar shows the view's range from the first paint on, instead of the system's 0..100:
    // a one-line document (the usual first load) then finds it already right and costs no
    // redraw of the bar.
    ApplyVerticalRange();
    return true;
}

void TextWindow::OnDisplayChange() {
    if (!surface_.Remake(Handle())) {
        return;
    }
    view_.UpdateLayout();
    Repaint();
}

void TextWindow::OnDestroy() { surface_.Destroy(); }

void TextWindow::ApplyFont(HFONT font) {
    if (surface_.Dc() == nullptr) {
        surface_.TakeFont(font); // deletes it
        return;
    }
    const TEXTMETRICA metrics = surface_.TakeFont(font);
    view_.SetFontMetrics(metrics.tmAveCharWidth, metrics.tmHeight + metrics.tmExternalLeading);
    // The font's own stand-in for a missing character marks a NUL byte, unless it is blank.
    const char fallback = static_cast<char>(metrics.tmDefaultChar);
    view_.SetNulCell(static_cast<unsigned char>(fallback) > ' ' ? fallback : '?');
}

void TextWindow::SetBackgroundColour(COLORREF colour) { surface_.SetBackgroundColour(colour); }
void TextWindow::SetTextColour(COLORREF colour) { surface_.SetTextColour(colour); }
void TextWindow::SetSelectedColours(COLORREF text, COLORREF background) {
    surface_.SetSelectedColours(text, background);
}

void TextWindow::SetHorizontalBarHidden(bool hidden) {
    view_.SetHorizontalBarHidden(hidden);
    UpdateLayout();
}

void TextWindow::UpdateLayout() {
    view_.UpdateLayout();
    if (Handle() == nullptr) {
        return;
    }
    SetScrollBar(SB_HORZ, view_.HorizontalScrollMax(), view_.HorizontalOffset());
}

void TextWindow::ApplyVerticalRange() {
    if (Handle() == nullptr) {
        return;
    }
    SetScrollBar(SB_VERT, view_.VerticalMax(), view_.TopLine());
}

void TextWindow::SetScrollBar(int bar, int max, int position) {
    ScrollBarValues& values = scrollBars_[bar == SB_VERT ? 1 : 0];
    if (Handle() == nullptr || (values.max == max && values.position == position)) {
        return;
    }
    // Range and position in one call: one redraw.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = max;
    info.nPos = position;
    SetScrollInfo(Handle(), bar, &info, painted_);
    values.max = max;
    values.position = position;
}

void TextWindow::SetScrollBarPosition(int bar, int position) {
    ScrollBarValues& values = scrollBars_[bar == SB_VERT ? 1 : 0];
    if (Handle() == nullptr || values.position == position) {
        return;
    }
    SetScrollPos(Handle(), bar, position, painted_);
    values.position = position;
}

void TextWindow::SetKeyTable(const KeyBinding* bindings, std::size_t count) {
    keys_ = bindings;
    keyCount_ = bindings != nullptr ? count : 0;
}

void TextWindow::OnSize(WPARAM, LPARAM l) {
    view_.SetClientSize(LOWORD(l), HIWORD(l));
    UpdateLayout();
    Repaint();
}

void TextWindow::Repaint() {
    if (!view_.BeginRepaint() || surface_.Dc() == nullptr) {
        return;
    }
    plan_.Build(view_, *this);
    surface_.Draw(plan_, view_.ClientWidth(), view_.ClientHeight());
    Present();
}

void TextWindow::Present() {
    if (!painted_) {
        return; // the window's first paint copies the whole surface
    }
    WindowDc screen(Handle());
    HideCaret(Handle());
    surface_.CopyTo(screen.Get(), 0, 0, view_.ClientWidth(), view_.ClientHeight());
    ShowCaret(Handle());
}

void TextWindow::OnPaint() {
    painted_ = true;
    PaintScope paint(Handle());
    const RECT& damaged = paint.Damaged();
    if (surface_.Dc() != nullptr) {
        surface_.CopyTo(paint.Dc(), damaged.left, damaged.top, damaged.right - damaged.left,
                        damaged.bottom - damaged.top);
    }
}

void TextWindow::ResumePainting() {
    if (view_.ResumePainting()) {
        Repaint();
    }
}

void TextWindow::Host::SetVerticalScrollPosition(std::int32_t position) {
    window_.SetScrollBarPosition(SB_VERT, position);
}

void TextWindow::Host::SetHorizontalScrollPosition(std::int32_t position) {
    window_.SetScrollBarPosition(SB_HORZ, position);
}

void TextWindow::ScrollVertical(int code, int position) {
    view_.ScrollVertical(ToScrollCode(code), position, host_);
}

void TextWindow::ScrollHorizontal(int code, int position) {
    view_.ScrollHorizontal(ToScrollCode(code), position, host_);
}

void TextWindow::OnVScroll(WPARAM w, LPARAM) {
    int code = LOWORD(w);
    int position = HIWORD(w);
    if (code == SB_THUMBTRACK) {
        // The 32-bit tracking position, since the message carries only 16 bits.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(Handle(), SB_VERT, &info)) {
            position = info.nTrackPos;
        }
    }
    ScrollVertical(code, position);
}

void TextWindow::OnHScroll(WPARAM w, LPARAM) { ScrollHorizontal(LOWORD(w), HIWORD(w)); }

void TextWindow::OnMouseWheel(WPARAM w, LPARAM) {
    view_.Wheel(static_cast<short>(HIWORD(w)), host_);
}

void TextWindow::ScrollLineUp() { SendMessageA(Handle(), WM_VSCROLL, SB_LINEUP, 0); }
void TextWindow::ScrollLineDown() { SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0); }
void TextWindow::ScrollPageUp() { SendMessageA(Handle(), WM_VSCROLL, SB_PAGEUP, 0); }
void TextWindow::ScrollPageDown() { SendMessageA(Handle(), WM_VSCROLL, SB_PAGEDOWN, 0); }
void TextWindow::ScrollToTop() { SendMessageA(Handle(), WM_VSCROLL, SB_TOP, 0); }
void TextWindow::ScrollToBottom() { SendMessageA(Handle(), WM_VSCROLL, SB_BOTTOM, 0); }

void TextWindow::HandleKeyDown(WPARAM w) {
    std::optional<KeyCode> key = modifiers_.KeyDown(static_cast<std::uint32_t>(w) & 0xFFFF);
    sysCharTaken_ = false;
    if (!key) {
        return;
    }
    KeyLookup lookup = KeySequence::Shared().Press(*key, keys_, keyCount_);
    // A key with Alt that a binding took must not also reach the menu as a mnemonic (or beep
    // when no item has it): its system character is swallowed.
    sysCharTaken_ = key->Alt() && lookup.outcome != KeyOutcome::Dropped;
    if (lookup.outcome == KeyOutcome::Fired) {
        OnBindingFired(keys_[lookup.row]);
    }
}

void TextWindow::OnLButtonDown(WPARAM, LPARAM l) {
    mouse_.ButtonDown(GET_X_LPARAM(l), GET_Y_LPARAM(l));
}

void TextWindow::OnMouseMove(WPARAM, LPARAM l) { mouse_.Move(GET_X_LPARAM(l), GET_Y_LPARAM(l)); }
void TextWindow::OnLButtonUp(WPARAM, LPARAM) { mouse_.EndDrag(); }
void TextWindow::OnTimer(UINT_PTR timerId) { mouse_.Tick(timerId); }

void TextWindow::OnKeyDown(WPARAM w, LPARAM) { HandleKeyDown(w); }
void TextWindow::OnSysKeyDown(WPARAM w, LPARAM) { HandleKeyDown(w); }
void TextWindow::OnKeyUp(WPARAM w, LPARAM) { modifiers_.KeyUp(static_cast<std::uint32_t>(w)); }
void TextWindow::OnSysKeyUp(WPARAM w, LPARAM) { modifiers_.KeyUp(static_cast<std::uint32_t>(w)); }

void TextWindow::OnSetFocus() { modifiers_.SaveAndClear(); }
void TextWindow::OnKillFocus() { modifiers_.SaveAndClear(); }

bool TextWindow::OnOtherMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_CAPTURECHANGED) {
        // Another window took the mouse mid-drag: the drag ends as if the button came up.
        mouse_.EndDrag();
        return true;
    }
    if (message == WM_DISPLAYCHANGE) {
        OnDisplayChange();
        return true;
    }
    if (message == WM_SYSCHAR && sysCharTaken_) {
        sysCharTaken_ = false;
        return true;
    }
    if (message == WM_SETCURSOR && LOWORD(l) == HTCLIENT) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(Handle(), &point);
        HCURSOR cursor = point.x < view_.LeftMargin() && marginCursor_ != nullptr
                             ? marginCursor_
                             : ibeamCursor_;
        SetCursor(cursor);
        return true;
    }
    return Window::OnOtherMessage(message, w, l);
}

void TextWindow::LoadCurrentLine() {}

int TextWindow::StoreCurrentLine() { return 0; }

void TextWindow::PlaceCaret() {
    PixelPoint caret = view_.CaretPosition();
    SetCaretPos(caret.x, caret.y);
}

void TextWindow::OnBindingFired(const KeyBinding& binding) {
    const ScrollCode code = BuiltInScrollCode(binding.command);
    SendMessageA(Handle(), WM_VSCROLL, static_cast<WPARAM>(code), 0);
}

} // namespace kestrel
