// What every editing command works on: the document's line store, the text view state and the
// window behind them, with the few caret-line steps that all commands share.
#pragma once

#include <cstdint>
#include <string_view>

#include "commands/editor_host.h"
#include "commands/text_view_state.h"
#include "document/line_store.h"

namespace kestrel {

class EditorContext {
public:
    // None of the three is owned; the window that owns the store and the view outlives this.
    EditorContext(LineStore& store, TextViewState& view, EditorHost& host)
        : store_(store), view_(view), host_(host) {}

    LineStore& Store() { return store_; }
    const LineStore& Store() const { return store_; }
    TextViewState& View() { return view_; }
    const TextViewState& View() const { return view_; }
    EditorHost& Host() { return host_; }

    // The caret line's text as it is being edited (the current-line buffer).
    std::string_view CaretText() const { return store_.CurrentLine().View(); }
    // Stored characters of the caret line; a tab counts one.
    std::int32_t CaretLength() const { return store_.CurrentLine().Length(); }
    // Character index at the caret's document column; beyond the end of the line it counts the
    // missing columns as spaces.
    std::int32_t CaretIndex() const;
    // Display width of the caret line, tabs expanded.
    std::int32_t CaretLineWidth() const;
    // The longest-line limit L: the size of the current-line buffer, so a line holds at most
    // L - 1 characters and the caret stops at document column L - 1.
    std::int32_t LineLimit() const { return store_.LineLength(); }
    // Number of lines in the document (at least 1 once a document is open).
    std::int32_t LineCount() const { return store_.LineCount(); }
    bool ReadOnly() const { return store_.Flags().readOnly; }
    bool OverwriteMode() const { return store_.Flags().overwriteMode; }

    // Writes the caret line back into the document if it changed. Call before the caret leaves
    // its line, while the view state still names that line.
    void StoreCurrentLine() { store_.StoreCurrentLine(); }
    // Reads the line the view state's caret is on into the current-line buffer.
    void LoadCurrentLine();
    // Ends a suspension of painting and renders once if a repaint was asked for meanwhile.
    void ResumePainting();
    // Moves the caret one line down: the next row, or on the bottom row the window scrolls by
    // one line under it. The caller stores the line before and loads the new one after.
    void StepCaretDown();
    // Sets the caret column so that the caret stands at `documentColumn`; when that lies left of
    // the window the view first scrolls left by pages until it is shown.
    void PlaceCaretAtDocumentColumn(std::int32_t documentColumn);

private:
    LineStore& store_;
    TextViewState& view_;
    EditorHost& host_;
};

} // namespace kestrel
