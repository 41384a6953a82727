// The key recorder window: its controls, buttons, key recording and closing.
#include "app/key_recorder.h"

#include <string>
#include <utility>

#include "framework/handles.h"
#include "resources/resource_ids.h"

namespace kestrel {

namespace {

bool classRegistered = false;

// Control ids of the recorder's children.
constexpr int kListId = 100;
constexpr int kOkId = 101;
constexpr int kCancelId = 102;
constexpr int kRestoreId = 103;
constexpr int kAddId = 104;
constexpr int kDeleteId = 105;
constexpr int kStartId = 106;
constexpr int kEndId = 107;

constexpr int kWindowWidth = 428;
constexpr int kWindowHeight = 270;
// Where the keys column starts in a list row, in dialog units.
constexpr int kKeysTabStop = 68;

constexpr char kLabel[] = "Key recorder";
constexpr int kLabelX = 284;
constexpr int kLabelY = 116;

void EnableControl(const Control& control, bool enable) {
    EnableWindow(control.Handle(), enable ? TRUE : FALSE);
}

} // namespace

RecorderList::RecorderList() {
    style_ |= LBS_USETABSTOPS;
    exStyle_ = WS_EX_CLIENTEDGE;
}

KeyRecorder::KeyRecorder() {
    style_ = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    exStyle_ = WS_EX_CLIENTEDGE;
}

bool KeyRecorder::RegisterWindowClass() {
    WNDCLASSEXA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = "KbdWnd";
    return RegisterOnce(windowClass, classRegistered);
}

void KeyRecorder::PreRegisterClass(WNDCLASSEXA& windowClass) {
    windowClass.cbWndExtra = sizeof(LONG_PTR);
}

bool KeyRecorder::Open(HWND owner, KeyTable table, bool showsDefaults, int storeCommand) {
    if (IsOpen()) {
        return false;
    }
    session_.Begin(std::move(table), showsDefaults);
    owner_ = owner;
    storeCommand_ = storeCommand;
    selectedRow_ = 0;
    topRow_ = 0;
    std::string title = session_.Title();
    if (!CreateChild("KbdWnd", owner, nullptr, title.c_str(), 0, 0, kWindowWidth,
                     kWindowHeight)) {
        return false;
    }
    CentreWindow(Handle());
    if (owner_ != nullptr) {
        EnableWindow(owner_, FALSE);
    }
    Finish();
    SetFocus(list_.Handle());
    return true;
}

bool KeyRecorder::OnCreate() {
    HWND self = Handle();
    bool created = list_.Create(self, kListId, "", 10, 10, 256, 200) &&
                   ok_.Create(self, kOkId, "Ok", 60, 210, 60, 24) &&
                   cancel_.Create(self, kCancelId, "Cancel", 160, 210, 60, 24) &&
                   restore_.Create(self, kRestoreId, "Restore to default", 274, 26, 140, 20) &&
                   add_.Create(self, kAddId, "Add", 274, 60, 50, 20) &&
                   delete_.Create(self, kDeleteId, "Delete", 274, 84, 50, 20) &&
                   start_.Create(self, kStartId, "Start", 302, 140, 50, 20) &&
                   end_.Create(self, kEndId, "End", 302, 164, 50, 20);
    if (!created) {
        return false;
    }
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    SendMessageA(list_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    int tabStop = kKeysTabStop;
    SendMessageA(list_.Handle(), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    // The black frame around the recording buttons.
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKFRAME, 280, 128, 90, 68,
                    self, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATIC)),
                    ProgramInstance(), nullptr);
    return true;
}

void KeyRecorder::Refresh() {
    session_.EndRecording();
    HWND list = list_.Handle();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t row = 0; row < session_.Count(); ++row) {
        std::string text = session_.RowText(row);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    int count = static_cast<int>(session_.Count());
    // After the last row was deleted the remembered row is one past the end: keep the last.
    if (selectedRow_ >= count) {
        selectedRow_ = count - 1;
    }
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(topRow_), 0);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selectedRow_), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void KeyRecorder::Finish() {
    Refresh();
    SetWindowTextA(start_.Handle(), "Start");
    EnableControl(start_, true);
    EnableControl(end_, false);
    EnableControl(add_, true);
    EnableControl(delete_, true);
    EnableControl(restore_, true);
}

