// The File Info dialog: nine painted lines about the document, the window and the printer.
#pragma once

#include <string>
#include <vector>

#include "framework/dialog_window.h"
#include "settings/file_info_text.h"

namespace kestrel {

class FileInfoDialog : public DialogWindow {
public:
    void Run(HWND owner, FileInfoFacts facts);

    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM w, LPARAM l) override;
    void OnPaint() override;

private:
    std::vector<std::string> lines_;
    int lineHeight_ = 0;
};

} // namespace kestrel
