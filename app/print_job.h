// One print command: the print dialog, the printer font, the pages, and the clean-up on every
// way out.
#pragma once

#include <cstdint>
#include <string>

#include "app/printer_context.h"
#include "print/page_layout.h"
#include "settings/editor_settings.h"

namespace kestrel {

class PrintJob {
public:
    PrintJob(PrinterContext& printer, const EditorSettings& settings)
        : printer_(printer), settings_(settings) {}

    // Prints `source` after the print dialog owned by `owner`; nothing when it is cancelled.
    // `tabSize` expands tabs, `path` gives the footer's title. True when every page was printed.
    bool Run(HWND owner, PrintSource& source, std::int32_t tabSize, const std::string& path);

private:
    PrinterContext& printer_;
    const EditorSettings& settings_;
};

} // namespace kestrel
