// The editor's text window inside the frame: the application's glue around the editable text
// window. It holds the document path, shows warnings in the program's message window, keeps the
// status bar's state and caret panes current, and runs the named commands keys are bound to.
#pragma once

#include <cstdint>
#include <string>

#include "framework/win32.h"
// The file dialogs' record; the lean Windows header leaves it out.
#include <commdlg.h>

#include "commands/block_commands.h"
#include "commands/cursor_commands.h"
#include "commands/editor_context.h"
#include "commands/editor_host.h"
#include "commands/find_commands.h"
#include "commands/line_editing.h"
#include "framework/busy_window.h"
#include "framework/message_window.h"
#include "settings/editor_settings.h"
#include "view/document_host.h"
#include "view/edit_window.h"

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
    void RunCommand(std::int32_t command) override;
    // Shows `text`, and `detail` on a second line when there is one, in the message window.
    void ShowMessage(std::string_view text, std::string_view detail) override;
    void OnLineChanged() override;

    // Pane 1: "\tModified" while the document has changes, "\tRead only" for a read-only one.
    void UpdateStatePane();

    const std::string& DocumentPath() const { return documentPath_; }
    void SetDocumentPath(std::string path) { documentPath_ = std::move(path); }
    const std::string& InitialDirectory() const { return initialDirectory_; }
    void SetInitialDirectory(std::string directory) { initialDirectory_ = std::move(directory); }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    bool IsModified() const;

    // Takes the stored options that the view uses: line length, colours, the hidden bar,
    // tab size, wheel lines, read only, trailing blanks, backup mode, filter index and the rest.
    void ApplySettings(const EditorSettings& settings);
    // Writes the view's current options into `settings`, for saving them.
    void CollectSettings(EditorSettings& settings) const;
    // Options the editing commands read.
    const EditorSettings& Options() const { return options_; }

    // Opens the document named by the document path, or a new one when it is empty or cannot
    // be loaded; false when a named file could not be loaded.
    bool OpenDocument();
    // The outcome of the last Save or Save As: true when the document is on disk.
    bool SaveResult() const { return saveResult_; }

    // A search ran past the end of the file: a short notice says so.
    void OnPassedEnd() override;

    // ---- Commands ------------------------------------------------------------------------
    void OpenCommand();
    void NewFileCommand();
    void SaveCommand();
    void SaveAsCommand();
    void ExitProgram();
    // The block and the clipboard. Copy puts the shown block on the clipboard as CR LF text and
    // says whether it did; Cut deletes the block only after a copy that succeeded.
    bool CopyCommand();
    void CutCommand();
    void PasteCommand();
    void BlockReadCommand();
    void BlockWriteCommand();
    BlockCommands& Block() { return block_; }
    // Date stamps and special characters: "Insert date" puts a stamp at the caret as the block;
    // "Get special char" chooses a code in its dialog, "Write special char" types it.
    void InsertDateCommand();
    void GetSpecialCharCommand();
    void WriteSpecialCharCommand();
    // Before every save, with the header update on: the first stamp in lines 0 to 2 becomes a
    // stamp of now, in the chosen form.
    void BeforeSave() override;
    // "Find text" (the Find dialog, then a search), "Find next", "Goto line #" (its dialog).
    void FindText();
    void FindNext();
    void GotoLine();
    // Opens a recent file after the save question; false only when `path` could not be loaded
    // (a new document is then open).
    bool OpenRecentCommand(const std::string& path);

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

    // The file dialogs' result buffers hold this many characters with the terminator.
    static constexpr std::size_t kDialogPathSize = 260;

    // The open and save dialogs' common settings: owner, filters, result buffer, folder.
    OPENFILENAMEA FileDialog(char* path, std::size_t size) const;
    // Runs the save dialog; the chosen path, with ".txt" where it had no extension, or empty
    // when the user cancelled, declined to replace the file that ".txt" named, or the completed
    // name is too long (said in "Can't write file"). `start` is where it starts (the block
    // file name), empty for a new name.
    std::string AskSavePath(const std::string& start = std::string());
    // Saves under `path` behind the "Saving file..." notice.
    bool SaveUnder(const std::string& path);
    // Puts up a notice that timer 2 takes down after `ticks` periods of `period` ms.
    void ShowNotice(const char* text, COLORREF background, int ticks, UINT period);

    MessageWindow& messages_;
    BusyWindow& busy_;
    StatusBar* statusBar_ = nullptr;
    DocumentHost* host_ = nullptr;
    std::string documentPath_;              // as typed or as chosen; at most 299 characters
    std::string initialDirectory_ = "C:\\"; // where the file dialogs start
    int filterIndex_ = 4;                   // file dialog filter, 1-based
    bool saveResult_ = true;
    int noticeCountdown_ = 0;               // timer ticks until the notice closes
    EditorSettings options_;                // as applied; live values are collected on save
    std::string statePaneText_;             // what pane 1 shows, to skip needless redraws
    Host editorHost_{*this};
    EditorContext context_{Store(), View(), editorHost_};
    CursorCommands cursor_{context_};
    LineEditing editing_{context_};
    BlockCommands block_{context_};
    std::string blockFileName_; // shared by Block read and Block write for the whole run
    FindCommands find_{context_, *this};
};

} // namespace kestrel
