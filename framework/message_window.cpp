// The modal message box: measuring, button layout, the buttons' keys, painting and the loop.
#include "framework/message_window.h"

#include <algorithm>
#include <vector>

#include "framework/handles.h"
#include "shell/message_layout.h"

namespace kestrel {

namespace {

// Only one box is up at a time, so its buttons and their key state are shared.
struct SharedButtons {
    Button buttons[kMaxMessageButtons];
    int count = 0;
    int focused = 0;
    WNDPROC standardProc = nullptr;
};

SharedButtons& Shared() {
    static SharedButtons shared;
    return shared;
}

bool classRegistered = false;

const char* SystemIconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return IDI_HAND;
    case MessageIcon::Question:
        return IDI_QUESTION;
    case MessageIcon::Exclamation:
        return IDI_EXCLAMATION;
    case MessageIcon::Information:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}

int TextWidth(HDC dc, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

MessageWindow::MessageWindow() { RegisterWindowClass(); }

bool MessageWindow::RegisterWindowClass() {
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "CMSGCLASS";
    return RegisterOnce(windowClass, classRegistered);
}

int MessageWindow::ButtonCount() { return Shared().count; }

HWND MessageWindow::ButtonHandle(int index) {
    return index >= 0 && index < Shared().count ? Shared().buttons[index].Handle() : nullptr;
}

int MessageWindow::FocusedIndex() { return Shared().focused; }

int MessageWindow::Show(HWND owner, const char* text, const char* caption, UINT style,
                        const char* iconName, COLORREF textColour, COLORREF backColour,
                        COLORREF shadowColour) {
    if (Handle() != nullptr || running_) {
        return 0; // a box is already up; one at a time
    }
    owner_ = owner;
    boxStyle_ = style;
    textColour_ = textColour;
    backColour_ = backColour;
    highlightColour_ = RGB(255, 255, 255);
    shadowColour_ = shadowColour;
    caption_ = caption != nullptr ? caption : "";
    running_ = true;
    result_ = 0;
    std::string_view given = text != nullptr ? text : "";
    try {
        text_.assign(given);
    } catch (...) {
        text_ = "Out of memory";
    }

    OwnedDc info(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    TEXTMETRICA metrics{};
    if (info.Get() == nullptr || !GetTextMetricsA(info.Get(), &metrics)) {
        running_ = false;
        return 0;
    }
    maxCharWidth_ = metrics.tmMaxCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;

    std::vector<std::string_view> lines = SplitMessageLines(given);
    lineCount_ = static_cast<int>(lines.size());
    maxLineWidth_ = 0;
    for (std::string_view line : lines) {
        maxLineWidth_ = std::max(maxLineWidth_, TextWidth(info.Get(), line));
    }

    const char* systemIcon = SystemIconName(IconFromStyle(style));
    icon_ = systemIcon != nullptr ? LoadIconA(nullptr, systemIcon)
            : iconName != nullptr ? LoadIconA(ProgramInstance(), iconName)
                                  : nullptr;
    MessageBoxSize size = MeasureMessageBox(style, icon_ != nullptr, maxLineWidth_,
                                            TextWidth(info.Get(), caption_), maxCharWidth_,
                                            lineHeight_);
    maxLineWidth_ = size.maxLineWidth;
    boxWidth_ = size.boxWidth;
    textLeft_ = size.textLeft;
    info.Reset();

    CreateBoxWindow();
    if (Handle() == nullptr) {
        // Nothing can ever close a box that does not exist.
        running_ = false;
        return 0;
    }
    AfterCreate();
    if (owner_ != nullptr) {
        // The whole top-level window goes quiet, menu and all, so that no command can start
        // inside this loop while the operation that asked is still half-way. One that was
        // disabled already is left for whoever disabled it to enable again.
        disabledRoot_ = GetAncestor(owner_, GA_ROOT);
        if (disabledRoot_ != nullptr && EnableWindow(disabledRoot_, FALSE)) {
            disabledRoot_ = nullptr;
        }
    } else {
        // A box without an owner (a start-up message) is the program's only window: it must
        // take the keyboard, or its keys would go to whatever was active before.
        SetForegroundWindow(Handle());
    }
    while (running_ && Handle() != nullptr) {
        if (PumpPendingMessages()) {
            break; // the program is quitting: the quit message stays for the outer loop
        }
        if (running_ && Handle() != nullptr) {
            WaitMessage();
        }
    }
    running_ = false;
    CloseBox();
    return result_;
}

bool MessageWindow::CreateBoxWindow() {
    textRect_ = {textLeft_, lineHeight_, boxWidth_, lineHeight_ * (lineCount_ + 1) + 8};
    style_ = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    int width = boxWidth_ + 16;
    int height = MessageBoxHeight(lineCount_, lineHeight_);
    RECT ownerClient{0, 0, 0, 0};
    if (owner_ != nullptr) {
        GetClientRect(owner_, &ownerClient);
        MapWindowPoints(owner_, nullptr, reinterpret_cast<POINT*>(&ownerClient), 2);
    }
    int x = ownerClient.left + (ownerClient.right - ownerClient.left) / 2 - width / 2;
    int y = ownerClient.top + (ownerClient.bottom - ownerClient.top) / 2 - height / 2;
    return CreateChild("CMSGCLASS", owner_, nullptr, caption_, x, y, width, height);
}

void MessageWindow::AfterCreate() {}

void MessageWindow::OnOtherButton(int, LPARAM) {}

bool MessageWindow::CreateButtons() {
    RECT client;
    GetClientRect(Handle(), &client);
    std::vector<MessageButton> layout = LayoutMessageButtons(boxStyle_, client.right);
    SharedButtons& shared = Shared();
    shared.count = static_cast<int>(layout.size());
    int y = client.bottom - 2 * lineHeight_;
    bool created = false;
    for (int i = 0; i < shared.count; ++i) {
        // Each showing binds the shared wrappers to fresh windows with fresh ids.
        created = shared.buttons[i].Create(Handle(), 0, layout[i].text, layout[i].left, y,
                                kMessageButtonWidth, kMessageButtonHeight);
        buttonResults_[i] = layout[i].result;
    }
    return created;
}

bool MessageWindow::OnCreate() {
    CreateButtons();
    SharedButtons& shared = Shared();
    shared.focused = InitialFocusIndex(boxStyle_, shared.count);
    if (shared.count > 0 && shared.buttons[0].Handle() != nullptr) {
        shared.standardProc = reinterpret_cast<WNDPROC>(
            GetWindowLongPtrA(shared.buttons[0].Handle(), GWLP_WNDPROC));
        for (int i = 0; i < shared.count; ++i) {
            if (shared.buttons[i].Handle() != nullptr) {
                SetWindowLongPtrA(shared.buttons[i].Handle(), GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(&MessageWindow::ButtonKeyProc));
            }
        }
        SetFocus(shared.buttons[shared.focused].Handle());
    }
    CentreWindow(Handle());
    return true;
}

LRESULT CALLBACK MessageWindow::ButtonKeyProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    SharedButtons& shared = Shared();
    HWND focus = GetFocus();
    for (int i = 0; i < shared.count; ++i) {
        if (shared.buttons[i].Handle() == focus) {
            shared.focused = i;
        }
    }
    if (message == WM_KEYDOWN && shared.count > 0) {
        HWND box = GetParent(hwnd);
        auto command = [box](const Button& button) {
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(button.Id(), 0),
                         reinterpret_cast<LPARAM>(button.Handle()));
        };
        if (w == VK_TAB || w == VK_RIGHT) {
            shared.focused = (shared.focused + 1) % shared.count;
            SetFocus(shared.buttons[shared.focused].Handle());
        } else if (w == VK_LEFT) {
            shared.focused = (shared.focused + shared.count - 1) % shared.count;
            SetFocus(shared.buttons[shared.focused].Handle());
        } else if (w == VK_RETURN) {
            command(shared.buttons[shared.focused]);
        } else {
            for (int i = 0; i < shared.count; ++i) {
                char mnemonic = shared.buttons[i].Mnemonic();
                if (mnemonic != 0 && static_cast<WPARAM>(static_cast<unsigned char>(mnemonic)) == w) {
                    command(shared.buttons[i]);
                    break;
                }
            }
        }
    }
    if (shared.standardProc == nullptr) {
        return DefWindowProcA(hwnd, message, w, l);
    }
    return CallWindowProcA(shared.standardProc, hwnd, message, w, l);
}

void MessageWindow::OnCommand(WPARAM w, LPARAM l) {
    if (HIWORD(w) != 0) {
        return;
    }
    int id = LOWORD(w);
    SharedButtons& shared = Shared();
    bool ownButton = false;
    for (int i = 0; i < shared.count; ++i) {
        if (shared.buttons[i].Id() == id) {
            result_ = buttonResults_[i];
            ownButton = true;
        }
    }
    if (!ownButton) {
        OnOtherButton(id, l);
    }
    if (result_ != 0) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        running_ = false;
    }
}

