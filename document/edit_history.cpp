// The undo history: recording hunks of old line records, applying steps backwards and forwards,
// the save point and the memory bound.
#include "document/edit_history.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "document/line_store.h"

namespace kestrel {

namespace {

// Resizes a plain array to `wanted` elements, keeping `bytes` (the history's total) in step.
// On failure the old block and capacity stay.
template <typename T>
bool Resize(EditHistory::Reallocator reallocate, T*& block, std::size_t& capacity,
            std::size_t wanted, std::size_t& bytes) {
    if (wanted == capacity) {
        return true;
    }
    if (wanted == 0) {
        std::free(block);
        block = nullptr;
    } else {
        if (wanted > SIZE_MAX / sizeof(T)) {
            return false;
        }
        const std::size_t size = wanted * sizeof(T);
        void* grown = reallocate != nullptr ? reallocate(block, size) : std::realloc(block, size);
        if (grown == nullptr) {
            return false;
        }
        block = static_cast<T*>(grown);
    }
    bytes = bytes - capacity * sizeof(T) + wanted * sizeof(T);
    capacity = wanted;
    return true;
}

// Capacity for `wanted` elements: unchanged while they fit, else half as much again, so that a
// step of a million one-line hunks is not copied a million times. The first allocation is
// exact: most steps are one hunk, and slack would count against the bound while recording.
std::size_t GrownCapacity(std::size_t capacity, std::size_t wanted) {
    if (wanted <= capacity) {
        return capacity;
    }
    return std::max(wanted, capacity <= SIZE_MAX / 3 ? capacity + capacity / 2 : wanted);
}

} // namespace

EditHistory::EditHistory(std::size_t byteBound) : byteBound_(byteBound) {}

EditHistory::~EditHistory() {
    DropAll();
}

// ---- Recording --------------------------------------------------------------------------------

void EditHistory::BeforeReplace(const LineRecord* oldRecords, std::int32_t first,
                                std::int32_t oldCount, std::int32_t newCount) {
    if (applying_ || oldCount < 0 || newCount < 0 || (oldCount == 0 && newCount == 0)) {
        return;
    }
    if ((recording_ || discarding_) && savePoint_ == Absolute(position_)) {
        // Saved half-way through this step: no undo or redo stops at that state.
        savePointKept_ = false;
    }
    if (discarding_) {
        return;
    }
    const bool alone = depth_ == 0;
    if (!recording_) {
        const StepPlace place = alone ? StepPlace{first, 0, {}, {}, false} : openBefore_;
        if (!OpenStep(place)) {
            OnOutOfMemory();
            return;
        }
    }
    if (!AddHunk(oldRecords, first, oldCount, newCount)) {
        OnOutOfMemory();
        return;
    }
    if (alone) {
        CloseStep(steps_[end_ - 1].before);
    }
}

void EditHistory::BeginStep(const StepPlace& before) {
    if (depth_++ == 0) {
        openBefore_ = before;
    }
}

void EditHistory::EndStep(const StepPlace& after) {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    if (recording_) {
        CloseStep(after);
    }
    discarding_ = false;
}

bool EditHistory::OpenStep(const StepPlace& before) {
    while (end_ > position_) {
        DropBack();
    }
    if (end_ == stepCapacity_) {
        if (head_ > 0 && head_ >= stepCapacity_ / 4) {
            // Closing the gap moves at most three quarters of the array and frees a quarter,
            // so dropping one step and adding one at the bound costs little on average.
            std::memmove(static_cast<void*>(steps_), steps_ + head_, (end_ - head_) * sizeof(Step));
            base_ += head_;
            position_ -= head_;
            end_ -= head_;
            head_ = 0;
        } else if (!Resize(reallocate_, steps_, stepCapacity_,
                           std::max<std::size_t>(16, GrownCapacity(stepCapacity_, end_ + 1)),
                           bytes_)) {
            return false;
        }
    }
    steps_[end_] = Step{before, before, nullptr, 0, 0, nullptr, 0, 0};
    ++end_;
    position_ = end_;
    recording_ = true;
    return true;
}

bool EditHistory::AddHunk(const LineRecord* oldRecords, std::int32_t first, std::int32_t oldCount,
                          std::int32_t newCount) {
    const std::size_t index = end_ - 1;
    const std::size_t records =
        static_cast<std::size_t>(oldCount) + static_cast<std::size_t>(newCount);
    const Step& step = steps_[index];
    if (records > SIZE_MAX - step.recordCount) {
        return false;
    }
    const std::size_t recordCapacity =
        GrownCapacity(step.recordCapacity, step.recordCount + records);
    const std::size_t hunkCapacity = GrownCapacity(step.hunkCapacity, step.hunkCount + 1);
    if (recordCapacity > SIZE_MAX / sizeof(LineRecord) || hunkCapacity > SIZE_MAX / sizeof(Hunk)) {
        return false;
    }
    // Older steps make room first, so that their memory can serve this one.
    Trim((recordCapacity - step.recordCapacity) * sizeof(LineRecord) +
         (hunkCapacity - step.hunkCapacity) * sizeof(Hunk));
    Step& open = steps_[index];
    if (!Resize(reallocate_, open.records, open.recordCapacity, recordCapacity, bytes_) ||
        !Resize(reallocate_, open.hunks, open.hunkCapacity, hunkCapacity, bytes_)) {
        return false;
    }
    if (oldCount > 0) {
        std::memcpy(static_cast<void*>(open.records + open.recordCount), oldRecords,
                    static_cast<std::size_t>(oldCount) * sizeof(LineRecord));
    }
    open.recordCount += records;
    open.hunks[open.hunkCount++] = Hunk{first, oldCount, newCount};
    return true;
}

void EditHistory::CloseStep(const StepPlace& after) {
    Step& step = steps_[end_ - 1];
    step.after = after;
    // The step is complete: the growth slack goes back (a failure to shrink keeps the block).
    Resize(reallocate_, step.records, step.recordCapacity, step.recordCount, bytes_);
    Resize(reallocate_, step.hunks, step.hunkCapacity, step.hunkCount, bytes_);
    recording_ = false;
    Trim(0);
}

void EditHistory::OnOutOfMemory() {
    DropAll();
    savePointKept_ = false;
    unavailable_ = true;
    discarding_ = depth_ > 0;
}

// ---- Undo and redo ----------------------------------------------------------------------------

bool EditHistory::CanUndo() const {
    return depth_ == 0 && position_ > head_;
}

bool EditHistory::CanRedo() const {
    return depth_ == 0 && position_ < end_;
}

bool EditHistory::Prepare(const Step& step, LineStore& store, bool undo) {
    std::int64_t lines = store.LineCount();
    std::int64_t peak = lines;
    for (std::size_t i = 0; i < step.hunkCount; ++i) {
        const Hunk& hunk = step.hunks[undo ? step.hunkCount - 1 - i : i];
        const std::int32_t replaced = undo ? hunk.newCount : hunk.oldCount;
        const std::int32_t replacing = undo ? hunk.oldCount : hunk.newCount;
        if (hunk.first > lines || replaced > lines - hunk.first) {
            // The document is not the one the history was kept for (a load without Clear):
            // none of it can be trusted.
            DropAll();
            savePointKept_ = false;
            return false;
        }
        lines += replacing - replaced;
        peak = std::max(peak, lines);
    }
    // The table never shrinks while a history is kept, so it normally has room already; making
    // it first means no hunk can fail half-way through the step.
    return peak < INT32_MAX && store.ReserveLines(static_cast<std::int32_t>(peak));
}

std::optional<StepPlace> EditHistory::Undo(LineStore& store) {
    if (!CanUndo() || store.Flags().currentLineChanged) {
        return std::nullopt;
    }
    const Step& step = steps_[position_ - 1];
    if (!Prepare(step, store, true)) {
        return std::nullopt;
    }
    applying_ = true;
    bool applied = true;
    std::size_t offset = step.recordCount;
    for (std::size_t i = step.hunkCount; i-- > 0 && applied;) {
        const Hunk& hunk = step.hunks[i];
        offset -= static_cast<std::size_t>(hunk.oldCount) + static_cast<std::size_t>(hunk.newCount);
        LineRecord* old = step.records + offset;
        LineRecord* replaced = old + hunk.oldCount;
        for (std::int32_t j = 0; j < hunk.newCount; ++j) {
            replaced[j] = store.Record(hunk.first + j);
        }
        applied = store.ReplaceRecords(hunk.first, hunk.newCount, old, hunk.oldCount);
    }
    applying_ = false;
    if (!applied) {
        // Checked above, so not expected; a half-applied step leaves nothing to trust.
        OnOutOfMemory();
        return std::nullopt;
    }
    --position_;
    return step.before;
}

std::optional<StepPlace> EditHistory::Redo(LineStore& store) {
    if (!CanRedo() || store.Flags().currentLineChanged) {
        return std::nullopt;
    }
    const Step& step = steps_[position_];
    if (!Prepare(step, store, false)) {
        return std::nullopt;
    }
    applying_ = true;
    bool applied = true;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < step.hunkCount && applied; ++i) {
        const Hunk& hunk = step.hunks[i];
        // The records in the document now are the hunk's old ones again: only the new side,
        // captured when the step was undone, needs to go in.
        const LineRecord* redone = step.records + offset + hunk.oldCount;
        applied = store.ReplaceRecords(hunk.first, hunk.oldCount, redone, hunk.newCount);
        offset += static_cast<std::size_t>(hunk.oldCount) + static_cast<std::size_t>(hunk.newCount);
    }
    applying_ = false;
    if (!applied) {
        OnOutOfMemory();
        return std::nullopt;
    }
    ++position_;
    return step.after;
}

