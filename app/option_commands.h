// The Options menu's dialogs, File Info and printing, as the main frame's menu reaches them.
// Every confirmed dialog marks the settings changed; nothing is written until the program asks
// "Save settings?" at exit.
#pragma once

#include "app/printer_context.h"
#include "dialogs/color_dialog.h"
#include "dialogs/file_info_dialog.h"
#include "dialogs/page_setup_dialog.h"
#include "dialogs/settings_dialog.h"
#include "settings/editor_settings.h"

namespace kestrel {

class DocumentHost;
class EditorView;

class OptionCommands {
public:
    // `settings` holds the fonts and printer values the frame keeps; `host` hears of changes.
    OptionCommands(EditorView& view, EditorSettings& settings, DocumentHost& host)
        : view_(view), settings_(settings), host_(host) {}

    // The default printer, once the program is up.
    void OpenPrinter() { printer_.OpenDefaultPrinter(); }

    void SettingsCommand(HWND owner);
    void FileInfoCommand(HWND owner);
    void PageSetupCommand(HWND owner);
    void TextColorsCommand(HWND owner);
    void SelectedColorsCommand(HWND owner);
    void FontCommand(HWND owner);
    void PrinterFontCommand(HWND owner);
    // The whole document, or the shown block (nothing without one), on the printer.
    void PrintCommand(HWND owner, bool wholeDocument);

private:
    // The one place a changed option reaches the view: it takes the values, lays itself out and
    // repaints, and closing will ask "Save settings?".
    void Apply(const EditorSettings& live, bool newFont = false);

    EditorView& view_;
    EditorSettings& settings_;
    DocumentHost& host_;
    PrinterContext printer_;
    SettingsDialog settingsDialog_;
    FileInfoDialog fileInfoDialog_;
    PageSetupDialog pageSetupDialog_;
    ColorDialog colorDialog_;
};

} // namespace kestrel
