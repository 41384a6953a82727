// The date stamp commands and the special character commands of the editor view.
#include "view/editor_view.h"

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

void EditorView::InsertDateCommand() {
    if (!Store().Flags().readOnly) {
        block_.InsertText(StampOfNow(options_.isoDate));
    }
}

void EditorView::BeforeSave() {
    if (!options_.update) {
        return;
    }
    // The save has just stored the caret line, so every line is in its record.
    const std::string stamp = StampOfNow(options_.isoDate);
    for (std::int32_t line = 0; line < std::min(Store().LineCount(), 3); ++line) {
        const std::optional<std::string> refreshed =
            RefreshHeaderStamp(Store().LineView(line), stamp, Store().LineLength() - 1);
        if (refreshed) {
            Store().SetLineText(line, *refreshed);
            Repaint();
            return;
        }
    }
}

void EditorView::GetSpecialCharCommand() {
    CharacterChoiceDialog dialog(options_.specialChar, TextFont());
    if (dialog.RunModal(Handle(), IDD_SPECIAL_CHAR) != IDOK) {
        return;
    }
    options_.specialChar = dialog.Chosen();
    if (host_ != nullptr) {
        host_->SetSettingsChanged();
    }
}

void EditorView::WriteSpecialCharCommand() {
    if (options_.specialChar > 0 && options_.specialChar <= 255) {
        editing_.TypeChar(static_cast<char>(options_.specialChar));
    }
}

} // namespace kestrel
