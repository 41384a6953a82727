// Runs a script of edits on a loaded document twice: through the real editing commands on a
// FakeEditor, and on a plain list of strings that knows nothing of buffers, records or columns.
// Shared by the round-trip tests and the edit fuzz target: after any script, the saved bytes of
// the one must equal the joined lines of the other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/block_commands.h"
#include "commands/line_editing.h"
#include "document/line_writer.h"
#include "tests/commands/fake_editor.h"

namespace kestrel {

enum class EditOp { Type, Enter, JoinAbove, DeleteChar, RestoreLine, Overtype, Paste };

struct Edit {
    EditOp op;
    std::int32_t line;  // where the caret goes first (RestoreLine ignores it)
    std::int32_t index; // character index on that line; beyond the end pads when typing
    char character = 'x';
    std::string text{}; // what Paste inserts: any bytes but tabs, CRs and LFs included
};

class EditScript {
public:
    static constexpr std::int32_t kTabSize = 8;

    EditScript(const std::vector<std::string>& lines, std::int32_t lineLength)
        : editor_(lineLength), lines_(lines.empty() ? std::vector<std::string>{""} : lines) {
        editor_.view.SetTabSize(kTabSize);
        editor_.Load(lines);
        stored_ = lines_[0];
    }

    // Applies one edit to both; false when the edit is outside what the plain model covers (a
    // line that does not exist, or text that would come near the line limit) and was skipped.
    bool Apply(const Edit& edit) {
        const std::int32_t line = edit.op == EditOp::RestoreLine ? caret_ : edit.line;
        if (line < 0 || line >= static_cast<std::int32_t>(lines_.size()) || edit.index < 0) {
            return false;
        }
        const std::string& text = lines_[static_cast<std::size_t>(line)];
        const std::int32_t length = static_cast<std::int32_t>(text.size());
        const std::int32_t room = editor_.store.LineLength() - 1 - 2 * kTabSize;
        switch (edit.op) {
        case EditOp::Type:
        case EditOp::Overtype: {
            // Near the limit a typed key beeps; a line without tabs may come right up to it.
            const bool overtype = edit.op == EditOp::Overtype;
            const bool plain = text.find('\t') == std::string::npos;
            const std::int32_t grows = overtype && edit.index < length ? 0 : 1;
            const bool nearLimit =
                plain ? std::max(edit.index, length) + grows > editor_.store.LineLength() - 1
                      : Width(text) + std::max(edit.index - length, 0) + kTabSize > room;
            if (edit.character == '\0' || edit.index > length + 3 || nearLimit) {
                return false;
            }
            MoveTo(line, edit.index);
            editor_.store.Flags().overwriteMode = overtype;
            editing_.TypeChar(edit.character);
            editor_.store.Flags().overwriteMode = false;
            const std::size_t at = static_cast<std::size_t>(edit.index);
            if (overtype && at < text.size()) {
                At(line)[at] = edit.character;
            } else {
                At(line).resize(std::max(text.size(), at), ' ');
                At(line).insert(at, 1, edit.character);
            }
            break;
        }
        case EditOp::Paste:
            if (edit.index > length + 3 || edit.text.find('\t') != std::string::npos) {
                return false;
            }
            MoveTo(line, edit.index);
            blocks_.InsertText(edit.text);
            Paste(line, edit.index, edit.text);
            break;
        case EditOp::Enter: {
            const std::int32_t split = std::min(edit.index, length);
            MoveTo(line, split);
            editing_.SplitLine();
            std::string tail = text.substr(static_cast<std::size_t>(split));
            At(line).resize(static_cast<std::size_t>(split));
            lines_.insert(lines_.begin() + line + 1, tail);
            caret_ = line + 1;
            stored_ = tail;
            break;
        }
        case EditOp::JoinAbove:
            if (line == 0 || Width(At(line - 1) + text) > room) {
                return false;
            }
            MoveTo(line, 0);
            editing_.Backspace();
            At(line - 1) += text;
            lines_.erase(lines_.begin() + line);
            caret_ = line - 1;
            stored_ = At(caret_);
            break;
        case EditOp::DeleteChar:
            if (edit.index >= length) {
                return false;
            }
            MoveTo(line, edit.index);
            editing_.DeleteChar();
            At(line).erase(static_cast<std::size_t>(edit.index), 1);
            break;
        case EditOp::RestoreLine:
            editing_.RestoreLine();
            At(caret_) = stored_;
            break;
        }
        return true;
    }

