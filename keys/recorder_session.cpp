// The key recorder's edits of its working table.
#include "keys/recorder_session.h"

#include <new>
#include <utility>

#include "keys/key_names.h"

namespace kestrel {

void RecorderSession::Begin(KeyTable table, bool showsDefaults) {
    table_ = std::move(table);
    showsDefaults_ = showsDefaults;
    restored_ = false;
    accepted_ = false;
    recording_.End();
    recording_.LoseFocus();
}

std::string RecorderSession::Title() const {
    return showsDefaults_ ? "Keys - Default" : "Keys";
}

std::string RecorderSession::RowText(std::size_t row) const {
    return row < table_.Count() ? RecorderRowText(table_.At(row)) : std::string();
}

std::optional<std::size_t> RecorderSession::RowOf(int selection) const {
    if (selection < 0 || static_cast<std::size_t>(selection) >= table_.Count()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(selection);
}

RecorderEdit RecorderSession::Add(int selection) {
    std::optional<std::size_t> row = RowOf(selection);
    if (!row) {
        return RecorderEdit::Ignored;
    }
    recording_.End();
    try {
        // A single insertion either happens whole or leaves the table as it was.
        if (!table_.InsertKeylessCopy(*row)) {
            return RecorderEdit::Ignored;
        }
    } catch (const std::bad_alloc&) {
        return RecorderEdit::Ignored;
    }
    showsDefaults_ = false;
    return RecorderEdit::Changed;
}

RecorderEdit RecorderSession::Delete(int selection) {
    std::optional<std::size_t> row = RowOf(selection);
    if (!row) {
        return RecorderEdit::Ignored;
    }
    recording_.End();
    if (!table_.RemoveBinding(*row)) {
        return RecorderEdit::Refused;
    }
    showsDefaults_ = false;
    return RecorderEdit::Changed;
}

bool RecorderSession::RestoreDefaults() {
    recording_.End();
    try {
        // Built apart first: the working table may hold fewer rows than the defaults, and it
        // must stay whole if they cannot be had.
        KeyTable defaults = KeyTable::Defaults();
        table_ = std::move(defaults);
    } catch (const std::bad_alloc&) {
        return false;
    }
    showsDefaults_ = true;
    restored_ = true;
    return true;
}

bool RecorderSession::StartRecording(int selection) {
    std::optional<std::size_t> row = RowOf(selection);
    if (!row || !recording_.Start(table_, *row)) {
        return false;
    }
    showsDefaults_ = false;
    return true;
}

void RecorderSession::Accept() {
    recording_.End();
    accepted_ = true;
}

std::optional<AcceptedKeyTable> RecorderSession::TakeAccepted() {
    if (!accepted_) {
        return std::nullopt;
    }
    accepted_ = false;
    // The recorder is closing: its table moves to the main window without a copy.
    return AcceptedKeyTable{std::move(table_), restored_};
}

} // namespace kestrel
