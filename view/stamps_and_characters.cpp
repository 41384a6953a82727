// The date stamp commands and the special character commands.
#include "view/stamps_and_characters.h"

#include <algorithm>
#include <optional>
#include <string>

#include "commands/date_stamp.h"
#include "dialogs/character_choice_dialog.h"
#include "resources/resource_ids.h"

namespace kestrel {

namespace {

std::string StampOfNow(bool iso) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DateTimeStamp({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond},
                         iso);
}

} // namespace

void StampsAndCharacters::InsertDate() {
    if (!window_.Store().Flags().readOnly) {
        runner_.Block().InsertText(StampOfNow(options_.isoDate));
    }
}

void StampsAndCharacters::UpdateHeaderStamp() {
    if (!options_.update) {
        return;
    }
    // The save has just stored the caret line, so every line is in its record.
    LineStore& store = window_.Store();
    const std::string stamp = StampOfNow(options_.isoDate);
    for (std::int32_t line = 0; line < std::min(store.LineCount(), 3); ++line) {
        const std::optional<std::string> refreshed =
            RefreshHeaderStamp(store.LineView(line), stamp, store.LineLength() - 1);
        if (refreshed) {
            store.SetLineText(line, *refreshed);
            window_.Repaint();
            return;
        }
    }
}

bool StampsAndCharacters::GetSpecialChar() {
    CharacterChoiceDialog dialog(options_.specialChar, window_.TextFont());
    if (dialog.RunModal(window_.Handle(), IDD_SPECIAL_CHAR) != IDOK) {
        return false;
    }
    options_.specialChar = dialog.Chosen();
    return true;
}

void StampsAndCharacters::WriteSpecialChar() {
    if (options_.specialChar > 0 && options_.specialChar <= 255) {
        runner_.Editing().TypeChar(static_cast<char>(options_.specialChar));
    }
}

} // namespace kestrel
