// The caret-line steps shared by the cursor and line-editing commands.
#include "commands/editor_context.h"

#include "document/text_columns.h"

namespace kestrel {

std::int32_t EditorContext::CaretIndex() const {
    return ColumnToIndex(view_.CaretDocumentColumn(), CaretText(), view_.TabSize());
}

std::int32_t EditorContext::CaretLineWidth() const {
    return IndexToColumn(CaretLength(), CaretText(), view_.TabSize());
}

void EditorContext::LoadCurrentLine() {
    store_.SetCaretLine(view_.CaretLine());
    store_.LoadCurrentLine();
}

void EditorContext::ResumePainting() {
    if (view_.ResumePainting()) {
        host_.Repaint();
    }
}

void EditorContext::StepCaretDown() {
    if (view_.CaretRow() < view_.VisibleLines() - 1) {
        view_.SetCaretRow(view_.CaretRow() + 1);
    } else {
        host_.ScrollVertical(ScrollCode::LineDown);
    }
}

void EditorContext::PlaceCaretAtDocumentColumn(std::int32_t documentColumn) {
    if (documentColumn < view_.HorizontalOffset()) {
        // A character that starts left of the window (a tab across its left edge): page left
        // until it shows, rather than leave the caret in the margin.
        view_.SuspendPainting();
        while (documentColumn < view_.HorizontalOffset()) {
            const std::int32_t before = view_.HorizontalOffset();
            host_.ScrollHorizontal(ScrollCode::PageLeft);
            if (view_.HorizontalOffset() == before) {
                break;
            }
        }
        view_.SetCaretColumn(documentColumn - view_.HorizontalOffset());
        host_.Repaint();
        ResumePainting();
        host_.SetHorizontalScrollPosition(view_.HorizontalOffset());
        return;
    }
    view_.SetCaretColumn(documentColumn - view_.HorizontalOffset());
}

} // namespace kestrel
