// The line store: line records, the caret line's buffer and how edits are written back.
#include "document/line_store.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "document/document_listener.h"
#include "document/text_columns.h"

namespace kestrel {

namespace {

std::string_view TextOf(const LineRecord& record) {
    if (record.length <= 0) {
        return {};
    }
    return {record.text, static_cast<std::size_t>(record.length)};
}

// A record for `text` that reuses `old`'s bytes, when they hold it: text lying within them (a
// line cut down to its start or its end), or bytes equal to their start or end (Backspace at
// the end of a line). Nothing is written, so `old` itself still reads as before.
bool NarrowedRecord(const LineRecord& old, std::string_view text, LineRecord& result) {
    if (text.empty()) {
        result = LineRecord{old.text, 0};
        return true;
    }
    if (old.length <= 0 || text.size() > static_cast<std::size_t>(old.length)) {
        return false;
    }
    const std::int32_t length = static_cast<std::int32_t>(text.size());
    const char* begin = old.text;
    const char* end = begin + old.length;
    std::less_equal<const char*> notAfter;
    if (notAfter(begin, text.data()) && notAfter(text.data() + text.size(), end)) {
        result = LineRecord{old.text + (text.data() - begin), length};
        return true;
    }
    if (std::memcmp(begin, text.data(), text.size()) == 0) {
        result = LineRecord{old.text, length};
        return true;
    }
    if (std::memcmp(end - length, text.data(), text.size()) == 0) {
        result = LineRecord{old.text + (old.length - length), length};
        return true;
    }
    return false;
}

} // namespace

LineStore::LineStore() {
    currentLine_.Resize(kInitialLineLength);
}

// ---- Reading lines ----------------------------------------------------------------------------

std::int32_t LineStore::GetLineText(std::int32_t line, char* buffer, std::size_t size) const {
    if (size == 0) {
        return 0;
    }
    std::string_view text = LineView(line);
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n > 0) {
        std::memcpy(buffer, text.data(), n);
    }
    buffer[n] = '\0';
    return static_cast<std::int32_t>(n);
}

std::int32_t LineStore::GetLineLength(std::int32_t line) const {
    if (IsCaretLine(line)) {
        return currentLine_.Length();
    }
    return InDocument(line) ? lines_[line].length : 0;
}

LineRecord LineStore::Record(std::int32_t line) const {
    return InDocument(line) ? lines_[line] : LineRecord{nullptr, 0};
}

std::string_view LineStore::LineView(std::int32_t line) const {
    if (IsCaretLine(line)) {
        return currentLine_.View();
    }
    return InDocument(line) ? TextOf(lines_[line]) : std::string_view();
}

// ---- The caret line ---------------------------------------------------------------------------

void LineStore::LoadCurrentLine() {
    ReloadBuffer();
    restoreRecord_ = Record(caretLine_);
}

void LineStore::ReloadBuffer() {
    currentLine_.Assign(TextOf(Record(caretLine_)));
    flags_.currentLineChanged = false;
}

std::int32_t LineStore::StoreCurrentLine() {
    // Only without a recorder may the old bytes be overwritten: a kept record may point to them.
    const std::int32_t length = WriteCurrentLine(recorder_ == nullptr);
    restoreRecord_ = Record(caretLine_);
    return length;
}

void LineStore::CommitCurrentLine() {
    // Never in place, with or without a recorder: Restore line's text must keep its bytes.
    WriteCurrentLine(false);
}

std::string_view LineStore::RestoreText() const {
    return TextOf(restoreRecord_);
}

void LineStore::RestoreCurrentLine() {
    currentLine_.Assign(RestoreText());
    flags_.currentLineChanged = currentLine_.View() != TextOf(Record(caretLine_));
}