    const FakeEditor& Editor() const { return editor_; }
    std::int32_t LineCount() const { return static_cast<std::int32_t>(lines_.size()); }
    std::int32_t LineSize(std::int32_t line) const {
        return static_cast<std::int32_t>(lines_[static_cast<std::size_t>(line)].size());
    }

    // The file bytes a save writes now (LF line ends), and what the plain model says they are.
    std::string Saved() {
        // Saving stores the caret line, as the program's save does.
        editor_.store.StoreCurrentLine();
        stored_ = At(caret_);
        Source source(editor_.store);
        Sink sink;
        WriteLines(source, 0, editor_.store.LineCount() - 1, WriteOptions{false, true}, sink);
        return sink.bytes;
    }
    std::string Expected() const {
        std::string bytes;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            bytes += (i > 0 ? "\n" : "") + lines_[i];
        }
        return bytes;
    }

private:
    class Source : public LineTextSource {
    public:
        explicit Source(const LineStore& store) : store_(store) {}
        std::int32_t LineCount() const override { return store_.LineCount(); }
        std::string_view LineText(std::int32_t index) const override {
            return store_.LineView(index);
        }

    private:
        const LineStore& store_;
    };
    struct Sink : ByteSink {
        bool Write(const char* data, std::size_t size) override {
            bytes.append(data, size);
            return true;
        }
        std::string bytes;
    };

    // Display width with tab stops every kTabSize columns, one character at a time.
    static std::int32_t Width(const std::string& text) {
        std::int32_t width = 0;
        for (char c : text) {
            width = c == '\t' ? (width / kTabSize + 1) * kTabSize : width + 1;
        }
        return width;
    }

    std::string& At(std::int32_t line) { return lines_[static_cast<std::size_t>(line)]; }

    // The model of an insertion without tabs: carriage returns vanish, line feeds and every
    // (L - 1)th character start new lines. The first line joins the caret line when the joined
    // line stays within L - 1 characters and columns (the rest of the caret line following it,
    // or becoming a line of its own behind the others); otherwise the caret line stays exactly
    // as it is and every inserted line goes below it.
    void Paste(std::int32_t line, std::int32_t index, const std::string& text) {
        const std::size_t limit = static_cast<std::size_t>(editor_.store.LineLength() - 1);
        std::vector<std::string> pieces(1);
        for (char c : text) {
            if (c == '\n') {
                pieces.emplace_back();
            } else if (c != '\r') {
                if (pieces.back().size() == limit) {
                    pieces.emplace_back();
                }
                pieces.back() += c;
            }
        }
        const std::string current = At(line);
        const std::size_t at = static_cast<std::size_t>(index);
        std::string joined = current.substr(0, std::min(at, current.size()));
        joined.resize(std::max(joined.size(), at), ' ');
        joined += pieces.front();
        const std::string tail = at < current.size() ? current.substr(at) : "";
        if (pieces.size() == 1) {
            joined += tail;
        }
        const bool fits = std::max(current.size(), at) + pieces.front().size() <= limit &&
                          Width(joined) <= static_cast<std::int32_t>(limit);
        std::vector<std::string> below(pieces.begin() + (fits ? 1 : 0), pieces.end());
        if (fits) {
            At(line) = joined;
            if (pieces.size() > 1 && !tail.empty()) {
                below.push_back(tail);
            }
        }
        lines_.insert(lines_.begin() + line + 1, below.begin(), below.end());
        stored_ = At(line);
    }

    // Puts the caret on `index` of `line` as the cursor commands would: the old caret line is
    // stored before the caret leaves it, and a line is loaded only when the caret arrives.
    void MoveTo(std::int32_t line, std::int32_t index) {
        const std::string& text = At(line);
        const std::int32_t length = static_cast<std::int32_t>(text.size());
        const std::int32_t column = index <= length
                                        ? Width(text.substr(0, static_cast<std::size_t>(index)))
                                        : Width(text) + (index - length);
        const std::int32_t offset = std::max(0, column - 40);
        if (line != caret_) {
            editor_.store.StoreCurrentLine();
            editor_.PutCaret(line, 0, column - offset, offset);
            caret_ = line;
            stored_ = text;
        } else {
            editor_.view.SetCaretColumn(column - offset);
            editor_.view.SetHorizontalOffset(offset);
        }
    }

    FakeEditor editor_;
    LineEditing editing_{editor_.context};
    BlockCommands blocks_{editor_.context};
    std::vector<std::string> lines_; // the plain model: every line as the user sees it
    std::int32_t caret_ = 0;         // the model's caret line
    std::string stored_;             // the caret line as last stored, what Restore line gives
};

} // namespace kestrel
