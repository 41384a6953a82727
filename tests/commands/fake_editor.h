// A window-free stand-in for the editor window in command tests: it owns a line store and a
// view state as the window does, answers the commands' host calls by recording them, and runs
// scroll messages through the real view-state rules so that tests see their real results.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "commands/editor_context.h"
#include "commands/editor_host.h"
#include "commands/text_view_host.h"
#include "commands/text_view_state.h"
#include "document/document_listener.h"
#include "document/edit_history.h"
#include "document/line_store.h"

namespace kestrel {

class FakeEditor : public EditorHost, public TextViewHost, public DocumentListener {
public:
    // A window of 800 x 328 pixels with an 8 x 16 font: 20 whole rows and 800 / 8 - 8 = 92
    // visible columns.
    static constexpr std::int32_t kVisibleLines = 20;
    static constexpr std::int32_t kVisibleColumns = 92;

    explicit FakeEditor(std::int32_t lineLength = LineStore::kInitialLineLength) {
        store.SetListener(this);
        store.SetRecorder(&history);
        store.SetLineLength(lineLength);
        view.SetLineLength(lineLength);
        view.SetFontMetrics(8, 16);
        view.SetClientSize(800, 328);
        view.UpdateLayout();
    }

    // Loads `lines` the way the file loader does (records pointing into the file buffer) and
    // puts the caret on line 0, column 0. An empty list gives a new, one-line document.
    void Load(const std::vector<std::string>& lines) {
        if (lines.empty()) {
            store.NewDocument();
            view.SetLineCount(store.LineCount());
        } else {
            std::string bytes;
            for (const std::string& line : lines) {
                bytes += line;
                bytes += '\n';
            }
            FileBuffer& file = store.GetFileBuffer();
            if (!store.BeginLoad() || !file.Reserve(bytes.size())) {
                std::abort();
            }
            std::memcpy(file.Data(), bytes.data(), bytes.size());
            file.SetLength(bytes.size());
            const char* start = file.Data();
            for (const std::string& line : lines) {
                if (!store.AppendLine(start, static_cast<std::int32_t>(line.size()))) {
                    std::abort();
                }
                start += line.size() + 1;
            }
            store.AdjustLineCount(0);
        }
        history.Clear();
        PutCaret(0, 0, 0, 0);
        calls.clear();
    }

    // Places the view directly (no store, no host calls) and loads the caret line.
    void PutCaret(std::int32_t top, std::int32_t row, std::int32_t column, std::int32_t offset) {
        view.SetTopLine(top);
        view.SetCaretRow(row);
        view.SetCaretColumn(column);
        view.SetHorizontalOffset(offset);
        store.SetCaretLine(view.CaretLine());
        store.LoadCurrentLine();
    }

    // The text of a line as the window would paint it (the caret line from its buffer).
    std::string Line(std::int32_t line) const { return std::string(store.LineView(line)); }
    // The text stored in a line's record, ignoring the caret line's buffer.
    std::string StoredLine(std::int32_t line) const {
        LineRecord record = store.Record(line);
        return record.length > 0 ? std::string(record.text, static_cast<std::size_t>(record.length))
                                 : std::string();
    }
    std::int32_t CaretLine() const { return view.CaretLine(); }
    std::int32_t CaretDocumentColumn() const { return view.CaretDocumentColumn(); }
    bool Called(std::string_view call) const {
        for (const std::string& c : calls) {
            if (c == call) {
                return true;
            }
        }
        return false;
    }

    // ---- EditorHost and TextViewHost --------------------------------------------------------
    void Repaint() override {
        if (view.BeginRepaint()) {
            ++renders;
            calls.push_back("repaint");
        }
    }
    void PlaceCaret() override { calls.push_back("caret"); }
    void ScrollVertical(ScrollCode code) override {
        calls.push_back("vscroll " + std::to_string(static_cast<int>(code)));
        view.ScrollVertical(code, 0, *this);
    }
    void ScrollHorizontal(ScrollCode code) override {
        calls.push_back("hscroll " + std::to_string(static_cast<int>(code)));
        view.ScrollHorizontal(code, 0, *this);
    }
    void SetVerticalScrollPosition(std::int32_t position) override {
        calls.push_back("vpos " + std::to_string(position));
    }
    void SetHorizontalScrollPosition(std::int32_t position) override {
        calls.push_back("hpos " + std::to_string(position));
    }
    void Beep() override {
        ++beeps;
        calls.push_back("beep");
    }
    void ShowMessage(std::string_view text, std::string_view detail) override {
        messages.push_back(std::string(text) + "|" + std::string(detail));
    }
    void RecreateCaret() override { calls.push_back("recreate caret"); }
    void ToggleWindowSize() override { calls.push_back("toggle size"); }
    // The window's own store and load, as the view state calls them around a vertical scroll.
    void StoreCurrentLine() override { store.StoreCurrentLine(); }
    void LoadCurrentLine() override {
        store.SetCaretLine(view.CaretLine());
        store.LoadCurrentLine();
    }

    // ---- DocumentListener ---------------------------------------------------------------------
    void OnLineChanged() override { calls.push_back("line changed"); }
    void OnLineCountChanged(std::int32_t count) override {
        view.AdjustLineCount(count - view.LineCount());
    }

    EditHistory history; // attached to the store, as the program's is
    LineStore store;
    TextViewState view;
    EditorContext context{store, view, *this};
    std::vector<std::string> calls;
    std::vector<std::string> messages; // "text|detail"
    int renders = 0;
    int beeps = 0;
};

// Arena blocks that can never be had, to run the document out of memory.
inline void* FailingBlockAllocator(std::size_t) { return nullptr; }

} // namespace kestrel
