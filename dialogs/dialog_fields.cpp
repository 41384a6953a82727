// The option dialogs' field access.
#include "dialogs/dialog_fields.h"

#include <array>
#include <string>

#include "settings/dialog_number.h"

namespace kestrel {

std::int32_t DialogFields::Number(int id) const {
    std::array<char, kDialogNumberChars + 1> text{};
    GetDlgItemTextA(dialog_, id, text.data(), static_cast<int>(text.size()));
    return ReadDialogNumber(text.data());
}

void DialogFields::SetNumber(int id, std::int32_t value) const {
    SetDlgItemTextA(dialog_, id, std::to_string(value).c_str());
}

bool DialogFields::Checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

void DialogFields::SetChecked(int id, bool checked) const {
    CheckDlgButton(dialog_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

} // namespace kestrel
