// The search strings offered by the Find and Replace dialogs, and the Replace dialog's
// replacement texts, most recent first, and their stored form: up to ten texts under the
// one-letter names "a" to "j", with "MRUList" giving their order as a text of letters, most
// recent first ("cab": c, then a, then b). Each kind has its own subkey.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_values.h"

namespace kestrel {

inline constexpr char kFindHistorySubkey[] = "Combo1";
inline constexpr char kReplaceHistorySubkey[] = "Combo2";
inline constexpr char kFindHistoryOrderName[] = "MRUList";
inline constexpr std::size_t kFindHistoryEntries = 10;
// Stored texts are read into buffers of these sizes, NUL included.
inline constexpr std::size_t kFindHistoryTextSize = 39;
inline constexpr std::size_t kFindHistoryOrderSize = 12;

struct FindHistoryEntry {
    char letter;      // the name it is stored under, "a" to "j"
    std::string text; // at most kFindHistoryTextSize - 1 characters
};

class FindHistory {
public:
    // Reads the stored order and texts. The order is trusted only as far as it names distinct
    // letters "a" to "j" whose texts could be read; every other letter is left out.
    void Load(const SettingsSource& source);

    // Most recent first; what the dialog's drop-down lists.
    const std::vector<FindHistoryEntry>& Entries() const { return entries_; }

    // Records `text` (cut to the stored length) as the most recent entry and writes what
    // changed to `sink`. A text already listed, compared without regard to case, keeps its
    // stored spelling and only moves to the front. A new one takes the first letter not in
    // the order, or with ten entries the least recent one's letter; the order changes only if
    // the text was written. An empty text records nothing.
    void Commit(std::string_view text, SettingsSink& sink);

private:
    // Puts entry `index` first and writes the new order.
    void MoveToFront(std::size_t index, SettingsSink& sink);
    char FirstUnusedLetter() const;

    std::vector<FindHistoryEntry> entries_;
};

} // namespace kestrel
