// The open document in memory: a table of line records pointing into the file buffer or the text
// arena, plus the caret line's editable copy and the document flags. Window-free; the view owns
// one and hears about changes through a DocumentListener, and the undo history records them
// through a LineChangeRecorder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/current_line_buffer.h"
#include "document/file_buffer.h"
#include "document/grow_array.h"
#include "document/line_change_recorder.h"
#include "document/line_record.h"
#include "document/text_arena.h"
#include "document/text_pos.h"

namespace kestrel {

class DocumentListener;

inline constexpr char kOutOfMemoryText[] = "Out of memory";

// Document flags; each one is plain state that the commands, the loader and the settings read
// and write directly.
struct DocumentFlags {
    bool modified = false;           // a line was stored or lines changed since load or save
    bool currentLineChanged = false; // the current-line buffer differs from its line record
    bool readOnly = false;           // editing commands refuse to change text
    bool unixMode = false;           // lines are saved with LF alone
    bool removeTrailingBlanks = false;
    bool overwriteMode = false;      // typing replaces the character under the caret
};

class LineStore {
public:
    static constexpr std::int32_t kInitialLineCapacity = 5000;
    static constexpr std::int32_t kLineGrowthStep = 500;
    // `linelength` of a store whose settings have not been applied yet.
    static constexpr std::int32_t kInitialLineLength = 2048;
    // Range of `linelength`; at the top a stored line plus its terminator still fits one arena
    // block.
    static constexpr std::int32_t kMinLineLength = 256;
    static constexpr std::int32_t kMaxLineLength = 8192;

    LineStore();
    LineStore(const LineStore&) = delete;
    LineStore& operator=(const LineStore&) = delete;

    // The listener is not owned; null silences the store.
    void SetListener(DocumentListener* listener) { listener_ = listener; }
    // The recorder is not owned; null records nothing. While one is attached every change to the
    // records is reported to it first, and no text is ever written over bytes a record points
    // to, so the records it keeps stay readable until the next load (loading is not reported:
    // whoever loads clears the history). Detaching it makes those kept records stale.
    void SetRecorder(LineChangeRecorder* recorder) { recorder_ = recorder; }

    // ---- Reading lines --------------------------------------------------------------------
    // Copies the line into `buffer` (`size` bytes), NUL-terminated and cut to fit. The caret
    // line is read from the current-line buffer. A line outside the document reads as empty.
    // Returns the characters copied.
    std::int32_t GetLineText(std::int32_t line, char* buffer, std::size_t size) const;
    // Stored length of the line (for the caret line, the current-line buffer's); 0 outside the
    // document.
    std::int32_t GetLineLength(std::int32_t line) const;
    // The line's text without copying, valid until the line or the caret line is next changed.
    std::string_view LineView(std::int32_t line) const;
    // The line's record as stored (stale for the caret line while current-line-changed is set);
    // a null, empty record outside the document. A first record with a null text pointer means
    // no file was loaded.
    LineRecord Record(std::int32_t line) const;

