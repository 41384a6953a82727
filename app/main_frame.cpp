// The main frame: title, command routing and the order of questions when closing.
#include "app/main_frame.h"

#include <optional>
#include <string>

#include "framework/handles.h"
#include "framework/message_window.h"
#include "framework/status_bar.h"
#include "keys/command_table.h"
#include "resources/resource_ids.h"
#include "settings/registry_store.h"
#include "shell/message_layout.h"
#include "shell/window_title.h"
#include "view/editor_view.h"

namespace kestrel {

namespace {
constexpr int kPathPane = 0;
}

MainFrame::MainFrame(EditorView& view, StatusBar& statusBar, MessageWindow& messages)
    : view_(view), statusBar_(statusBar), messages_(messages) {}

void MainFrame::PreRegisterClass(WNDCLASSEXA& windowClass) {
    windowClass.hIcon = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_KESTREL));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
}

void MainFrame::UpdateTitle() {
    const std::string& path = view_.DocumentPath();
    statusBar_.SetText(kPathPane, path.c_str());
    SetWindowTextA(Handle(), FrameTitle(path).c_str());
}

void MainFrame::ApplySettings(const EditorSettings& settings) {
    settings_ = settings;
    view_.ApplySettings(settings);
    LOGFONTA font = ToLogFont(SaneScreenFont(settings.screenFont));
    view_.ApplyFont(CreateFontIndirectA(&font));
    view_.UpdateLayout();
}

int MainFrame::SaveState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(Handle(), &placement)) {
        SaveWindowState(placement, view_.InitialDirectory());
    }
    SaveRecentFileList(recent_);
    return 0;
}

void MainFrame::AddRecentFile(const std::string& path) {
    if (recent_.AddToTop(path)) {
        recentMenu_.Show(recent_);
    }
}

void MainFrame::LoadRecentFiles() {
    recentMenu_.Attach(GetSubMenu(GetMenu(Handle()), 0));
    LoadRecentFileList(recent_);
    recentMenu_.Show(recent_);
}

void MainFrame::OpenRecent(int id) {
    std::optional<std::string> path = recent_.EntryPath(id);
    if (path && !view_.OpenRecentCommand(*path)) {
        recent_.Grey(id);
        recentMenu_.Show(recent_);
    }
}

bool MainFrame::CanClose() {
    if (!view_.IsModified()) {
        return true;
    }
    std::string text = "Save file: ";
    text += view_.DocumentPath().empty() ? std::string("Untitled") : view_.DocumentPath();
    int answer = messages_.Show(Handle(), text.c_str(), "Save",
                                kStyleYesNoCancel | kStyleIconQuestion, nullptr,
                                kMessageTextColour, kMessageBackColour, kMessageShadowColour);
    if (answer == kResultNo) {
        return true;
    }
    if (answer != kResultYes) {
        return false;
    }
    view_.SaveCommand();
    return view_.SaveResult();
}

bool MainFrame::RestorePlacement() { return RestoreStoredPlacement(Handle()); }

void MainFrame::OnClose() {
    if (!CanClose()) {
        return;
    }
    if (settingsChanged_) {
        std::string caption(kProductName);
        int answer = messages_.Show(Handle(), "Save settings?", caption.c_str(),
                                    kStyleYesNoCancel | kStyleIconQuestion, nullptr,
                                    kMessageTextColour, kMessageBackColour,
                                    kMessageShadowColour);
        if (answer == kResultCancel || answer == 0) {
            return;
        }
        if (answer == kResultYes) {
            view_.CollectSettings(settings_);
            SaveOptions(settings_);
        }
    }
    Destroy();
}

bool MainFrame::OnOtherMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_EXITMENULOOP) {
        // The menu loop swallowed the Alt key-up that opened the menu; without this every
        // later key would reach the view with a phantom Alt.
        view_.ClearModifiers();
    } else if (message == WM_DISPLAYCHANGE) {
        // Only top-level windows hear of a new display; the view's surface must cover it.
        view_.OnDisplayChange();
    }
    return FrameWindow::OnOtherMessage(message, w, l);
}

void MainFrame::OnCommand(WPARAM w, LPARAM) {
    switch (LOWORD(w)) {
    case IDM_EXIT:
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        break;
    case IDM_NEW:
        view_.NewFileCommand();
        break;
    case IDM_OPEN:
        view_.OpenCommand();
        break;
    case IDM_SAVE:
        view_.SaveCommand();
        break;
    case IDM_SAVE_AS:
        view_.SaveAsCommand();
        break;
    case IDM_CUT:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::Cut));
        break;
    case IDM_COPY:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::Copy));
        break;
    case IDM_PASTE:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::Paste));
        break;
    case IDM_READ_BLOCK:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::BlockRead));
        break;
    case IDM_WRITE_BLOCK:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::BlockWrite));
        break;
    case IDM_DELETE_BLOCK:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::DeleteBlock));
        break;
    case IDM_INSERT_DATE:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::InsertDate));
        break;
    case IDM_GET_SPECIAL:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::GetSpecialChar));
        break;
    case IDM_WRITE_SPECIAL:
        view_.RunCommand(static_cast<std::int32_t>(CommandId::WriteSpecialChar));
        break;
    case IDM_FIND:
        view_.FindText();
        break;
    case IDM_FIND_NEXT:
        view_.FindNext();
        break;
    case IDM_GOTO_LINE:
        view_.GotoLine();
        break;
    default:
        if (recent_.HasEntry(LOWORD(w))) {
            OpenRecent(LOWORD(w));
        }
        break;
    }
}

} // namespace kestrel
