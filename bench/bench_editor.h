// The editor without a window, for the benchmarks: a line store and a view state behind the
// real commands, with host calls that cost nothing and scrolls that run the real rules.
#pragma once

#include <cstdint>
#include <string_view>

#include "commands/block_commands.h"
#include "commands/cursor_commands.h"
#include "commands/editor_context.h"
#include "commands/editor_host.h"
#include "commands/line_editing.h"
#include "commands/text_view_host.h"
#include "document/document_listener.h"
#include "document/line_store.h"

namespace kestrel {

class BenchEditor : public EditorHost, public TextViewHost, public DocumentListener {
public:
    BenchEditor() {
        store.SetListener(this);
        view.SetFontMetrics(8, 16);
        view.SetClientSize(800, 328);
        view.UpdateLayout();
    }

    void Repaint() override { view.BeginRepaint(); }
    void PlaceCaret() override {}
    void ScrollVertical(ScrollCode code) override { view.ScrollVertical(code, 0, *this); }
    void ScrollHorizontal(ScrollCode code) override { view.ScrollHorizontal(code, 0, *this); }
    void SetVerticalScrollPosition(std::int32_t) override {}
    void SetHorizontalScrollPosition(std::int32_t) override {}
    void Beep() override {}
    void ShowMessage(std::string_view, std::string_view) override {}
    void RecreateCaret() override {}
    void ToggleWindowSize() override {}
    void StoreCurrentLine() override { store.StoreCurrentLine(); }
    void LoadCurrentLine() override { context.LoadCurrentLine(); }
    void OnLineChanged() override {}
    void OnLineCountChanged(std::int32_t count) override {
        view.AdjustLineCount(count - view.LineCount());
    }

    LineStore store;
    TextViewState view;
    EditorContext context{store, view, *this};
    CursorCommands cursor{context};
    LineEditing editing{context};
    BlockCommands block{context};
};

} // namespace kestrel
