// Block marks, block deletion and text insertion, on the line store and the view state.
#include "commands/block_commands.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "document/line_splitter.h"
#include "document/text_columns.h"

namespace kestrel {

namespace {

// Collects the lines of a split as views into the split text.
class LineViews : public LineSink {
public:
    bool AddLine(const char* text, std::int32_t length) override {
        lines.push_back(length > 0 ? std::string_view(text, static_cast<std::size_t>(length))
                                   : std::string_view());
        return true;
    }
    std::vector<std::string_view> lines;
};

// Copies `text` to `out` leaving out every carriage return, wherever it stands.
void CopyWithoutCarriageReturns(std::string_view text, char* out) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const void* found = std::memchr(p, '\r', static_cast<std::size_t>(end - p));
        const char* stop = found != nullptr ? static_cast<const char*>(found) : end;
        std::memcpy(out, p, static_cast<std::size_t>(stop - p));
        out += stop - p;
        p = stop + 1;
    }
}

} // namespace

TextPos MarkAtColumn(std::int32_t line, std::int32_t documentColumn, std::string_view text,
                     std::int32_t tabSize) {
    return {line, std::min(ColumnToIndex(documentColumn, text, tabSize),
                           static_cast<std::int32_t>(text.size()))};
}

std::pair<TextPos, TextPos> DragBlock(TextPos anchor, TextPos pointer) {
    if (anchor.line < pointer.line) {
        return {anchor, pointer};
    }
    if (pointer.line < anchor.line) {
        return {pointer, anchor};
    }
    return {{anchor.line, std::min(anchor.index, pointer.index)},
            {anchor.line, std::max(anchor.index, pointer.index)}};
}

TextPos BlockCommands::CaretMark() const {
    const TextViewState& view = context_.View();
    return MarkAtColumn(view.CaretLine(), view.CaretDocumentColumn(), context_.CaretText(),
                        view.TabSize());
}

void BlockCommands::MarkBegin() {
    TextViewState& view = context_.View();
    view.SetBlockBegin(CaretMark());
    view.SetBlockShown(HasBlock(view.BlockBegin(), view.BlockEnd(), context_.Store()));
    context_.Host().Repaint();
}

void BlockCommands::MarkEnd() {
    TextViewState& view = context_.View();
    view.SetBlockEnd(CaretMark());
    view.SetBlockShown(HasBlock(view.BlockBegin(), view.BlockEnd(), context_.Store()));
    context_.Host().Repaint();
}

void BlockCommands::HideBlock() {
    context_.View().SetBlockShown(!context_.View().BlockShown());
    context_.Host().Repaint();
}

bool BlockCommands::HasShownBlock() const {
    const TextViewState& view = context_.View();
    return view.BlockShown() && HasBlock(view.BlockBegin(), view.BlockEnd(), context_.Store());
}

void BlockCommands::DeleteBlock() {
    if (context_.ReadOnly() || !HasShownBlock()) {
        return;
    }
    TextViewState& view = context_.View();
    LineStore& store = context_.Store();
    const TextPos begin = view.BlockBegin();
    const TextPos end = view.BlockEnd();
    context_.StoreCurrentLine();
    if (context_.ReadOnly()) {
        return; // the caret line could not be stored; nothing is taken away
    }
    // Every change below shortens a stored line in place, so none of it needs memory.
    const std::string_view endLine = store.LineView(end.line);
    // A block of only the line break between two lines changes nothing: head and tail stay two
    // lines. Such a delete must not mark the document modified.
    bool changed = true;
    if (begin.line == end.line) {
        std::string text(endLine.substr(0, static_cast<std::size_t>(begin.index)));
        text.append(endLine.substr(static_cast<std::size_t>(end.index)));
        store.SetLineText(begin.line, text);
    } else {
        const bool keepsHead = begin.index > 0;
        const bool keepsTail = end.index < static_cast<std::int32_t>(endLine.size());
        const bool cutsHead = begin.index < store.GetLineLength(begin.line);
        if (keepsHead) {
            store.SetLineText(begin.line, store.LineView(begin.line)
                                              .substr(0, static_cast<std::size_t>(begin.index)));
        }
        if (keepsTail) {
            store.SetLineText(end.line, endLine.substr(static_cast<std::size_t>(end.index)));
        }
        const std::int32_t first = keepsHead ? begin.line + 1 : begin.line;
        const std::int32_t last = keepsTail ? end.line - 1 : end.line;
        changed = last >= first || end.index > 0 || cutsHead;
        if (last >= first) {
            // One move of the line records, however many lines go.
            store.DeleteLines(first, last - first + 1);
        }
    }
    view.SetBlockEnd(begin);
    if (store.LineCount() == 0) {
        store.ResetLines();
        store.AdjustLineCount(1);
        view.SetBlock({}, {});
    }
    KeepCaretInDocument();
    context_.LoadCurrentLine();
    context_.Host().Repaint();
    if (changed) {
        store.OnLineChanged();
    }
}

void BlockCommands::KeepCaretInDocument() {
    TextViewState& view = context_.View();
    EditorHost& host = context_.Host();
    const std::int32_t last = context_.LineCount() - 1;
    if (view.CaretLine() <= last) {
        return;
    }
    if (view.TopLine() > last) {
        // The page now ends at the last line, so the caret stays in sight.
        view.SetTopLine(std::max(0, last - std::max(view.VisibleLines(), 1) + 1));
        host.SetVerticalScrollPosition(view.TopLine());
    }
    view.SetCaretRow(last - view.TopLine());
    host.PlaceCaret();
}