std::int32_t LineStore::WriteCurrentLine(bool inPlace) {
    std::int32_t length = currentLine_.Length();
    if (!flags_.currentLineChanged) {
        return length;
    }
    flags_.currentLineChanged = false;
    if (!InDocument(caretLine_)) {
        return length;
    }
    LineRecord& record = lines_[caretLine_];
    if (currentLine_.View() == TextOf(record)) {
        // Edits that came back to the stored text (a character overtyped with itself) change
        // nothing: the document is not modified by them.
        return length;
    }
    if (inPlace && (length == 0 || (record.length != 0 && record.length >= length))) {
        // An empty line's text is never read, and the leftover tail of a longer one is simply
        // abandoned. An empty old line is not written in place: its pointer may sit on a line
        // end inside the file buffer, with no room behind it.
        if (length > 0) {
            std::memcpy(record.text, currentLine_.Data(), static_cast<std::size_t>(length));
        }
        record.length = length;
    } else {
        LineRecord next{nullptr, 0};
        if (TextRecord(record, currentLine_.View(), next)) {
            ReplaceRecord(caretLine_, next);
        } else {
            // The edit is lost; the buffer shows what is really stored, so that nothing on
            // screen suggests text that a save would not write.
            ReloadBuffer();
            length = currentLine_.Length();
        }
    }
    OnLineChanged();
    return length;
}

bool LineStore::TextRecord(const LineRecord& old, std::string_view text, LineRecord& result) {
    if (NarrowedRecord(old, text, result)) {
        return true;
    }
    char* storage = arena_.ArenaAlloc(text.size());
    if (storage == nullptr) {
        if (listener_ != nullptr) {
            listener_->ShowMessage(kOutOfMemoryText, "");
        }
        flags_.readOnly = true;
        return false;
    }
    std::memcpy(storage, text.data(), text.size());
    result = LineRecord{storage, static_cast<std::int32_t>(text.size())};
    return true;
}

void LineStore::ReplaceRecord(std::int32_t line, const LineRecord& next) {
    LineRecord& record = lines_[line];
    if (record.text != next.text || record.length != next.length) {
        Report(line, 1, 1);
        record = next;
    }
}

void LineStore::Report(std::int32_t first, std::int32_t oldCount, std::int32_t newCount) const {
    if (recorder_ != nullptr) {
        recorder_->BeforeReplace(lines_.Elements() + first, first, oldCount, newCount);
    }
}

bool LineStore::SetLineText(std::int32_t line, std::string_view text) {
    // The caret line's buffer would go stale under a change it does not hold itself.
    if (!InDocument(line) || (IsCaretLine(line) && flags_.currentLineChanged) ||
        text.size() > INT32_MAX) {
        return false;
    }
    LineRecord& record = lines_[line];
    if (text == TextOf(record)) {
        // The same text again changes nothing and modifies nothing; the caret line's buffer
        // still follows its record, as after any other change.
        if (IsCaretLine(line)) {
            LoadCurrentLine();
        }
        return true;
    }
    const std::int32_t length = static_cast<std::int32_t>(text.size());
    if (recorder_ == nullptr && length <= record.length) {
        if (length > 0) {
            // The text may be a later part of the same line, moved to its start.
            std::memmove(record.text, text.data(), text.size());
        }
        record.length = length;
    } else {
        LineRecord next{nullptr, 0};
        if (!TextRecord(record, text, next)) {
            return false;
        }
        ReplaceRecord(line, next);
    }
    if (IsCaretLine(line)) {
        LoadCurrentLine();
    }
    OnLineChanged();
    return true;
}

bool LineStore::AdoptLineTexts(std::int32_t first, const std::string_view* texts,
                               std::int32_t count) {
    if (count < 0 || first < 0 || first > lineCount_ - count ||
        (caretLine_ >= first && caretLine_ < first + count)) {
        return false;
    }
    if (count > 0) {
        Report(first, count, count);
    }
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string_view text = texts[i];
        // An empty line's pointer is never read; it only must not be null.
        lines_[first + i] = LineRecord{
            text.empty() ? lines_[first + i].text : const_cast<char*>(text.data()),
            static_cast<std::int32_t>(text.size())};
    }
    OnLineChanged();
    return true;
}

// ---- Whole lines ------------------------------------------------------------------------------

