// The Page setup dialog's values; the top margin is taken as typed (printing keeps it within
// the page), the left margin is capped at 18.
#include "dialogs/page_setup_dialog.h"

#include "dialogs/dialog_fields.h"
#include "framework/window.h"
#include "resources/resource_ids.h"
#include "settings/dialog_number.h"

namespace kestrel {

bool PageSetupDialog::Run(HWND owner, EditorSettings& settings) {
    settings_ = &settings;
    return RunModal(owner, IDD_PAGE_SETUP) == IDOK;
}

INT_PTR PageSetupDialog::OnInitDialog() {
    CentreWindow(Handle());
    DialogFields fields(Handle());
    fields.SetNumber(IDC_TOP_MARGIN, settings_->tmargin);
    fields.SetNumber(IDC_LEFT_MARGIN, settings_->lmargin);
    fields.SetChecked(IDC_PAGE_NUMBERS, settings_->pagenums);
    return 1;
}

void PageSetupDialog::OnCommand(WPARAM w, LPARAM) {
    if (LOWORD(w) == IDOK) {
        DialogFields fields(Handle());
        settings_->tmargin = fields.Number(IDC_TOP_MARGIN);
        settings_->lmargin = LeftMarginFrom(fields.Number(IDC_LEFT_MARGIN));
        settings_->pagenums = fields.Checked(IDC_PAGE_NUMBERS);
        EndDialog(Handle(), IDOK);
    } else if (LOWORD(w) == IDCANCEL) {
        EndDialog(Handle(), IDCANCEL);
    }
}

} // namespace kestrel
