// The Settings dialog's opening values and what OK takes from it.
#include "dialogs/settings_dialog.h"

#include "dialogs/dialog_fields.h"
#include "framework/window.h"
#include "resources/resource_ids.h"
#include "settings/dialog_number.h"

namespace kestrel {

bool SettingsDialog::Run(HWND owner, EditorSettings& settings, bool& unixMode,
                         LineLengthCheck check) {
    settings_ = settings;
    unixMode_ = unixMode;
    check_ = std::move(check);
    if (RunModal(owner, IDD_SETTINGS) != IDOK) {
        return false;
    }
    settings = settings_;
    unixMode = unixMode_;
    return true;
}

INT_PTR SettingsDialog::OnInitDialog() {
    CentreWindow(Handle());
    const EditorSettings& live = settings_;
    DialogFields fields(Handle());
    fields.SetChecked(IDC_READ_ONLY, live.readOnly);
    fields.SetChecked(IDC_REMOVE_SPACES, live.removeSpaces);
    fields.SetChecked(IDC_AUTO_INDENT, live.indent);
    fields.SetChecked(IDC_UNIX_MODE, unixMode_);
    fields.SetChecked(IDC_UPDATE_HEADER, live.update);
    fields.SetChecked(IDC_ISO_DATE, live.isoDate);
    fields.SetChecked(IDC_HORIZONTAL_BAR, !live.hideScroll);
    int backup = live.bakFile == 2 ? IDC_TILDE_FILE : live.bakFile == 1 ? IDC_BAK_FILE : IDC_NO_BAK;
    CheckRadioButton(Handle(), IDC_NO_BAK, IDC_TILDE_FILE, backup);
    fields.SetNumber(IDC_TAB_SIZE, live.tabSize);
    fields.SetNumber(IDC_WHEEL_LINES, live.wheelLines);
    fields.SetNumber(IDC_LINE_LENGTH, live.lineLength);
    return 1;
}

void SettingsDialog::OnCommand(WPARAM w, LPARAM) {
    switch (LOWORD(w)) {
    case IDOK:
        Take();
        EndDialog(Handle(), IDOK);
        break;
    case IDCANCEL:
        EndDialog(Handle(), IDCANCEL);
        break;
    default:
        break;
    }
}

void SettingsDialog::Take() {
    DialogFields fields(Handle());
    EditorSettings& live = settings_;
    live.readOnly = fields.Checked(IDC_READ_ONLY);
    live.removeSpaces = fields.Checked(IDC_REMOVE_SPACES);
    live.indent = fields.Checked(IDC_AUTO_INDENT);
    live.update = fields.Checked(IDC_UPDATE_HEADER);
    live.isoDate = fields.Checked(IDC_ISO_DATE);
    live.hideScroll = !fields.Checked(IDC_HORIZONTAL_BAR);
    live.bakFile = fields.Checked(IDC_TILDE_FILE) ? 2 : fields.Checked(IDC_BAK_FILE) ? 1 : 0;
    live.tabSize = TakeInRange(fields.Number(IDC_TAB_SIZE), kMinTabSize, kMaxTabSize,
                               live.tabSize);
    live.wheelLines = TakeInRange(fields.Number(IDC_WHEEL_LINES), kMinWheelLines,
                                  kMaxWheelLines, live.wheelLines);
    const std::int32_t typed = fields.Number(IDC_LINE_LENGTH);
    if (typed != live.lineLength && check_ && check_(typed, live.lineLength)) {
        live.lineLength = typed;
    }
    unixMode_ = fields.Checked(IDC_UNIX_MODE);
}

} // namespace kestrel
