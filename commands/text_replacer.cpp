// Replacement line by line: each changed line is built once in a reused scratch buffer and then
// handed to the line store, so a line without a replaced match costs its search and nothing more.
#include "commands/text_replacer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace kestrel {

TextReplacer::TextReplacer(const FindMatcher& matcher, std::string_view replacement,
                           std::int32_t limit)
    : matcher_(matcher), replacement_(replacement), limit_(limit) {}

bool TextReplacer::Reserve(std::size_t size) {
    if (size <= scratchSize_) {
        return true;
    }
    scratch_.reset(new (std::nothrow) char[size]);
    scratchSize_ = scratch_ != nullptr ? size : 0;
    return scratch_ != nullptr;
}

bool TextReplacer::Fits(std::size_t lineLength) const {
    const std::size_t matchLength = matcher_.Length();
    if (replacement_.size() <= matchLength) {
        return true;
    }
    return limit_ >= 0 &&
           lineLength - matchLength + replacement_.size() <= static_cast<std::size_t>(limit_);
}

std::uint64_t TextReplacer::RoomFor(std::size_t lineLength) const {
    // A made replacement leaves the line within the limit or no longer than it was, so the new
    // text never needs more room than the larger of the two (nor more than every match grown).
    const std::size_t matchLength = matcher_.Length();
    if (replacement_.size() <= matchLength || limit_ <= 0) {
        return lineLength;
    }
    const std::uint64_t grown =
        static_cast<std::uint64_t>(lineLength) +
        static_cast<std::uint64_t>(lineLength / matchLength) * (replacement_.size() - matchLength);
    return std::max<std::uint64_t>(lineLength, std::min(grown, static_cast<std::uint64_t>(limit_)));
}

bool TextReplacer::ReplaceInLine(std::string_view text) {
    text_ = text;
    replaced_ = 0;
    skipped_ = 0;
    const std::size_t matchLength = matcher_.Length();
    if (matchLength == 0) {
        return true;
    }
    std::size_t at = matcher_.FindForward(text, 0);
    if (at == FindMatcher::kNotFound) {
        return true;
    }
    const std::uint64_t room = RoomFor(text.size());
    if (room > SIZE_MAX || !Reserve(static_cast<std::size_t>(room))) {
        return false;
    }
    char* out = scratch_.get();
    std::size_t written = 0;
    std::size_t copiedTo = 0; // text before this index is in `out` already (or replaced)
    std::size_t lineLength = text.size();
    std::int32_t replaced = 0;
    std::int32_t skipped = 0;
    while (at != FindMatcher::kNotFound) {
        if (Fits(lineLength)) {
            std::memcpy(out + written, text.data() + copiedTo, at - copiedTo);
            written += at - copiedTo;
            if (!replacement_.empty()) {
                std::memcpy(out + written, replacement_.data(), replacement_.size());
            }
            written += replacement_.size();
            copiedTo = at + matchLength;
            lineLength = lineLength - matchLength + replacement_.size();
            ++replaced;
        } else {
            // The match stays as it is; it is copied with the text around it.
            ++skipped;
        }
        at = matcher_.FindForward(text, at + matchLength);
    }
    skipped_ = skipped;
    if (replaced == 0) {
        return true;
    }
    std::memcpy(out + written, text.data() + copiedTo, text.size() - copiedTo);
    written += text.size() - copiedTo;
    text_ = std::string_view(out, written);
    replaced_ = replaced;
    return true;
}

bool TextReplacer::StoreCaretLine(LineStore& store) {
    // The store reports its own failure by making the document read only.
    const bool wasReadOnly = store.Flags().readOnly;
    store.StoreCurrentLine();
    return wasReadOnly || !store.Flags().readOnly;
}

ReplaceAllResult TextReplacer::ReplaceAll(LineStore& store) {
    ReplaceAllResult result;
    if (!StoreCaretLine(store)) {
        result.outOfMemory = true;
        return result;
    }
    if (matcher_.Length() == 0) {
        return result;
    }
    const std::int32_t lineCount = store.LineCount();
    for (std::int32_t line = 0; line < lineCount; ++line) {
        const std::string_view old = store.LineView(line);
        if (!ReplaceInLine(old)) {
            result.outOfMemory = true;
            break;
        }
        // A replacement equal to the text it replaces changes nothing worth storing.
        if (replaced_ > 0 && text_ != old) {
            if (!store.SetLineText(line, text_)) {
                result.outOfMemory = true;
                break;
            }
            ++result.changedLines;
        }
        result.replaced += replaced_;
        result.skipped += skipped_;
    }
    text_ = {};
    return result;
}

ReplaceAtResult TextReplacer::ReplaceMatchAt(LineStore& store, std::int32_t line,
                                             std::int32_t index, std::int32_t length) {
    ReplaceAtResult result;
    const bool stored = StoreCaretLine(store);
    const std::string_view text = store.LineView(line);
    const std::size_t matchLength = matcher_.Length();
    result.next = std::clamp(index, 0, static_cast<std::int32_t>(text.size()));
    if (!stored) {
        result.outcome = ReplaceAtOutcome::OutOfMemory;
        return result;
    }
    const std::size_t at = static_cast<std::size_t>(result.next);
    // The match must lie wholly within the line: the search is given the text up to its end.
    if (matchLength == 0 || index < 0 || static_cast<std::size_t>(length) != matchLength ||
        matchLength > text.size() - at ||
        matcher_.FindForward(text.substr(0, at + matchLength), at) != at) {
        result.outcome = ReplaceAtOutcome::NotAMatch;
        return result;
    }
    if (!Fits(text.size())) {
        result.outcome = ReplaceAtOutcome::TooLong;
        result.next = index + length;
        return result;
    }
    const std::size_t newLength = text.size() - matchLength + replacement_.size();
    if (!Reserve(std::max<std::size_t>(newLength, 1))) {
        result.outcome = ReplaceAtOutcome::OutOfMemory;
        return result;
    }
    char* out = scratch_.get();
    std::memcpy(out, text.data(), at);
    if (!replacement_.empty()) {
        std::memcpy(out + at, replacement_.data(), replacement_.size());
    }
    std::memcpy(out + at + replacement_.size(), text.data() + at + matchLength,
                text.size() - at - matchLength);
    if (!store.SetLineText(line, std::string_view(out, newLength))) {
        result.outcome = ReplaceAtOutcome::OutOfMemory;
        return result;
    }
    result.outcome = ReplaceAtOutcome::Replaced;
    result.next = index + static_cast<std::int32_t>(replacement_.size());
    return result;
}

} // namespace kestrel
