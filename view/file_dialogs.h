// The open and save dialogs of the document and of block files: the file types they offer, the
// type index and the folder they share, and the ".txt" a bare name gets.
#pragma once

#include <optional>
#include <string>

#include "framework/win32.h"

#include "commands/editor_host.h"
#include "framework/message_window.h"
#include "framework/window.h"

namespace kestrel {

class FileDialogs {
public:
    // What an open dialog gave: the path, and how its boxes were left.
    struct OpenChoice {
        std::string path;
        bool typeChanged = false;    // another file type was picked: the settings changed
        bool readOnlyTicked = false; // the dialog's read-only box
    };

    // `owner` owns the dialogs; `messages` asks the replace question; `host` shows failures.
    FileDialogs(const Window& owner, MessageWindow& messages, EditorHost& host)
        : owner_(owner), messages_(messages), host_(host) {}

    const std::string& InitialDirectory() const { return initialDirectory_; }
    void SetInitialDirectory(std::string directory) { initialDirectory_ = std::move(directory); }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }

    // Runs the open dialog starting at `start`. With `offerReadOnly` its read-only box shows,
    // ticked as `readOnly` says; otherwise only existing files can be chosen. Nothing when the
    // user cancelled. A picked file type becomes the shared index.
    std::optional<OpenChoice> AskOpenPath(const std::string& start, bool offerReadOnly,
                                          bool readOnly);
    // Runs the save dialog starting at `start` (empty for a new name); the chosen path, with
    // ".txt" where it had no extension, or empty when the user cancelled, declined to replace
    // the file that ".txt" named, or the completed name is too long (said in "Can't write
    // file"). A file type picked here is not remembered.
    std::string AskSavePath(const std::string& start);

    // The dialogs' result buffers hold this many characters with the terminator.
    static constexpr std::size_t kPathSize = 260;

private:
    const Window& owner_;
    MessageWindow& messages_;
    EditorHost& host_;
    std::string initialDirectory_ = "C:\\"; // where the dialogs start
    int filterIndex_ = 4;                   // file type, 1-based
};

} // namespace kestrel
