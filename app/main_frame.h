// The program's top-level window: menu, title, command routing and the close questions.
#pragma once

#include "app/recent_file_menu.h"
#include "framework/frame_window.h"
#include "settings/editor_settings.h"
#include "settings/recent_file_list.h"
#include "view/document_host.h"

namespace kestrel {

class EditorView;
class MessageWindow;
class StatusBar;

class MainFrame : public FrameWindow, public DocumentHost {
public:
    MainFrame(EditorView& view, StatusBar& statusBar, MessageWindow& messages);

    // Puts the document path into the path pane and the file name into the title.
    void UpdateTitle() override;
    // Set when an option was confirmed in a dialog; closing then asks "Save settings?".
    void SetSettingsChanged() override { settingsChanged_ = true; }
    bool SettingsChanged() const { return settingsChanged_; }
    void AddRecentFile(const std::string& path) override;
    // Start-up: the stored recent files into the File menu.
    void LoadRecentFiles();

    // Keeps the fonts and printer values and hands the view its options and screen font.
    void ApplySettings(const EditorSettings& settings);

    void PreRegisterClass(WNDCLASSEXA& windowClass) override;
    int SaveState() override;
    void OnClose() override;
    void OnCommand(WPARAM w, LPARAM l) override;
    bool CanClose() override;
    bool RestorePlacement() override;
    bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override;

private:
    // A recent-file item: opens that file, or greys the entry when it cannot be loaded.
    void OpenRecent(int id);

    EditorView& view_;
    StatusBar& statusBar_;
    MessageWindow& messages_;
    bool settingsChanged_ = false;
    EditorSettings settings_; // fonts and printer values; the view holds its own options
    RecentFileList recent_;
    RecentFileMenu recentMenu_;
};

} // namespace kestrel