InsertionText::InsertionText(TextArena& arena, std::string_view text) : arena_(arena) {
    size_ = text.size() - static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    storage_ = arena_.ArenaAllocLarge(std::max<std::size_t>(size_, 1));
    if (storage_ != nullptr) {
        CopyWithoutCarriageReturns(text, storage_);
    } else {
        size_ = 0;
    }
}

InsertionText::~InsertionText() {
    if (!kept_) {
        arena_.ArenaFreeLarge(storage_);
    }
}

bool BlockCommands::InsertText(std::string_view text) {
    InsertionText prepared(context_.Store().Arena(), text);
    return InsertText(prepared);
}

bool BlockCommands::InsertText(InsertionText& text) {
    EditorHost& host = context_.Host();
    if (!text.Ready()) {
        host.ShowMessage(kOutOfMemoryText, "");
        return false;
    }
    // Storing many lines tells the window of each one; it renders once, at the end.
    context_.View().SuspendPainting();
    std::int32_t cutLines = 0;
    InsertResult result = InsertResult::OutOfMemory;
    try {
        result = InsertLinesOf(text, cutLines);
    } catch (const std::bad_alloc&) {
        // Thrown before the document was touched: it stays as it was.
        result = InsertResult::OutOfMemory;
    }
    // Painting resumes before any message, so the view stays drawn behind the box.
    context_.ResumePainting();
    host.Repaint();
    host.PlaceCaret();
    if (result == InsertResult::OutOfMemory) {
        host.ShowMessage(kOutOfMemoryText, "");
    } else if (result == InsertResult::Inserted && cutLines > 0) {
        host.ShowMessage(LinesCutWarning(context_.LineLimit()), "");
    }
    return result == InsertResult::Inserted;
}

BlockCommands::InsertResult BlockCommands::InsertLinesOf(InsertionText& text,
                                                         std::int32_t& cutLines) {
    TextViewState& view = context_.View();
    LineStore& store = context_.Store();
    const std::int32_t limit = context_.LineLimit() - 1;

    // The lines are views into the text's storage: each byte was copied once, however many
    // lines it makes.
    const std::string_view bytes = text.Text();
    LineViews split;
    split.lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
                        1);
    cutLines = SplitBuffer(bytes.data(), bytes.size(), context_.LineLimit(), view.TabSize(), split)
                   .cutLines;
    const std::vector<std::string_view>& pieces = split.lines;
    const std::int32_t extra = static_cast<std::int32_t>(pieces.size()) - 1;

    const std::int32_t caretLine = view.CaretLine();
    const std::int32_t index = context_.CaretIndex();
    const std::string line(context_.CaretText());
    const std::int32_t length = static_cast<std::int32_t>(line.size());

    // The caret line with the first piece in it; the rest of the line follows the piece on the
    // same line for a single piece, or becomes a line of its own after the last one.
    std::string joined = line.substr(0, static_cast<std::size_t>(std::min(index, length)));
    if (index > length) {
        joined.append(static_cast<std::size_t>(index - length), ' ');
    }
    joined.append(pieces.front());
    const std::string tail = index < length ? line.substr(static_cast<std::size_t>(index)) : "";
    if (extra == 0) {
        joined.append(tail);
    }
    const bool fits =
        std::max(length, index) + static_cast<std::int32_t>(pieces.front().size()) <= limit &&
        IndexToColumn(static_cast<std::int32_t>(joined.size()), joined, view.TabSize()) <= limit;

    // New lines: the pieces after the first (or all of them when the first does not fit, the
    // caret line then staying whole), and the caret line's tail behind them.
    const std::int32_t adopted = fits ? extra : extra + 1;
    const bool tailLine = fits && extra > 0 && !tail.empty();
    const std::int32_t count = adopted + (tailLine ? 1 : 0);
    if (!fits) {
        // The caret line stays as the user left it, typed and deleted characters included: it
        // is stored as it stands before the text goes below it.
        context_.StoreCurrentLine();
        if (context_.ReadOnly()) {
            return InsertResult::StoreFailed;
        }
    }
    if (count > 0 && !store.InsertLines(caretLine + 1, count)) {
        return InsertResult::OutOfMemory;
    }
    if (adopted > 0) {
        store.AdoptLineTexts(caretLine + 1, pieces.data() + (fits ? 1 : 0), adopted);
    }
    if (tailLine && !store.SetLineText(caretLine + 1 + adopted, tail)) {
        store.DeleteLines(caretLine + 1, count);
        return InsertResult::StoreFailed;
    }
    if (fits) {
        store.CurrentLine().Assign(joined);
        store.Flags().currentLineChanged = true;
        context_.StoreCurrentLine();
        if (context_.ReadOnly()) {
            // The caret line could not be stored: the new lines go again.
            if (count > 0) {
                store.DeleteLines(caretLine + 1, count);
            }
            return InsertResult::StoreFailed;
        }
    }
    if (adopted > 0) {
        text.Keep();
    }

    // The block: from the insertion point, or from the first new line when nothing joined the
    // caret line (so deleting it never takes the caret line's own tail), to the last piece.
    const TextPos blockBegin = fits ? TextPos{caretLine, index} : TextPos{caretLine + 1, 0};
    const std::int32_t lastPiece = fits ? caretLine + extra : caretLine + 1 + extra;
    const std::int32_t lastIndex =
        static_cast<std::int32_t>(pieces.back().size()) + (fits && extra == 0 ? index : 0);
    view.SetBlock(blockBegin, {lastPiece, lastIndex});
    view.SetBlockShown(true);
    context_.LoadCurrentLine();
    return InsertResult::Inserted;
}

} // namespace kestrel
