// The find history's order: loading a stored order safely, and recording a new search string.
#include "settings/find_history.h"

#include <algorithm>

namespace kestrel {

namespace {

constexpr char kFirstLetter = 'a';
constexpr char kLastLetter = static_cast<char>('a' + kFindHistoryEntries - 1);

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(x) == Lower(y);
           });
}

} // namespace

void FindHistory::Load(const SettingsSource& source) {
    entries_.clear();
    std::string order;
    if (!ReadStoredText(source, kFindHistoryOrderName, kFindHistoryOrderSize, order)) {
        return;
    }
    for (char letter : order) {
        const bool known = letter >= kFirstLetter && letter <= kLastLetter;
        const bool repeated =
            std::any_of(entries_.begin(), entries_.end(),
                        [letter](const FindHistoryEntry& entry) { return entry.letter == letter; });
        if (!known || repeated || entries_.size() == kFindHistoryEntries) {
            continue;
        }
        const char name[2] = {letter, '\0'};
        FindHistoryEntry entry{letter, std::string()};
        if (ReadStoredText(source, name, kFindHistoryTextSize, entry.text)) {
            entries_.push_back(std::move(entry));
        }
    }
}

char FindHistory::FirstUnusedLetter() const {
    for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
        if (std::none_of(entries_.begin(), entries_.end(), [letter](const FindHistoryEntry& e) {
                return e.letter == letter;
            })) {
            return letter;
        }
    }
    return '\0';
}

void FindHistory::MoveToFront(std::size_t index, SettingsSink& sink) {
    std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(index),
                entries_.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    std::string order;
    for (const FindHistoryEntry& entry : entries_) {
        order += entry.letter;
    }
    sink.WriteText(kFindHistoryOrderName, order);
}

void FindHistory::Commit(std::string_view text, SettingsSink& sink) {
    text = text.substr(0, kFindHistoryTextSize - 1);
    if (text.empty()) {
        return;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (EqualIgnoringCase(entries_[i].text, text)) {
            if (i != 0) {
                MoveToFront(i, sink);
            }
            return;
        }
    }
    const bool full = entries_.size() >= kFindHistoryEntries;
    const char letter = full ? entries_.back().letter : FirstUnusedLetter();
    const char name[2] = {letter, '\0'};
    if (!sink.WriteText(name, text)) {
        return;
    }
    if (full) {
        entries_.back().text.assign(text);
    } else {
        entries_.push_back(FindHistoryEntry{letter, std::string(text)});
    }
    MoveToFront(entries_.size() - 1, sink);
}

} // namespace kestrel
