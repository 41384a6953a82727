// The main frame: title, command routing and the order of questions when closing.
#include "app/main_frame.h"

#include <optional>
#include <string>
#include <utility>

#include "framework/win32.h"

#include "framework/handles.h"
#include "framework/message_window.h"
#include "platform/on_demand_calls.h"
#include "framework/status_bar.h"
#include "keys/menu_label.h"
#include "resources/resource_ids.h"
#include "platform/registry_store.h"
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
    const UINT id = LOWORD(w);
    if (recent_.HasEntry(id)) {
        OpenRecent(static_cast<int>(id));
        return;
    }
    // Ids without a route are ignored.
    const MenuRoute* route = FindMenuRoute(id);
    if (route == nullptr) {
        return;
    }
    if (route->command) {
        view_.Runner().Run(*route->command);
    } else {
        RunFrameAction(route->action);
    }
}

void MainFrame::RunFrameAction(FrameAction action) {
    switch (action) {
    case FrameAction::Exit:
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        break;
    case FrameAction::PrintDocument:
        PrintCommand(true);
        break;
    case FrameAction::ToggleWindowSize:
        ShowWindow(Handle(), IsZoomed(Handle()) ? SW_RESTORE : SW_MAXIMIZE);
        break;
    case FrameAction::Settings:
        options_.SettingsCommand(Handle());
        break;
    case FrameAction::FileInfo:
        options_.FileInfoCommand(Handle());
        break;
    case FrameAction::PageSetup:
        options_.PageSetupCommand(Handle());
        break;
    case FrameAction::TextColours:
        options_.TextColorsCommand(Handle());
        break;
    case FrameAction::SelectedColours:
        options_.SelectedColorsCommand(Handle());
        break;
    case FrameAction::Font:
        options_.FontCommand(Handle());
        break;
    case FrameAction::PrinterFont:
        options_.PrinterFontCommand(Handle());
        break;
    case FrameAction::Keys:
        OptionsKeys();
        break;
    case FrameAction::CheckForUpdates:
        // No browser or no network gives no message: the result is not looked at.
        OpenWithShell(Handle(), kUpdatePage, SW_SHOWNORMAL);
        break;
    case FrameAction::About:
        about_.ShowAbout(Handle());
        break;
    case FrameAction::StoreKeyTable:
        StoreKeyTable();
        break;
    case FrameAction::None:
        break;
    }
}

void MainFrame::OptionsKeys() {
    if (recorder_.IsOpen()) {
        return;
    }
    std::optional<LoadedKeyTable> stored = LoadRecorderKeyTable();
    if (!stored) {
        // Without the Settings key the recorder edits what is in force now.
        stored = LoadedKeyTable{keyTable_, keyTable_.IsDefault()};
    }
    recorder_.Open(Handle(), std::move(stored->table), stored->isDefault, IDM_STORE_KEY_TABLE);
}

void MainFrame::StoreKeyTable() {
    std::optional<AcceptedKeyTable> accepted = recorder_.TakeAccepted();
    if (!accepted) {
        return; // nothing was accepted: a stray or repeated store command
    }
    SaveKeyTable(accepted->table, accepted->restored);
    InstallKeyTable(std::move(accepted->table));
    SetForegroundWindow(Handle());
}

void MainFrame::InstallKeyTable(KeyTable table) {
    KeyTable previous = std::exchange(keyTable_, std::move(table));
    UpdateMenuTexts();
    view_.SetKeyTable(keyTable_.Data(), keyTable_.Count());
}

void MainFrame::UpdateMenuTexts() {
    HMENU menu = GetMenu(Handle());
    for (const MenuLabel& label : MenuLabels()) {
        std::string text = MenuItemText(label, keyTable_);
        ModifyMenuA(menu, label.menuId, MF_BYCOMMAND | MF_STRING, label.menuId, text.c_str());
    }
}

} // namespace kestrel
