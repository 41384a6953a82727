// Loading a line store from plain bytes, typing into it and reading all of it back, for the tests
// and fuzz target of the history: lines end at LF alone, so any other byte stays in its line.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "document/line_store.h"

namespace kestrel {

// Fills the store the way the loader does and loads line 0 as the caret line.
inline bool LoadText(LineStore& store, std::string_view text) {
    FileBuffer& file = store.GetFileBuffer();
    if (!store.BeginLoad() || !file.Reserve(text.size())) {
        return false;
    }
    std::memcpy(file.Data(), text.data(), text.size());
    file.SetLength(text.size());
    const char* line = file.Data();
    const char* end = line + text.size();
    for (const char* p = line;; ++p) {
        if (p == end || *p == '\n') {
            if (!store.AppendLine(line, static_cast<std::int32_t>(p - line))) {
                return false;
            }
            if (p == end) {
                break;
            }
            line = p + 1;
        }
    }
    store.AdjustLineCount(0);
    store.LoadCurrentLine();
    return true;
}

// Puts `text` into the line's buffer as typing would, then stores or commits it. Moving the
// caret to another line stores the line it leaves.
inline void Type(LineStore& store, std::int32_t line, std::string_view text, bool commit = false) {
    if (line != store.CaretLine()) {
        store.StoreCurrentLine();
        store.SetCaretLine(line);
        store.LoadCurrentLine();
    }
    store.CurrentLine().Assign(text);
    store.Flags().currentLineChanged = true;
    if (commit) {
        store.CommitCurrentLine();
    } else {
        store.StoreCurrentLine();
    }
}

// A line as its record holds it; the caret line's buffer is not consulted.
inline std::string_view StoredLine(const LineStore& store, std::int32_t line) {
    const LineRecord record = store.Record(line);
    return record.length > 0
               ? std::string_view(record.text, static_cast<std::size_t>(record.length))
               : std::string_view();
}

// Every line as its record holds it, joined by LF.
inline std::string StoredText(const LineStore& store) {
    std::string text;
    for (std::int32_t i = 0; i < store.LineCount(); ++i) {
        text += i > 0 ? "\n" : "";
        text += StoredLine(store, i);
    }
    return text;
}

} // namespace kestrel