void LineStore::ClearRecords(std::int32_t from, std::int32_t to) {
    if (to > from) {
        std::memset(static_cast<void*>(lines_.Elements() + from), 0,
                    static_cast<std::size_t>(to - from) * sizeof(LineRecord));
    }
}

bool LineStore::ResetLines() {
    if (lineCount_ > 0 && lines_.Elements() != nullptr) {
        Report(0, lineCount_, 0);
    }
    return ClearTable();
}

bool LineStore::ClearTable() {
    caretLine_ = 0;
    if (lines_.Elements() != nullptr) {
        ClearRecords(0, lines_.Capacity());
    } else if (!lines_.Create(kInitialLineCapacity, kLineGrowthStep)) {
        lineCount_ = 0;
        return false;
    }
    SetLineCount(0);
    return true;
}

bool LineStore::NewDocument() {
    restoreRecord_ = LineRecord{nullptr, 0};
    if (!ClearTable()) {
        return false;
    }
    // Set directly: the listener has just heard of the reset and needs no second notice.
    lineCount_ = 1;
    currentLine_.Clear();
    flags_.modified = false;
    flags_.currentLineChanged = false;
    return true;
}

void LineStore::AdjustLineCount(std::int32_t delta) {
    // Growth within the table takes in records that a deletion may have left behind: they are
    // emptied, so that the lines read as empty and undoing and redoing the growth is exact.
    if (delta > 0 && lines_.Elements() != nullptr && delta < lines_.Capacity() - lineCount_) {
        Report(lineCount_, 0, delta);
        ClearRecords(lineCount_, lineCount_ + delta);
    }
    SetLineCount(lineCount_ + delta);
}

void LineStore::SetLineCount(std::int32_t count) {
    lineCount_ = count;
    if (listener_ != nullptr) {
        listener_->OnLineCountChanged(lineCount_);
    }
}

bool LineStore::GrowTable() {
    // 500 records at a time while the table is small; a large table grows by a sixteenth of
    // itself, or reading a file of a million lines would copy the table thousands of times
    // (a reallocation under Wine copies the whole block).
    const std::int32_t step = std::max(kLineGrowthStep, lines_.Capacity() / 16);
    if (capacityLimit_ >= 0 && lines_.Capacity() > capacityLimit_ - step) {
        return false;
    }
    return lines_.GrowBy(step);
}

bool LineStore::ReserveLines(std::int32_t lines) {
    if (lines_.Elements() == nullptr || lines < lines_.Capacity()) {
        return lines_.Elements() != nullptr;
    }
    if (lines == INT32_MAX) {
        return false;
    }
    if (lineCount_ == 0) {
        // Nothing to keep: a fresh block instead of a grown one. The system hands out a large
        // block zero-filled already, so no pass over it is needed, and the old block is gone
        // before the new one is taken. If that fails, the old size is taken again.
        const std::int32_t oldCapacity = lines_.Capacity();
        if (lines_.Create(lines + 1, lines_.Step())) {
            return true;
        }
        lines_.Create(oldCapacity, lines_.Step());
        return false;
    }
    return lines_.GrowBy(lines + 1 - lines_.Capacity());
}

bool LineStore::GrowLineTable() {
    GrowTable();
    return lines_.Capacity() != lineCount_;
}

bool LineStore::InsertLines(std::int32_t index, std::int32_t n) {
    if (index < 0 || index > lineCount_ || n < 1 || lines_.Elements() == nullptr ||
        lineCount_ > INT32_MAX - n) {
        return false;
    }
    while (lineCount_ + n >= lines_.Capacity()) {
        if (!GrowTable()) {
            return false;
        }
    }
    Report(index, 0, n);
    LineRecord* records = lines_.Elements();
    std::memmove(static_cast<void*>(records + index + n), records + index,
                 static_cast<std::size_t>(lineCount_ - index) * sizeof(LineRecord));
    ClearRecords(index, index + n);
    SetLineCount(lineCount_ + n);
    return true;
}

