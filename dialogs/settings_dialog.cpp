// The Settings dialog's opening values and what OK takes from it.
#include "dialogs/settings_dialog.h"

#include "dialogs/dialog_fields.h"
#include "framework/window.h"
#include "resources/resource_ids.h"
#include "settings/dialog_number.h"
#include "view/editor_view.h"

namespace kestrel {

bool SettingsDialog::Run(HWND owner, EditorView& view) {
    view_ = &view;
    return RunModal(owner, IDD_SETTINGS) == IDOK;
}

INT_PTR SettingsDialog::OnInitDialog() {
    CentreWindow(Handle());
    EditorSettings live;
    view_->CollectSettings(live);
    DialogFields fields(Handle());
    fields.SetChecked(IDC_READ_ONLY, live.readOnly);
    fields.SetChecked(IDC_REMOVE_SPACES, live.removeSpaces);
    fields.SetChecked(IDC_AUTO_INDENT, live.indent);
    fields.SetChecked(IDC_UNIX_MODE, view_->Store().Flags().unixMode);
    fields.SetChecked(IDC_UPDATE_HEADER, live.update);
    fields.SetChecked(IDC_ISO_DATE, live.isoDate);
    fields.SetChecked(IDC_HORIZONTAL_BAR, !live.hideScroll);
    int backup = live.bakFile == 2 ? IDC_TILDE_FILE : live.bakFile == 1 ? IDC_BAK_FILE : IDC_NO_BAK;
    CheckRadioButton(Handle(), IDC_NO_BAK, IDC_TILDE_FILE, backup);
    fields.SetNumber(IDC_TAB_SIZE, live.tabSize);
    fields.SetNumber(IDC_WHEEL_LINES, live.wheelLines);
    fields.SetNumber(IDC_LINE_LENGTH, live.lineLength);
    shownLineLength_ = live.lineLength;
    return 1;
}

void SettingsDialog::OnCommand(WPARAM w, LPARAM) {
    switch (LOWORD(w)) {
    case IDOK:
        Apply();
        EndDialog(Handle(), IDOK);
        break;
    case IDCANCEL:
        EndDialog(Handle(), IDCANCEL);
        break;
    default:
        break;
    }
}

void SettingsDialog::Apply() {
    DialogFields fields(Handle());
    EditorSettings live;
    view_->CollectSettings(live);
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

    std::int32_t typed = fields.Number(IDC_LINE_LENGTH);
    if (typed != shownLineLength_) {
        // The caret line goes back to the document first, so that its length is the one checked
        // and its text survives the new buffer.
        view_->StoreCurrentLine();
        LineStore& store = view_->Store();
        LineLengthChange change = DecideLineLength(typed, shownLineLength_, store.LineCount(),
                                                   store.GetLineLength(store.CaretLine()));
        if (change == LineLengthChange::Accepted) {
            live.lineLength = typed;
        } else {
            view_->ShowMessage("\"Longest line allowed\" must be between 256 and 8192.",
                               "No file should be loaded when changing this setting.");
        }
    }
    view_->Store().Flags().unixMode = fields.Checked(IDC_UNIX_MODE);
    view_->ApplySettings(live);
    view_->UpdateLayout();
    view_->Repaint();
    view_->UpdateStatePane();
}

} // namespace kestrel
