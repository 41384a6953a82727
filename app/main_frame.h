// The program's top-level window: menu, title, command routing and the close questions.
#pragma once

#include "app/about_window.h"
#include "app/key_recorder.h"
#include "app/option_commands.h"
#include "app/recent_file_menu.h"
#include "framework/frame_window.h"
#include "keys/key_table.h"
#include "settings/editor_settings.h"
#include "settings/recent_file_list.h"
#include "shell/menu_table.h"
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
    // Makes `table` the live key table: the menu shows its keys and the view looks keys up in
    // it. The table it replaces is released only once the view no longer uses it.
    void InstallKeyTable(KeyTable table);
    // Takes the default printer for printing and the dialogs that measure the page.
    void OpenPrinter() { options_.OpenPrinter(); }
    void PrintCommand(bool wholeDocument) override {
        options_.PrintCommand(Handle(), wholeDocument);
    }

    void PreRegisterClass(WNDCLASSEXA& windowClass) override;
    int SaveState() override;
    void OnClose() override;
    void OnCommand(WPARAM w, LPARAM l) override;
    bool CanClose() override;
    bool RestorePlacement() override;
    bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override;

private:
    // What a menu item does that is no command of the view.
    void RunFrameAction(FrameAction action);
    void OptionsKeys();
    void StoreKeyTable();

    // Writes the keys bound to each labelled command into its menu item.
    void UpdateMenuTexts();
    // A recent-file item: opens that file, or greys the entry when it cannot be loaded.
    void OpenRecent(int id);

    EditorView& view_;
    StatusBar& statusBar_;
    MessageWindow& messages_;
    bool settingsChanged_ = false;
    EditorSettings settings_; // fonts and printer values; the view holds its own options
    KeyTable keyTable_;       // the live key table; the view holds a pointer into it
    KeyRecorder recorder_;
    AboutWindow about_;
    OptionCommands options_{view_, settings_, *this};
    RecentFileList recent_;
    RecentFileMenu recentMenu_;
};

} // namespace kestrel