void LineStore::DeleteLines(std::int32_t index, std::int32_t n) {
    if (index < 0 || index >= lineCount_ || n < 1) {
        return;
    }
    if (n > lineCount_ - index) {
        n = lineCount_ - index;
    }
    Report(index, n, 0);
    LineRecord* records = lines_.Elements();
    // One move of the records behind; those left beyond the new count are never read (every
    // record a line count takes in again is written first), so a large delete costs no more.
    std::memmove(static_cast<void*>(records + index), records + index + n,
                 static_cast<std::size_t>(lineCount_ - index - n) * sizeof(LineRecord));
    SetLineCount(lineCount_ - n);
}

bool LineStore::ReplaceRecords(std::int32_t first, std::int32_t oldCount,
                               const LineRecord* records, std::int32_t newCount) {
    if (flags_.currentLineChanged || lines_.Elements() == nullptr || first < 0 || oldCount < 0 ||
        newCount < 0 || first > lineCount_ || oldCount > lineCount_ - first ||
        (newCount > 0 && records == nullptr) || newCount > INT32_MAX - (lineCount_ - oldCount)) {
        return false;
    }
    const std::int32_t count = lineCount_ - oldCount + newCount;
    while (count >= lines_.Capacity()) {
        if (!GrowTable()) {
            return false;
        }
    }
    LineRecord* table = lines_.Elements();
    if (oldCount != newCount) {
        std::memmove(static_cast<void*>(table + first + newCount), table + first + oldCount,
                     static_cast<std::size_t>(lineCount_ - first - oldCount) * sizeof(LineRecord));
    }
    if (newCount > 0) {
        std::memcpy(static_cast<void*>(table + first), records,
                    static_cast<std::size_t>(newCount) * sizeof(LineRecord));
    }
    if (count != lineCount_) {
        SetLineCount(count);
    }
    OnLineChanged();
    return true;
}

void LineStore::OnLineChanged() {
    flags_.modified = true;
    if (listener_ != nullptr) {
        listener_->OnLineChanged();
    }
}

// ---- Loading ----------------------------------------------------------------------------------

bool LineStore::BeginLoad() {
    arena_.ArenaFreeAll();
    flags_.modified = false;
    flags_.currentLineChanged = false;
    restoreRecord_ = LineRecord{nullptr, 0};
    return ClearTable();
}

bool LineStore::AppendLine(const char* text, std::int32_t length) {
    if (length < 0 || lineCount_ >= lines_.Capacity()) {
        return false;
    }
    char* fileText = FileBufferText(text, length);
    if (fileText == nullptr) {
        return false;
    }
    lines_[lineCount_] = LineRecord{fileText, length};
    ++lineCount_;
    if (lineCount_ == lines_.Capacity()) {
        return GrowLineTable();
    }
    return true;
}

char* LineStore::FileBufferText(const char* text, std::int32_t length) {
    char* data = fileBuffer_.Data();
    if (data == nullptr) {
        return nullptr;
    }
    const char* end = data + fileBuffer_.Length();
    std::less_equal<const char*> notAfter;
    if (!notAfter(data, text) || !notAfter(text, end) ||
        static_cast<std::size_t>(end - text) < static_cast<std::size_t>(length)) {
        return nullptr;
    }
    return data + (text - data);
}

// ---- Settings and state -----------------------------------------------------------------------

bool LineStore::SetLineLength(std::int32_t lineLength) {
    if (lineLength < kMinLineLength || lineLength > kMaxLineLength) {
        return false;
    }
    return currentLine_.Resize(lineLength);
}

// ---- Block ------------------------------------------------------------------------------------

bool HasBlock(const TextPos& begin, const TextPos& end, const LineStore& store) {
    std::int32_t lines = store.LineCount();
    if (begin.line < 0 || begin.line >= lines || end.line < begin.line || end.line >= lines) {
        return false;
    }
    if (begin.index < 0 || begin.index > store.GetLineLength(begin.line) || end.index < 0 ||
        end.index > store.GetLineLength(end.line)) {
        return false;
    }
    return end.line > begin.line || begin.index < end.index;
}

} // namespace kestrel
