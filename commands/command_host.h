// What the command runner asks of the window for the commands that need more than the document
// and the view state: file and block dialogs, the clipboard, the printer, the clock and the
// frame. The runner does everything window-free itself.
#pragma once

namespace kestrel {

class CommandHost {
public:
    // The file commands: "Open file", "New file", "Save file", "Save As", "Exit program".
    virtual void OpenFile() = 0;
    virtual void NewFile() = 0;
    virtual void SaveFile() = 0;
    virtual void SaveAs() = 0;
    virtual void ExitProgram() = 0;
    // The block through the clipboard, block files and the printer.
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual void BlockRead() = 0;
    virtual void BlockWrite() = 0;
    virtual void PrintBlock() = 0;
    // "Insert date" (it needs the clock) and the special character's dialog and setting.
    virtual void InsertDate() = 0;
    virtual void GetSpecialChar() = 0;
    virtual void WriteSpecialChar() = 0;
    // The dialogs of "Find text", "Goto line #" and "Replace" (whose buttons make their own
    // undo steps).
    virtual void FindText() = 0;
    virtual void GotoLine() = 0;
    virtual void Replace() = 0;
    // After every command and every typed character: the status bar follows the document.
    virtual void CommandDone() = 0;

protected:
    ~CommandHost() = default;
};

} // namespace kestrel
