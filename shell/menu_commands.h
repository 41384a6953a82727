// Where each menu command goes: one flat switch from command id to the operation that serves it.
#pragma once

#include <cstdint>

namespace kestrel {

// The operations menu commands reach, named after their menu path. The main frame performs
// them; the routing itself needs no window.
class MenuCommands {
public:
    virtual ~MenuCommands() = default;

    virtual void FileNew() = 0;
    virtual void FileOpen() = 0;
    virtual void FileSave() = 0;
    virtual void FileSaveAs() = 0;
    virtual void FileExit() = 0;
    virtual void EditCut() = 0;
    virtual void EditCopy() = 0;
    virtual void EditPaste() = 0;
    virtual void EditReadBlock() = 0;
    virtual void EditWriteBlock() = 0;
    virtual void EditDeleteBlock() = 0;
    virtual void EditRestoreLine() = 0;
    virtual void EditGetSpecialChar() = 0;
    virtual void EditWriteSpecialChar() = 0;
    virtual void EditInsertDate() = 0;
    virtual void SearchFind() = 0;
    virtual void SearchFindNext() = 0;
    virtual void SearchGotoLine() = 0;
    virtual void OptionsSettings() = 0;
    virtual void FileInfo() = 0;
    virtual void OptionsPageSetup() = 0;
    virtual void OptionsTextColours() = 0;
    virtual void OptionsSelectedColours() = 0;
    virtual void OptionsFont() = 0;
    virtual void OptionsPrinterFont() = 0;
    virtual void FilePrint() = 0;
    virtual void FilePrintBlock() = 0;
    virtual void OptionsKeys() = 0;
    virtual void OptionsToggleWindowSize() = 0;
    virtual void HelpCheckForUpdates() = 0;
    virtual void HelpAbout() = 0;
    // The key recorder's OK: store its table and make it live.
    virtual void StoreKeyTable() = 0;
};

// Runs the operation of command `id` (the low 16 bits of the command message's first
// parameter). False for an id that has no operation; such commands are ignored.
bool RouteMenuCommand(MenuCommands& commands, std::uint32_t id);

} // namespace kestrel
