// Fuzz target for undo and redo: any lines, then any script of typing (stored or committed),
// Restore line, set text, inserted lines with adopted text, deleted ranges, delete everything,
// steps opened and closed, undo, redo and saves, on a line store with a history attached. After
// every operation the store must equal a plain model (a list of lines and a snapshot per step);
// undoing everything gives the loaded lines and redoing everything the final ones. Tiny memory
// bounds make the history drop old steps, and a failing allocator makes it give up.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/edit_history.h"
#include "tests/document/store_text.h"

namespace {

using kestrel::EditHistory;
using kestrel::LineRecord;
using Lines = std::vector<std::string>;

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

// In failing mode every failPeriod-th allocation of the history fails; 0 never fails.
unsigned failPeriod = 0;
unsigned allocations = 0;

void* SometimesRealloc(void* block, std::size_t size) {
    return failPeriod != 0 && ++allocations % failPeriod == 0 ? nullptr : std::realloc(block, size);
}

// The store reports to the session, which counts the reports (so the model knows when a step
// was kept, and when the history gave up) and passes them on to the history.
class Session : public kestrel::LineChangeRecorder {
public:
    Session(const Lines& lines, std::size_t bound, bool exact)
        : history_(bound), exact_(exact), lines_(lines), states_{lines} {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += (i > 0 ? "\n" : "") + lines[i];
        }
        Check(kestrel::LoadText(store_, text));
        store_.SetRecorder(this);
        history_.SetReallocator(SometimesRealloc);
        restore_ = lines_[0];
    }

    void Apply(const std::uint8_t* p) {
        const std::int32_t count = store_.LineCount();
        const std::int32_t line = p[1] % count;
        const bool alone = p[0] & 0x80; // a single change with no step of its own
        switch (p[0] % 12) {
        case 0:
            MoveCaret(line);
            Wrapped(alone, [&] { Type(p[2], p[0] & 0x10, p[0] & 0x20); });
            break;
        case 1:
            Wrapped(alone, [&] { Restore(p[0] & 0x10); });
            break;
        case 2:
            Wrapped(alone, [&] { SetText(line, p[2]); });
            break;
        case 3:
            Parked([&] { InsertAdopted(p[1] % (count + 1), p[2]); });
            break;
        case 4:
            if (count > 1) {
                const std::int32_t n = std::min(1 + p[2] % 8, count - 1);
                Parked([&] {
                    store_.DeleteLines(line, n);
                    lines_.erase(lines_.begin() + line, lines_.begin() + std::min(count, line + n));
                });
            }
            break;
        case 5:
            Parked([&] {
                store_.ResetLines();
                store_.AdjustLineCount(1);
                lines_.assign(1, "");
            });
            break;
        case 6:
            UndoOrRedo(true);
            break;
        case 7:
            UndoOrRedo(false);
            break;
        case 8:
            if (depth_ < 3) {
                Begin();
            }
            break;
        case 9:
            if (depth_ > 0) {
                End();
            }
            break;
        case 10:
            // Saved inside a step that has changed lines: the state after it, as long as the
            // step changes nothing more.
            history_.MarkSavePoint();
            savedInStep_ = depth_ > 0 ? reports_ : 0;
            saved_ = pos_ + (savedInStep_ > 0 ? 1 : 0);
            savedKept_ = true;
            savedAfterLoss_ = lost_;
            break;
        default:
            MoveCaret(line);
            break;
        }
        CheckState();
    }

    void BeforeReplace(const LineRecord* old, std::int32_t first, std::int32_t oldCount,
                       std::int32_t newCount) override {
        ++reports_;
        history_.BeforeReplace(old, first, oldCount, newCount);
        lost_ = history_.TakeUnavailableNotice() || lost_;
    }

    // Closes what is open, then undoes everything and redoes everything.
    void Finish() {
        while (depth_ > 0) {
            End();
        }
        const Lines initial = states_.front();
        while (history_.CanUndo()) {
            UndoOrRedo(true);
            CheckState();
        }
        Check(!exact_ || (pos_ == 0 && lines_ == initial));
        while (history_.CanRedo()) {
            UndoOrRedo(false);
            CheckState();
        }
        Check(pos_ + 1 == states_.size() && lines_ == states_.back());
    }

private:
    template <typename Edit> void Wrapped(bool alone, Edit edit) {
        if (!alone) {
            Begin();
        }
        edit();
        if (!alone) {
            End();
        } else if (depth_ == 0) {
            Settle();
        }
    }

