// The editor's text window inside the frame: the application's glue around the editable text
// window. It holds the document path, shows warnings in the program's message window, keeps the
// status bar's state and caret panes current, opens and saves the document, and hands every
// command to the command runner.
#pragma once

#include <cstdint>
#include <string>

#include "framework/win32.h"

#include "commands/command_host.h"
#include "commands/command_runner.h"
#include "commands/editor_context.h"
#include "commands/editor_host.h"
#include "framework/busy_window.h"
#include "framework/message_window.h"
#include "settings/editor_settings.h"
#include "view/block_files.h"
#include "view/clipboard_transfer.h"
#include "view/document_host.h"
#include "view/edit_window.h"
#include "view/file_dialogs.h"
#include "view/search_dialogs.h"
#include "view/stamps_and_characters.h"

namespace kestrel {

class StatusBar;

class EditorView : public EditWindow, public PassedEndListener {
public:
    // `messages` is the shared message box every warning of the view goes through; `busy` the
    // shared notice shown while loading and saving.
    EditorView(MessageWindow& messages, BusyWindow& busy);

    // The status bar whose state and caret panes the view keeps current (not owned).
    void SetStatusBar(StatusBar* statusBar) { statusBar_ = statusBar; }
    // The frame that holds the view (not owned).
    void SetHost(DocumentHost* host) { host_ = host; }

    void OnTimer(UINT_PTR timerId) override;
    // Typed characters: printable ones and tab are typed, carriage return splits the line.
    void OnChar(WPARAM w, LPARAM l) override;

    void PlaceCaret() override;
    // A key binding fired: its command goes to the runner.
    void OnBindingFired(const KeyBinding& binding) override;
    // Shows `text`, and `detail` on a second line when there is one, in the message window.
    void ShowMessage(std::string_view text, std::string_view detail) override;
    void OnLineChanged() override;

    // Where every command runs, from a key or from the menu.
    CommandRunner& Runner() { return runner_; }

    // Pane 1: "\tModified" while the document has changes, "\tRead only" for a read-only one.
    void UpdateStatePane();

    const std::string& DocumentPath() const { return documentPath_; }
    void SetDocumentPath(std::string path) { documentPath_ = std::move(path); }
    const std::string& InitialDirectory() const { return fileDialogs_.InitialDirectory(); }
    void SetInitialDirectory(std::string directory) {
        fileDialogs_.SetInitialDirectory(std::move(directory));
    }
    bool IsModified() const;

    // Takes the stored options that the view uses: line length, colours, the hidden bar,
    // tab size, wheel lines, read only, trailing blanks, backup mode, filter index and the rest.
    void ApplySettings(const EditorSettings& settings);
    // Writes the view's current options into `settings`, for saving them.
    void CollectSettings(EditorSettings& settings) const;

    // Opens the document named by the document path, or a new one when it is empty or cannot
    // be loaded; false when a named file could not be loaded.
    bool OpenDocument();
    // "Save file": saves a modified document, asking for a name when it has none. The outcome
    // is in SaveResult.
    void SaveCommand();
    // The outcome of the last Save or Save As: true when the document is on disk.
    bool SaveResult() const { return saveResult_; }
    // Opens a recent file after the save question; false only when `path` could not be loaded
    // (a new document is then open).
    bool OpenRecentCommand(const std::string& path);
    // Puts the shown block on the clipboard; true when it did.
    bool CopyCommand() { return clipboard_.Copy(); }

    // A search ran past the end of the file: a short notice says so.
    void OnPassedEnd() override;
    // Before every save: the header stamp is refreshed when that option is on.
    void BeforeSave() override;

private:
    // Lets the window-free editing commands reach this window.
    class Host : public EditorHost {
    public:
        explicit Host(EditorView& view) : view_(view) {}
        void Repaint() override { view_.Repaint(); }
        void PlaceCaret() override { view_.PlaceCaret(); }
        void ScrollVertical(ScrollCode code) override;
        void ScrollHorizontal(ScrollCode code) override;
        void SetVerticalScrollPosition(std::int32_t position) override;
        void SetHorizontalScrollPosition(std::int32_t position) override;
        void Beep() override;
        void ShowMessage(std::string_view text, std::string_view detail) override {
            view_.ShowMessage(text, detail);
        }
        void RecreateCaret() override { view_.RecreateCaret(); }
        void ToggleWindowSize() override;

    private:
        EditorView& view_;
    };

    // Lets the command runner reach the commands that need this window.
    class Commands : public CommandHost {
    public:
        explicit Commands(EditorView& view) : view_(view) {}
        void OpenFile() override { view_.OpenCommand(); }
        void NewFile() override { view_.NewFileCommand(); }
        void SaveFile() override { view_.SaveCommand(); }
        void SaveAs() override { view_.SaveAsCommand(); }
        void ExitProgram() override { view_.ExitProgram(); }
        void Cut() override { view_.clipboard_.Cut(); }
        void Copy() override { view_.clipboard_.Copy(); }
        void Paste() override { view_.clipboard_.Paste(); }
        void BlockRead() override;
        void BlockWrite() override;
        void PrintBlock() override;
        void InsertDate() override { view_.stamps_.InsertDate(); }
        void GetSpecialChar() override;
        void WriteSpecialChar() override { view_.stamps_.WriteSpecialChar(); }
        void FindText() override { view_.search_.FindText(); }
        void GotoLine() override { view_.search_.GotoLine(); }
        void Replace() override { view_.search_.Replace(); }
        void CommandDone() override { view_.UpdateStatePane(); }

    private:
        EditorView& view_;
    };

    void OpenCommand();
    void NewFileCommand();
    void SaveAsCommand();
    void ExitProgram();
    // Saves under `path` behind the "Saving file..." notice.
    bool SaveUnder(const std::string& path);
    // Puts up a notice that timer 2 takes down after `ticks` periods of `period` ms.
    void ShowNotice(const char* text, COLORREF background, int ticks, UINT period);
    void SetSettingsChanged();

    MessageWindow& messages_;
    BusyWindow& busy_;
    StatusBar* statusBar_ = nullptr;
    DocumentHost* host_ = nullptr;
    std::string documentPath_; // as typed or as chosen; at most 299 characters
    bool saveResult_ = true;
    int noticeCountdown_ = 0;   // timer ticks until the notice closes
    EditorSettings options_;    // as applied; live values are collected on save
    std::string statePaneText_; // what pane 1 shows, to skip needless redraws
    Host editorHost_{*this};
    Commands commandHost_{*this};
    EditorContext context_{Store(), View(), editorHost_};
    CommandRunner runner_{context_, History(), commandHost_, *this};
    FileDialogs fileDialogs_{*this, messages_, editorHost_};
    ClipboardTransfer clipboard_{*this, Store(), View(), runner_.Block()};
    BlockFiles blockFiles_{fileDialogs_, Store(), View(), runner_.Block(), editorHost_};
    StampsAndCharacters stamps_{*this, options_, runner_};
    SearchDialogs search_{*this, runner_, context_};
};

} // namespace kestrel