void MessageWindow::OnClose() { CloseBox(); }

void MessageWindow::CloseBox() {
    if (Handle() == nullptr) {
        return;
    }
    // The owner comes back before the box goes, or activation jumps to another program.
    if (disabledRoot_ != nullptr) {
        EnableWindow(disabledRoot_, TRUE);
        disabledRoot_ = nullptr;
    }
    HWND box = Handle();
    Destroy();
    MSG stale;
    while (PeekMessageA(&stale, box, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {
    }
    Shared().count = 0;
    text_.clear();
}

void MessageWindow::OnLButtonDown(WPARAM, LPARAM) {
    // The whole face drags the box, as its caption would.
    ReleaseCapture();
    SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MessageWindow::OnSetFocus() {
    SharedButtons& shared = Shared();
    if (shared.focused < shared.count) {
        SetFocus(shared.buttons[shared.focused].Handle());
    }
}

void MessageWindow::DrawTextLines(HDC dc, int left, int right, int top) const {
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    SetBkMode(dc, OPAQUE);
    int y = top;
    for (std::string_view line : SplitMessageLines(text_)) {
        int x = left + (right - left - TextWidth(dc, line)) / 2;
        TextOutA(dc, x, y, line.data(), static_cast<int>(line.size()));
        y += lineHeight_;
    }
}

void MessageWindow::OnPaint() {
    PaintScope paint(Handle());
    HDC dc = paint.Dc();
    BrushObject back(CreateSolidBrush(backColour_));
    FillRect(dc, &paint.Damaged(), back.Get());
    if (icon_ != nullptr) {
        int iconY = textRect_.top + (textRect_.bottom - textRect_.top) / 2 - 16;
        DrawIcon(dc, 16, iconY, icon_);
        int left = textRect_.left;
        int top = textRect_.top;
        int right = left + (textRect_.right - textRect_.left);
        int bottom = top + (textRect_.bottom - textRect_.top);
        PenObject shadow(CreatePen(PS_SOLID, 1, shadowColour_));
        PenObject highlight(CreatePen(PS_SOLID, 1, highlightColour_));
        {
            SelectGuard select(dc, shadow.Get());
            MoveToEx(dc, left, bottom, nullptr);
            LineTo(dc, left, top);
            LineTo(dc, right, top);
        }
        SelectGuard select(dc, highlight.Get());
        LineTo(dc, right, bottom);
        LineTo(dc, left, bottom);
    }
    DrawTextLines(dc, textRect_.left, textRect_.right, textRect_.top + 3);
}

} // namespace kestrel