    // Lines come and go in one step under a caret kept out of the document, which then returns.
    template <typename Edit> void Parked(Edit edit) {
        store_.SetCaretLine(INT32_MAX);
        Wrapped(false, edit);
        Reload(caret_);
    }

    void Begin() {
        ++depth_;
        history_.BeginStep(kestrel::StepPlace{caret_, 0, {}, {}, false});
    }

    void End() {
        history_.EndStep(kestrel::StepPlace{caret_, 0, {}, {}, false});
        if (--depth_ == 0) {
            Settle();
        }
    }

    // A step has closed: the model takes a snapshot if it was kept, or starts again if the
    // history ran out of memory (a save after that holds while nothing changed after it).
    void Settle() {
        Check(!history_.TakeUnavailableNotice());
        if (lost_) {
            states_.assign(1, lines_);
            pos_ = 0;
            saved_ = 0;
            savedKept_ = savedAfterLoss_ && reports_ == savedInStep_;
        } else if (reports_ > 0) {
            states_.resize(pos_ + 1);
            savedKept_ =
                savedKept_ && (savedInStep_ > 0 ? reports_ == savedInStep_ : saved_ <= pos_);
            states_.push_back(lines_);
            ++pos_;
        }
        reports_ = 0;
        lost_ = false;
        savedInStep_ = 0;
        savedAfterLoss_ = false;
    }

    void MoveCaret(std::int32_t line) {
        if (line != caret_) {
            store_.StoreCurrentLine();
            Reload(line);
        }
    }

    void Reload(std::int32_t line) {
        caret_ = std::clamp(line, 0, store_.LineCount() - 1);
        store_.SetCaretLine(caret_);
        store_.LoadCurrentLine();
        restore_ = lines_[static_cast<std::size_t>(caret_)];
    }

    void Type(std::uint8_t at, bool erase, bool commit) {
        std::string& text = lines_[static_cast<std::size_t>(caret_)];
        if (erase && !text.empty()) {
            const std::size_t index = at % text.size();
            text.erase(index, 1);
            Check(store_.CurrentLine().EraseAt(static_cast<std::int32_t>(index)));
        } else if (!erase && text.size() < 200) {
            const std::size_t index = at % (text.size() + 1);
            text.insert(index, 1, static_cast<char>(at * 7 + 1));
            Check(store_.CurrentLine().InsertAt(static_cast<std::int32_t>(index), text[index]));
        } else {
            return;
        }
        store_.Flags().currentLineChanged = true;
        Store(commit);
    }

    void Store(bool commit) {
        if (commit) {
            store_.CommitCurrentLine();
        } else {
            store_.StoreCurrentLine();
            restore_ = lines_[static_cast<std::size_t>(caret_)];
        }
    }

    void Restore(bool commit) {
        std::string& text = lines_[static_cast<std::size_t>(caret_)];
        store_.RestoreCurrentLine();
        Check(store_.Flags().currentLineChanged == (text != restore_));
        text = restore_;
        Store(commit);
    }

    // A start, an end or a middle of the line's own text (no new storage), or a fresh text.
    void SetText(std::int32_t line, std::uint8_t how) {
        const std::string_view old = kestrel::StoredLine(store_, line);
        const std::size_t n = (how / 4) % (old.size() + 1);
        std::string_view text = how % 4 == 0   ? old.substr(0, n)
                                : how % 4 == 1 ? old.substr(n)
                                : how % 4 == 2 ? old.substr(n / 2, (old.size() - n) / 2)
                                               : std::string_view("fresh text", n % 11);
        lines_[static_cast<std::size_t>(line)] = std::string(text);
        Check(store_.SetLineText(line, text));
        restore_ = line == caret_ ? lines_[static_cast<std::size_t>(line)] : restore_;
    }

