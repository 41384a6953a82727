// The editable text window: owns the document's line store, reads lines from it, keeps the
// caret line in its edit buffer, and shows an insert or overwrite caret while it has the focus.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/document_listener.h"
#include "document/edit_history.h"
#include "document/line_store.h"
#include "document/path_names.h"
#include "view/text_window.h"

namespace kestrel {

class EditWindow : public TextWindow, protected DocumentListener {
public:
    EditWindow();

    std::int32_t GetLineText(std::int32_t line, char* buffer, std::size_t size) const override;
    std::int32_t GetLineLength(std::int32_t line) const override;
    void LoadCurrentLine() override;
    int StoreCurrentLine() override;
    void OnSetFocus() override;
    void OnKillFocus() override;

    // Puts the view at the top of an empty line table: marks, offset, top line and caret to 0,
    // the block hidden. False when the line table cannot be created.
    bool ResetLines();
    // An empty, unmodified document of one line.
    bool NewDocument();
    // Changes the size of the caret line's buffer (only while the document is one line).
    bool SetLineLength(std::int32_t lineLength);
    // Recreates the caret in the shape of the current mode (insert: a bar, overwrite: a cell).
    void RecreateCaret();

    LineStore& Store() { return store_; }
    const LineStore& Store() const { return store_; }
    // The undo history of the document, attached to its line store; a load or New clears it.
    EditHistory& History() { return history_; }

    // Reads `path` as the document, reporting what went wrong; false leaves an empty table.
    bool LoadFileReport(const std::string& path);
    // Writes the document to `path`, moving an existing file to its backup name first. Storing
    // the caret line and refreshing the header stamp are one undo step; a good save marks the
    // history's save point.
    bool SaveWithBackup(const std::string& path);
    void SetBackupMode(BackupMode mode) { backupMode_ = mode; }
    BackupMode GetBackupMode() const { return backupMode_; }

    // A failure the user must see; the plain window uses the system's warning box.
    virtual void ShowMessage(std::string_view text, std::string_view detail);
    // The document changed; sets the modified flag.
    virtual void OnLineChanged();
    // Lines were cut at the line-length limit while loading.
    virtual void OnLinesWrapped();
    // Just before the lines are written.
    virtual void BeforeSave();

protected:
    void OnLineCountChanged(std::int32_t count) override;

private:
    // Empties the history for a new document and sizes its bound to that document.
    void StartHistory();

    LineStore store_;
    EditHistory history_;
    BackupMode backupMode_ = BackupMode::Temporary;
    bool hasCaret_ = false;
    bool loadingLines_ = false; // a load is filling the store: the scroll bar waits for its end
};

} // namespace kestrel
