// The menu command switch.
#include "shell/menu_commands.h"

#include "resources/resource_ids.h"

namespace kestrel {

bool RouteMenuCommand(MenuCommands& commands, std::uint32_t id) {
    // One case per command id; Alt+X arrives as IDM_EXIT through the accelerator table.
    switch (id) {
    case IDM_NEW:
        commands.FileNew();
        return true;
    case IDM_OPEN:
        commands.FileOpen();
        return true;
    case IDM_SAVE:
        commands.FileSave();
        return true;
    case IDM_SAVE_AS:
        commands.FileSaveAs();
        return true;
    case IDM_EXIT:
        commands.FileExit();
        return true;
    case IDM_CUT:
        commands.EditCut();
        return true;
    case IDM_COPY:
        commands.EditCopy();
        return true;
    case IDM_PASTE:
        commands.EditPaste();
        return true;
    case IDM_READ_BLOCK:
        commands.EditReadBlock();
        return true;
    case IDM_WRITE_BLOCK:
        commands.EditWriteBlock();
        return true;
    case IDM_DELETE_BLOCK:
        commands.EditDeleteBlock();
        return true;
    case IDM_RESTORE_LINE:
        commands.EditRestoreLine();
        return true;
    case IDM_GET_SPECIAL:
        commands.EditGetSpecialChar();
        return true;
    case IDM_WRITE_SPECIAL:
        commands.EditWriteSpecialChar();
        return true;
    case IDM_INSERT_DATE:
        commands.EditInsertDate();
        return true;
    case IDM_FIND:
        commands.SearchFind();
        return true;
    case IDM_FIND_NEXT:
        commands.SearchFindNext();
        return true;
    case IDM_GOTO_LINE:
        commands.SearchGotoLine();
        return true;
    case IDM_SETTINGS:
        commands.OptionsSettings();
        return true;
    case IDM_FILE_INFO:
        commands.FileInfo();
        return true;
    case IDM_PAGE_SETUP:
        commands.OptionsPageSetup();
        return true;
    case IDM_TEXT_COLOURS:
        commands.OptionsTextColours();
        return true;
    case IDM_SELECTED_COLOURS:
        commands.OptionsSelectedColours();
        return true;
    case IDM_FONT:
        commands.OptionsFont();
        return true;
    case IDM_PRINTER_FONT:
        commands.OptionsPrinterFont();
        return true;
    case IDM_PRINT:
        commands.FilePrint();
        return true;
    case IDM_PRINT_BLOCK:
        commands.FilePrintBlock();
        return true;
    case IDM_KEYS:
        commands.OptionsKeys();
        return true;
    case IDM_TOGGLE_WINDOW_SIZE:
        commands.OptionsToggleWindowSize();
        return true;
    case IDM_CHECK_UPDATES:
        commands.HelpCheckForUpdates();
        return true;
    case IDM_ABOUT:
        commands.HelpAbout();
        return true;
    case IDM_STORE_KEY_TABLE:
        commands.StoreKeyTable();
        return true;
    default:
        return false;
    }
}

} // namespace kestrel