    void InsertAdopted(std::int32_t index, std::uint8_t how) {
        const std::int32_t n = how >= 248 && store_.LineCount() < 1500 ? 300 : 1 + how % 4;
        Check(store_.InsertLines(index, n));
        std::vector<std::string_view> texts;
        for (std::int32_t i = 0; i < n; ++i) {
            const std::size_t length = static_cast<std::size_t>(how + i) % 6;
            char* storage = store_.Arena().ArenaAlloc(length + 1);
            Check(storage != nullptr);
            std::fill(storage, storage + length, static_cast<char>('a' + i % 26));
            texts.emplace_back(storage, length);
            lines_.insert(lines_.begin() + index + i, std::string(texts.back()));
        }
        Check(store_.AdoptLineTexts(index, texts.data(), n));
    }

    void UndoOrRedo(bool undo) {
        const bool can = undo ? history_.CanUndo() : history_.CanRedo();
        const bool modelCan = depth_ == 0 && (undo ? pos_ > 0 : pos_ + 1 < states_.size());
        // Dropped steps can only take undo away; redo is never cut while recording.
        Check(exact_ || !undo ? can == modelCan : !can || modelCan);
        const std::optional<kestrel::StepPlace> place =
            undo ? history_.Undo(store_) : history_.Redo(store_);
        Check(place.has_value() == can);
        if (place) {
            pos_ = undo ? pos_ - 1 : pos_ + 1;
            lines_ = states_[pos_];
            Reload(place->caretLine);
        }
    }

    void CheckState() {
        Check(store_.LineCount() == static_cast<std::int32_t>(lines_.size()));
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            Check(kestrel::StoredLine(store_, static_cast<std::int32_t>(i)) == lines_[i]);
        }
        Check(!store_.Flags().currentLineChanged);
        Check(store_.CurrentLine().View() == lines_[static_cast<std::size_t>(caret_)]);
        Check(store_.RestoreText() == restore_);
        const bool atSave = depth_ == 0 && savedKept_ && saved_ == pos_;
        Check(depth_ > 0 ||
              (exact_ ? history_.AtSavePoint() == atSave : !history_.AtSavePoint() || atSave));
    }

    kestrel::LineStore store_;
    EditHistory history_;
    const bool exact_; // the bound never drops a step, so undo reaches every snapshot

    Lines lines_;               // the plain model: every line as it should be stored
    std::vector<Lines> states_; // the lines between steps; states_[pos_] is the present
    std::size_t pos_ = 0;
    std::size_t saved_ = 0;
    bool savedKept_ = true;
    int savedInStep_ = 0; // changes the open step had when it was saved
    bool savedAfterLoss_ = false;
    std::string restore_; // what Restore line gives back
    std::int32_t caret_ = 0;
    std::int32_t depth_ = 0;
    int reports_ = 0;   // changes reported since the last step closed
    bool lost_ = false; // one of them could not be recorded
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    // Mode: no bound, a tiny bound (the newest step alone, or a few), or failing allocations.
    const int mode = data[0] % 4;
    const std::size_t bound = mode == 2 ? std::size_t{data[1]} * 64 : SIZE_MAX;
    failPeriod = mode == 3 ? 2 + data[1] % 8 : 0;
    allocations = 0;
    // Up to data[2] % 64 bytes of lines, at most a third of the input and each line cut to 200
    // characters as typing keeps them, then the script, three bytes an operation.
    const std::size_t textEnd = 3 + std::min<std::size_t>(data[2] % 64, (size - 3) / 3);
    Lines lines(1);
    for (std::size_t i = 3; i < textEnd; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else if (lines.back().size() < 200) {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    Session session(lines, bound, mode != 2);
    for (std::size_t i = textEnd, n = 0; i + 3 <= size && n < 160; i += 3, ++n) {
        // Mixed with the operation's number, so that a run of one byte is still a varied script.
        const std::uint8_t op[3] = {static_cast<std::uint8_t>(data[i] ^ (n * 151)),
                                    static_cast<std::uint8_t>(data[i + 1] + n * 37),
                                    static_cast<std::uint8_t>(data[i + 2] ^ (n * 73))};
        session.Apply(op);
    }
    session.Finish();
    return 0;
}