    // ---- The caret line -------------------------------------------------------------------
    // Which line the current-line buffer belongs to; the view sets it as the caret moves.
    void SetCaretLine(std::int32_t line) { caretLine_ = line; }
    std::int32_t CaretLine() const { return caretLine_; }
    // Copies the caret line's record into the current-line buffer, clears current-line-changed
    // and makes that text the one Restore line returns to.
    void LoadCurrentLine();
    // Writes a changed current-line buffer back into the caret line's record. Without a
    // recorder: in place when the old text was not empty and not shorter, otherwise into new
    // arena storage. With one: a text that is the start or the end of the old one only narrows
    // the record, anything else goes into new arena storage. When the arena is exhausted it
    // reports "Out of memory", makes the document read only and puts the old text back into the
    // buffer. A changed line ends with current-line-changed clear and OnLineChanged called.
    // Changed or not, the stored text becomes the one Restore line returns to. Returns the
    // buffer's length afterwards.
    std::int32_t StoreCurrentLine();
    // Writes a changed current-line buffer back as StoreCurrentLine does with a recorder (never
    // in place), but leaves Restore line's text where the last load or store put it: for
    // storing the caret line at the end of an undo step without the user having left it.
    void CommitCurrentLine();
    // The caret line's text as LoadCurrentLine or StoreCurrentLine last left it; valid until the
    // next load.
    std::string_view RestoreText() const;
    // Puts RestoreText back into the current-line buffer; current-line-changed is then set
    // exactly when it differs from the caret line's stored text.
    void RestoreCurrentLine();
    // Replaces the text of a line (the caret line only while it holds no unstored change, and
    // its buffer then follows); `text` may lie within the line's own old text. Without a
    // recorder: in place when the old text is at least as long, otherwise in new arena storage.
    // With one: text within the line's old text, or equal to its start or end, only narrows the
    // record (no byte is written or allocated), anything else goes into new arena storage. When
    // the arena is exhausted it reports "Out of memory", makes the document read only and
    // returns false with the line unchanged. A changed line marks the document modified; the
    // same text again changes and marks nothing.
    bool SetLineText(std::int32_t line, std::string_view text);
    // Points the records of lines first, first + 1, ... (none the caret line) at `texts`, which
    // must lie in storage from this store's arena; nothing is copied, and the document is
    // marked modified once. False, changing nothing, when a line is outside the document.
    bool AdoptLineTexts(std::int32_t first, const std::string_view* texts, std::int32_t count);
    CurrentLineBuffer& CurrentLine() { return currentLine_; }
    const CurrentLineBuffer& CurrentLine() const { return currentLine_; }

    // ---- Whole lines ----------------------------------------------------------------------
    // Zeroes every record (creating the table on first use, false if that fails), puts the
    // caret on line 0 and sets the line count to 0, telling the listener. Emptying a document
    // that had lines is reported as the deletion of all of them.
    bool ResetLines();
    // ResetLines, then one empty line, an empty current-line buffer, and not modified; not
    // reported to the recorder.
    bool NewDocument();
    // Adds `delta` to the line count and tells the listener. Lines taken in (within the table)
    // start empty, and taking them in is reported as their insertion.
    void AdjustLineCount(std::int32_t delta);
    // Grows the table by one step (500 records, or a sixteenth of a table beyond 8000 records);
    // true when the capacity now differs from the line count.
    bool GrowLineTable();
    // Makes room for `lines` records in one growth, so that loading a large file of about that
    // many lines never copies the table; an empty table is replaced by a fresh block. False
    // when there is no room: the lines are kept (an empty table comes back at its old size,
    // or, when even that fails, as none, which refuses every append).
    bool ReserveLines(std::int32_t lines);
    // Opens n empty lines at `index` (0 to the line count), growing the table as needed so a
    // spare record remains. False, changing nothing, when the table cannot grow.
    bool InsertLines(std::int32_t index, std::int32_t n);
    // Removes n lines from `index` (cut to the lines that exist). Their text is not freed.
    void DeleteLines(std::int32_t index, std::int32_t n);
    // Replaces records [first, first + oldCount) by copies of `records` with one move of the
    // records behind, growing the table as InsertLines does; for undo and redo, so it is not
    // reported to the recorder. False, changing nothing, when the range is outside the document,
    // the table cannot grow, or the current-line buffer holds an unstored change (store it
    // first, and reload it afterwards). Marks the document modified.
    bool ReplaceRecords(std::int32_t first, std::int32_t oldCount, const LineRecord* records,
                        std::int32_t newCount);
    // Marks the document modified and tells the listener; for commands that change whole lines.
    void OnLineChanged();