void KeyRecorder::RememberListPosition() {
    selectedRow_ = static_cast<int>(SendMessageA(list_.Handle(), LB_GETCURSEL, 0, 0));
    int top = static_cast<int>(SendMessageA(list_.Handle(), LB_GETTOPINDEX, 0, 0));
    topRow_ = top >= 0 ? top : 0;
}

void KeyRecorder::OnCommand(WPARAM w, LPARAM) {
    if (HIWORD(w) != BN_CLICKED) {
        return;
    }
    switch (LOWORD(w)) {
    case kOkId:
        RememberListPosition();
        Accept();
        break;
    case kCancelId:
        Close();
        break;
    case kRestoreId:
        RememberListPosition();
        AskRestore();
        break;
    case kAddId:
        RememberListPosition();
        if (session_.Add(selectedRow_) == RecorderEdit::Changed) {
            Finish();
        }
        break;
    case kDeleteId:
        RememberListPosition();
        switch (session_.Delete(selectedRow_)) {
        case RecorderEdit::Changed:
            Finish();
            break;
        case RecorderEdit::Refused:
            Beep(440, 150);
            break;
        default:
            break;
        }
        break;
    case kStartId:
        RememberListPosition();
        StartRecording();
        break;
    case kEndId:
        RememberListPosition();
        Finish();
        break;
    default:
        break;
    }
}

void KeyRecorder::StartRecording() {
    if (!session_.StartRecording(selectedRow_)) {
        return;
    }
    EnableControl(add_, false);
    EnableControl(delete_, false);
    EnableControl(restore_, false);
    SetWindowTextA(start_.Handle(), std::string(session_.StartCaption()).c_str());
    EnableControl(end_, true);
    // The focus leaves the clicked button before it is disabled, or the keys would go nowhere.
    SetFocus(Handle());
    EnableControl(start_, false);
}

void KeyRecorder::KeyDown(WPARAM w) {
    if (!session_.IsRecording()) {
        return;
    }
    switch (session_.KeyDown(static_cast<std::uint32_t>(LOWORD(w)))) {
    case RecordStep::Recorded:
        SetWindowTextA(start_.Handle(), std::string(session_.StartCaption()).c_str());
        break;
    case RecordStep::Finished:
    case RecordStep::Ignored:
        Finish();
        break;
    default:
        break;
    }
}

// Key-downs are consumed at every stage and never reach the default processing, so Alt+F4 and
// Alt+Space are recorded like any other keys instead of closing or opening the system menu.
void KeyRecorder::OnKeyDown(WPARAM w, LPARAM) { KeyDown(w); }
void KeyRecorder::OnSysKeyDown(WPARAM w, LPARAM) { KeyDown(w); }
void KeyRecorder::OnKeyUp(WPARAM w, LPARAM) {
    session_.KeyUp(static_cast<std::uint32_t>(LOWORD(w)));
}
void KeyRecorder::OnSysKeyUp(WPARAM w, LPARAM) {
    session_.KeyUp(static_cast<std::uint32_t>(LOWORD(w)));
}

void KeyRecorder::OnKillFocus() { session_.LoseFocus(); }

bool KeyRecorder::OnOtherMessage(UINT message, WPARAM w, LPARAM l) {
    // Alt+Space's system character would open the system menu in the middle of a recording.
    if (message == WM_SYSCHAR && session_.IsRecording()) {
        return true;
    }
    return Window::OnOtherMessage(message, w, l);
}

void KeyRecorder::AskRestore() {
    // Owned by the recorder, so nothing of the recorder can be pressed while it is up.
    int answer = MessageBoxA(Handle(), "All keys will be set to default.\nAre you sure?",
                             "Restore?", MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES && session_.RestoreDefaults()) {
        Accept();
    }
}

void KeyRecorder::Accept() {
    session_.Accept();
    if (owner_ != nullptr) {
        PostMessageA(owner_, WM_COMMAND, static_cast<WPARAM>(storeCommand_), 0);
    }
    Close();
}

void KeyRecorder::OnClose() { Close(); }

void KeyRecorder::Close() {
    // The owner comes back before the recorder goes, or activation jumps to another program.
    if (owner_ != nullptr) {
        EnableWindow(owner_, TRUE);
    }
    Destroy();
}

void KeyRecorder::OnPaint() {
    PaintScope paint(Handle());
    HDC dc = paint.Dc();
    SelectGuard font(dc, GetStockObject(ANSI_VAR_FONT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, kLabelX, kLabelY, kLabel, static_cast<int>(std::size(kLabel) - 1));
}

} // namespace kestrel
