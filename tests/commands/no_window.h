// A command host for runner tests: the commands that need a window do nothing, and a search
// that passes an end of the document is counted.
#pragma once

#include "commands/command_host.h"
#include "commands/find_commands.h"

namespace kestrel {

class NoWindow : public CommandHost, public PassedEndListener {
public:
    void OpenFile() override {}
    void NewFile() override {}
    void SaveFile() override {}
    void SaveAs() override {}
    void ExitProgram() override {}
    void Cut() override {}
    void Copy() override {}
    void Paste() override {}
    void BlockRead() override {}
    void BlockWrite() override {}
    void PrintBlock() override {}
    void InsertDate() override {}
    void GetSpecialChar() override {}
    void WriteSpecialChar() override {}
    void FindText() override {}
    void GotoLine() override {}
    void Replace() override {}
    void CommandDone() override {}
    void OnPassedEnd() override { ++passedEnds; }

    int passedEnds = 0;
};

} // namespace kestrel
