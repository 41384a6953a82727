// The block to and from files: "Block read" inserts a file at the caret as the block, "Block
// write" writes the shown block to a file. The name is shared by both for the whole run.
#pragma once

#include <string>

#include "commands/block_commands.h"
#include "commands/editor_host.h"
#include "document/line_store.h"
#include "view/file_dialogs.h"

namespace kestrel {

class BlockFiles {
public:
    // None of the five is owned.
    BlockFiles(FileDialogs& dialogs, LineStore& store, TextViewState& view, BlockCommands& block,
               EditorHost& host)
        : dialogs_(dialogs), store_(store), view_(view), block_(block), host_(host) {}

    // In a writable document: a file chosen in the open dialog goes in at the caret, its NUL
    // bytes kept as loading keeps them. A file that cannot be read is passed over without a
    // word, as a cancelled dialog is. True when the dialog changed the file type, so the
    // settings changed.
    bool Read();
    // The shown block to a file chosen in the save dialog, as the clipboard has it; a write that
    // fails says "Can't write file" with the name. True when the block replaced the file at
    // `documentPath`: the document is then no longer on disk.
    bool Write(const std::string& documentPath);

private:
    FileDialogs& dialogs_;
    LineStore& store_;
    TextViewState& view_;
    BlockCommands& block_;
    EditorHost& host_;
    std::string name_; // shared by Block read and Block write for the whole run
};

} // namespace kestrel
