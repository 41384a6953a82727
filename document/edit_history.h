// The undo history: each step keeps the line records an edit replaced, never copies of text, so
// undoing a delete of a million lines puts a million records back. Window-free; the program
// attaches one to its line store as the store's recorder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "document/line_change_recorder.h"
#include "document/line_record.h"
#include "document/text_pos.h"

namespace kestrel {

class LineStore;

// Where the caret and the block marks were before or after a step. The history only keeps it
// and hands it back; what it means is the caller's business.
struct StepPlace {
    std::int32_t caretLine = 0;
    std::int32_t caretColumn = 0;
    TextPos blockBegin;
    TextPos blockEnd;
    bool blockShown = false;
};

class EditHistory final : public LineChangeRecorder {
public:
    static constexpr std::size_t kDefaultByteBound = std::size_t{64} << 20;

    // Source of the history's memory, with std::realloc's contract; blocks are released with
    // std::free. Tests swap in one that fails, since running the heap dry for real is
    // impractical.
    using Reallocator = void* (*)(void* block, std::size_t size);

    explicit EditHistory(std::size_t byteBound = kDefaultByteBound);
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;
    ~EditHistory();

    // ---- Recording --------------------------------------------------------------------------
    // Keeps the old records of a change as a hunk of the open step. A change reported with no
    // step open is a step of its own, placed at its first line, column 0, with no block. Never
    // refuses: when memory for it cannot be had the change goes ahead unrecorded, the whole
    // history is dropped (a step missing a change could not be undone correctly), the rest of
    // the open step is ignored, and TakeUnavailableNotice returns true once.
    void BeforeReplace(const LineRecord* oldRecords, std::int32_t first, std::int32_t oldCount,
                       std::int32_t newCount) override;
    // Group the changes reported between them into one step. Nested pairs join the outermost
    // one. A step with no change is not kept; the first change of a new step ends every redo.
    void BeginStep(const StepPlace& before);
    void EndStep(const StepPlace& after);

    // ---- Undo and redo ----------------------------------------------------------------------
    // Both refuse (false, nullopt) while a step is open.
    bool CanUndo() const;
    bool CanRedo() const;
    // Puts the records of the newest step back, its hunks in reverse order, and returns the
    // place before the step. Nothing changes, and the result is nullopt, when there is nothing
    // to undo, the store's current-line buffer holds an unstored change (store it first; reload
    // it afterwards) or the line table cannot grow to what the step needs. A step that does not
    // fit the document at all (a load without Clear) drops the history. Undo and redo allocate
    // nothing themselves: each hunk has room for both its sides from the moment it is recorded.
    std::optional<StepPlace> Undo(LineStore& store);
    // The mirror of Undo: applies the step undone last again and returns the place after it.
    std::optional<StepPlace> Redo(LineStore& store);

    // ---- The save point ---------------------------------------------------------------------
    // The document as it is now is the saved one (after a load, New or a save).
    void MarkSavePoint();
    // True when undo and redo have brought the document back to the saved state. False for
    // good once that state can no longer be reached: its steps were dropped, a new step
    // replaced the redo list it was in, the step open at the save changed more afterwards, or
    // memory ran out.
    bool AtSavePoint() const;
    // No state of the history is on disk any more (the file was replaced by something else).
    void ForgetSavePoint();
    // Forgets every step and marks the save point; for a load or New.
    void Clear();

    // ---- Memory -----------------------------------------------------------------------------
    // The most bytes the history's own memory (records, hunk and step headers, as allocated)
    // may take. Passing it drops the oldest steps first, then the furthest redo steps. The
    // newest step is always kept, even alone beyond the bound: a delete too large for the
    // bound can still be undone once, at the price of everything older.
    void SetByteBound(std::size_t bytes);
    std::size_t ByteBound() const { return byteBound_; }
    std::size_t BytesInUse() const { return bytes_; }
    // True once after a change could not be recorded for want of memory.
    bool TakeUnavailableNotice();
    void SetReallocator(Reallocator reallocator) { reallocate_ = reallocator; }

private:
    // Records [first, first + oldCount) were replaced by newCount records. In the step's record
    // array a hunk holds its old records followed by room for its new ones, filled on undo.
    struct Hunk {
        std::int32_t first;
        std::int32_t oldCount;
        std::int32_t newCount;
    };
    struct Step {
        StepPlace before;
        StepPlace after;
        Hunk* hunks;
        std::size_t hunkCount;
        std::size_t hunkCapacity;
        LineRecord* records; // all the step's hunks, in order, in one array
        std::size_t recordCount;
        std::size_t recordCapacity;
    };

    bool OpenStep(const StepPlace& before);
    bool AddHunk(const LineRecord* oldRecords, std::int32_t first, std::int32_t oldCount,
                 std::int32_t newCount);
    void CloseStep(const StepPlace& after);
    void OnOutOfMemory();
    // Drops steps until `extra` more bytes fit the bound or only the newest done step is left.
    void Trim(std::size_t extra);
    void DropFront();
    void DropBack();
    void DropAll();
    void FreeStep(Step& step);
    // Checks that the step fits the document and makes the table room for the most lines it
    // passes through, so that no hunk fails half-way. A step that does not fit drops the
    // history.
    bool Prepare(const Step& step, LineStore& store, bool undo);
    std::uint64_t Absolute(std::size_t index) const { return base_ + index; }

    Reallocator reallocate_ = nullptr; // null: std::realloc
    std::size_t byteBound_;
    std::size_t bytes_ = 0; // everything the history has allocated

    // Steps [head_, position_) are done and can be undone, [position_, end_) were undone and
    // can be redone. Dropped steps leave a gap before head_ that is closed once it is large.
    Step* steps_ = nullptr;
    std::size_t stepCapacity_ = 0;
    std::size_t head_ = 0;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    std::uint64_t base_ = 0; // absolute number of steps_[0], which grows as the gap is closed

    std::uint64_t savePoint_ = 0; // absolute position of the saved state
    bool savePointKept_ = true;   // false once the saved state cannot be reached

    std::int32_t depth_ = 0;  // open BeginStep calls
    StepPlace openBefore_;    // place given to the outermost BeginStep
    bool recording_ = false;  // the open step has taken a change and sits at end_ - 1
    bool discarding_ = false; // the open step lost a change; the rest of it is ignored
    bool applying_ = false;   // undo or redo is changing the store
    bool unavailable_ = false;
};

} // namespace kestrel
