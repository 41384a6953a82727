// Runs a script of edits on a loaded document twice: through the command runner and the real
// editing commands on a FakeEditor, and on a plain list of strings that knows nothing of
// buffers, records or columns, with a plain stack of whole documents for undo and redo. Shared by
// the round-trip tests and the edit fuzz target: after any script, the saved bytes of the one
// must equal the joined lines of the other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/block_commands.h"
#include "commands/command_runner.h"
#include "commands/line_editing.h"
#include "document/line_writer.h"
#include "tests/commands/fake_editor.h"
#include "tests/commands/no_window.h"

namespace kestrel {

enum class EditOp {
    Type,
    Enter,
    JoinAbove,
    DeleteChar,
    RestoreLine,
    Overtype,
    Paste,
    DeleteLine,
    DeleteBlock,
    Undo,
    Redo,
};

struct Edit {
    EditOp op;
    std::int32_t line;  // where the caret goes first (RestoreLine, Undo and Redo ignore it)
    std::int32_t index; // character index on that line; beyond the end pads when typing
    char character = 'x';
    std::string text{};        // what Paste inserts: any bytes but tabs, CRs and LFs included
    std::int32_t endLine = 0;  // Delete block: the block runs from (line, index) to here,
    std::int32_t endIndex = 0; // end exclusive
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
        if (edit.op == EditOp::Undo || edit.op == EditOp::Redo) {
            UndoOrRedo(edit.op == EditOp::Undo);
            return true;
        }
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
            // Printable characters and tab arrive as keys, in runs; any other code is typed as
            // "Write special char" types it, a step of its own.
            const unsigned char code = static_cast<unsigned char>(edit.character);
            const bool key = (code >= 32 && code <= 126) || code == '\t';
            if (!key || (typing_ && typingLine_ != line)) {
                EndRun();
            }
            MoveTo(line, edit.index);
            if (key && !typing_) {
                typing_ = true;
                typingLine_ = line;
                runStart_ = Snapshot();
            } else if (!key) {
                BeginStep();
            }
            editor_.store.Flags().overwriteMode = overtype;
            if (key) {
                runner_.TypeCharacter(code, false);
            } else {
                runner_.RunAsStep([&] { editing_.TypeChar(edit.character); });
            }
            editor_.store.Flags().overwriteMode = false;
            const std::size_t at = static_cast<std::size_t>(edit.index);
            if (overtype && at < text.size()) {
                At(line)[at] = edit.character;
            } else {
                At(line).resize(std::max(text.size(), at), ' ');
                At(line).insert(at, 1, edit.character);
            }
            if (!key) {
                EndStep();
            }
            break;
        }
        case EditOp::Paste:
            if (edit.index > length + 3 || edit.text.find('\t') != std::string::npos) {
                return false;
            }
            EndRun();
            MoveTo(line, edit.index);
            BeginStep();
            runner_.RunAsStep([&] { runner_.Block().InsertText(edit.text); });
            Paste(line, edit.index, edit.text);
            EndStep();
            break;
        case EditOp::Enter: {
            EndRun();
            const std::int32_t split = std::min(edit.index, length);
            MoveTo(line, split);
            BeginStep();
            runner_.TypeCharacter('\r', false);
            std::string tail = text.substr(static_cast<std::size_t>(split));
            At(line).resize(static_cast<std::size_t>(split));
            lines_.insert(lines_.begin() + line + 1, tail);
            caret_ = line + 1;
            stored_ = tail;
            EndStep();
            break;
        }
        case EditOp::JoinAbove:
            if (line == 0 || Width(At(line - 1) + text) > room) {
                return false;
            }
            EndRun();
            MoveTo(line, 0);
            BeginStep();
            runner_.Run(CommandId::Backspace);
            At(line - 1) += text;
            lines_.erase(lines_.begin() + line);
            caret_ = line - 1;
            stored_ = At(caret_);
            EndStep();
            break;
        case EditOp::DeleteChar:
            if (edit.index >= length) {
                return false;
            }
            EndRun();
            MoveTo(line, edit.index);
            BeginStep();
            runner_.Run(CommandId::DeleteChar);
            At(line).erase(static_cast<std::size_t>(edit.index), 1);
            EndStep();
            break;
        case EditOp::RestoreLine:
            EndRun();
            BeginStep();
            runner_.Run(CommandId::RestoreLine);
            At(caret_) = stored_;
            EndStep();
            break;
        case EditOp::DeleteLine:
            EndRun();
            MoveTo(line, std::min(edit.index, length));
            BeginStep();
            runner_.Run(CommandId::DeleteLine);
            if (line < LineCount() - 1) {
                lines_.erase(lines_.begin() + line);
                stored_ = At(line);
            } else {
                At(line).clear(); // the last line is only emptied
            }
            EndStep();
            break;
        case EditOp::DeleteBlock:
            if (!DeleteBlock({line, edit.index}, {edit.endLine, edit.endIndex})) {
                return false;
            }
            break;
        case EditOp::Undo:
        case EditOp::Redo:
            break;
        }
        return true;
    }

    // Undoes (or redoes) until the model has nothing more to undo (or redo); the program must
    // then have nothing more either.
    void UndoAll() {
        while (!undo_.empty()) {
            UndoOrRedo(true);
        }
    }
    void RedoAll() {
        while (!redo_.empty()) {
            UndoOrRedo(false);
        }
    }
    bool ProgramCanUndo() const { return editor_.history.CanUndo(); }
    bool ProgramCanRedo() const { return editor_.history.CanRedo(); }
    bool Modified() const { return editor_.store.Flags().modified; }

    const FakeEditor& Editor() const { return editor_; }
    std::int32_t LineCount() const { return static_cast<std::int32_t>(lines_.size()); }
    std::int32_t LineSize(std::int32_t line) const {
        return static_cast<std::int32_t>(lines_[static_cast<std::size_t>(line)].size());
    }

    // The file bytes a save writes now (LF line ends), and what the plain model says they are.
    std::string Saved() {
        // Saving ends a typing run and stores the caret line, as the program's save does.
        EndRun();
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
    // The model's document with its caret line, as a step leaves or finds it.
    struct State {
        std::vector<std::string> lines;
        std::int32_t caret = 0;
    };
    struct ModelStep {
        State before;
        State after;
    };

    State Snapshot() const { return State{lines_, caret_}; }
    // Keeps the model's step when it changed the text, as the program keeps only steps that
    // changed a line; a new step ends every redo.
    void Keep(const State& before) {
        if (before.lines != lines_) {
            undo_.push_back(ModelStep{before, Snapshot()});
            redo_.clear();
        }
    }
    void BeginStep() { stepStart_ = Snapshot(); }
    void EndStep() { Keep(stepStart_); }
    // A run of typed characters ends in the program and in the model at the same moment.
    void EndRun() {
        runner_.EndTyping();
        if (typing_) {
            typing_ = false;
            Keep(runStart_);
        }
    }
    void Show(const State& state) {
        lines_ = state.lines;
        caret_ = state.caret;
        stored_ = At(caret_);
    }
    void UndoOrRedo(bool undo) {
        EndRun();
        runner_.Run(undo ? CommandId::Undo : CommandId::Redo);
        std::vector<ModelStep>& from = undo ? undo_ : redo_;
        std::vector<ModelStep>& to = undo ? redo_ : undo_;
        if (!from.empty()) {
            const ModelStep step = from.back();
            from.pop_back();
            Show(undo ? step.before : step.after);
            to.push_back(step);
        }
    }

    // Delete block of the marks begin..end (end exclusive), when they make a valid block: the
    // begin line keeps its head and the end line its tail, as two lines; an emptied document
    // keeps one empty line.
    bool DeleteBlock(TextPos begin, TextPos end) {
        const std::int32_t count = LineCount();
        if (begin.line < 0 || end.line < begin.line || end.line >= count || begin.index < 0 ||
            end.index < 0 || begin.index > LineSize(begin.line) ||
            end.index > LineSize(end.line) ||
            (begin.line == end.line && begin.index >= end.index)) {
            return false;
        }
        EndRun();
        MoveTo(begin.line, begin.index);
        editor_.view.SetBlock(begin, end);
        editor_.view.SetBlockShown(true);
        BeginStep();
        runner_.Run(CommandId::DeleteBlock);
        const std::string head = At(begin.line).substr(0, static_cast<std::size_t>(begin.index));
        const std::string tail = At(end.line).substr(static_cast<std::size_t>(end.index));
        std::vector<std::string> kept;
        if (begin.line == end.line) {
            kept.push_back(head + tail);
        } else {
            if (begin.index > 0) {
                kept.push_back(head);
            }
            if (end.index < LineSize(end.line)) {
                kept.push_back(tail);
            }
        }
        lines_.erase(lines_.begin() + begin.line, lines_.begin() + end.line + 1);
        lines_.insert(lines_.begin() + begin.line, kept.begin(), kept.end());
        if (lines_.empty()) {
            lines_.emplace_back();
        }
        caret_ = std::min(caret_, LineCount() - 1);
        stored_ = At(caret_);
        EndStep();
        return true;
    }

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
    NoWindow noWindow_;
    CommandRunner runner_{editor_.context, editor_.history, noWindow_, noWindow_};
    LineEditing& editing_ = runner_.Editing();
    std::vector<std::string> lines_; // the plain model: every line as the user sees it
    std::int32_t caret_ = 0;         // the model's caret line
    std::string stored_;             // the caret line as last stored, what Restore line gives
    bool typing_ = false;            // a run of typed keys is open
    std::int32_t typingLine_ = 0;
    State runStart_;                 // the model when the open run began
    State stepStart_;                // the model when the step being applied began
    std::vector<ModelStep> undo_;    // newest last
    std::vector<ModelStep> redo_;    // the step undone last is last
};

} // namespace kestrel