// ---- The save point ---------------------------------------------------------------------------

void EditHistory::MarkSavePoint() {
    savePoint_ = Absolute(position_);
    savePointKept_ = true;
}

void EditHistory::ForgetSavePoint() { savePointKept_ = false; }

bool EditHistory::AtSavePoint() const {
    return savePointKept_ && savePoint_ == Absolute(position_);
}

void EditHistory::Clear() {
    DropAll();
    savePoint_ = 0;
    savePointKept_ = true;
    unavailable_ = false;
    discarding_ = false;
}

// ---- Memory -----------------------------------------------------------------------------------

void EditHistory::SetByteBound(std::size_t bytes) {
    byteBound_ = bytes;
    Trim(0);
}

bool EditHistory::TakeUnavailableNotice() {
    const bool notice = unavailable_;
    unavailable_ = false;
    return notice;
}

void EditHistory::Trim(std::size_t extra) {
    while (extra > byteBound_ || bytes_ > byteBound_ - extra) {
        // The newest done step (while recording, the open one) is never dropped.
        const std::size_t kept = position_ > head_ ? position_ - 1 : position_;
        if (head_ < kept) {
            DropFront();
        } else if (end_ > kept + 1) {
            DropBack();
        } else {
            return;
        }
    }
}

void EditHistory::DropFront() {
    FreeStep(steps_[head_]);
    ++head_;
    if (savePoint_ < Absolute(head_)) {
        savePointKept_ = false;
    }
}

void EditHistory::DropBack() {
    --end_;
    FreeStep(steps_[end_]);
    if (savePoint_ > Absolute(end_)) {
        savePointKept_ = false;
    }
}

void EditHistory::DropAll() {
    for (std::size_t i = head_; i < end_; ++i) {
        FreeStep(steps_[i]);
    }
    Resize(reallocate_, steps_, stepCapacity_, 0, bytes_);
    head_ = 0;
    position_ = 0;
    end_ = 0;
    base_ = 0;
    recording_ = false;
}

void EditHistory::FreeStep(Step& step) {
    Resize(reallocate_, step.records, step.recordCapacity, 0, bytes_);
    Resize(reallocate_, step.hunks, step.hunkCapacity, 0, bytes_);
    step.recordCount = 0;
    step.hunkCount = 0;
}

} // namespace kestrel