    // ---- Loading --------------------------------------------------------------------------
    // Starts a load: frees all arena storage, clears modified and current-line-changed, and
    // clears the records as ResetLines does (whose result it returns) without reporting it. The
    // file buffer may then be refilled.
    bool BeginLoad();
    // Appends a line record during loading. `text` .. `text` + length must lie within the file
    // buffer's data (Data() to Data() + Length()), since edits may later overwrite it in place;
    // anything else is refused. Grows the table by one step whenever the count reaches the
    // capacity, and returns false when it cannot; the count then equals the capacity and
    // further appends are refused. Call AdjustLineCount(0) once the last line is in.
    bool AppendLine(const char* text, std::int32_t length);
    FileBuffer& GetFileBuffer() { return fileBuffer_; }
    TextArena& Arena() { return arena_; }

    // ---- Settings and state ---------------------------------------------------------------
    // Replaces the current-line buffer with one of `lineLength` bytes (kMinLineLength to
    // kMaxLineLength). Meant for a document that is a single line; false keeps the old length.
    bool SetLineLength(std::int32_t lineLength);
    std::int32_t LineLength() const { return currentLine_.Size(); }
    std::int32_t LineCount() const { return lineCount_; }
    std::int32_t LineCapacity() const { return lines_.Capacity(); }
    DocumentFlags& Flags() { return flags_; }
    const DocumentFlags& Flags() const { return flags_; }
    // Test seam: the line table never grows beyond `records` (negative lifts the limit), as
    // when the heap is full; a full heap cannot be produced on demand.
    void LimitLineCapacityForTesting(std::int32_t records) { capacityLimit_ = records; }

private:
    bool IsCaretLine(std::int32_t line) const {
        return line == caretLine_ && line >= 0 && line < lineCount_;
    }
    bool InDocument(std::int32_t line) const { return line >= 0 && line < lineCount_; }
    void ClearRecords(std::int32_t from, std::int32_t to);
    // ResetLines without telling the recorder.
    bool ClearTable();
    // Sets the line count and tells the listener; reports nothing.
    void SetLineCount(std::int32_t count);
    // Tells the recorder, if any, of a replacement about to happen.
    void Report(std::int32_t first, std::int32_t oldCount, std::int32_t newCount) const;
    // Changes a line's record to `next`, reporting it first; an unchanged record is no change.
    void ReplaceRecord(std::int32_t line, const LineRecord& next);
    // Copies the caret line's record into the buffer, leaving Restore line's text alone.
    void ReloadBuffer();
    // The shared write-back of StoreCurrentLine and CommitCurrentLine.
    std::int32_t WriteCurrentLine(bool inPlace);
    // Text for a line's new record, in new arena storage unless `old`'s own bytes hold it; false
    // after reporting that the arena is exhausted.
    bool TextRecord(const LineRecord& old, std::string_view text, LineRecord& result);
    // Grows the table by one step: kLineGrowthStep records, or a sixteenth of a large table.
    bool GrowTable();
    // Writable address of text that lies within the file buffer's data, or null.
    char* FileBufferText(const char* text, std::int32_t length);

    GrowArray<LineRecord> lines_;            // records 0 .. lineCount_ - 1 are the document
    std::int32_t lineCount_ = 0;             // always below the table's capacity once loaded
    std::int32_t caretLine_ = 0;             // line held in currentLine_
    FileBuffer fileBuffer_;                  // bytes of the last file read
    TextArena arena_;                        // text of lines edited since the last load
    CurrentLineBuffer currentLine_;          // the caret line while it is edited
    DocumentFlags flags_;
    DocumentListener* listener_ = nullptr;   // not owned
    LineChangeRecorder* recorder_ = nullptr; // not owned
    LineRecord restoreRecord_{nullptr, 0};   // the caret line as last loaded or stored
    std::int32_t capacityLimit_ = -1;        // see LimitLineCapacityForTesting
};

// True when begin..end (end exclusive) selects at least one character position within the
// document: both marks on existing lines and within their lines, end not before begin.
bool HasBlock(const TextPos& begin, const TextPos& end, const LineStore& store);

} // namespace kestrel
