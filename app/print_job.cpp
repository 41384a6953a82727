// The print command's job from dialog to last page.
#include "app/print_job.h"

#include "framework/handles.h"

namespace kestrel {

bool PrintJob::Run(HWND owner, PrintSource& source, std::int32_t tabSize,
                   const std::string& path) {
    if (!printer_.BeginPrintJob(owner)) {
        return false;
    }
    FontObject font(printer_.CreatePrinterFont(settings_.prnFont, settings_.prnPitch, FW_NORMAL));
    bool completed = false;
    {
        // The previous font goes back before the printer font is deleted.
        SelectGuard select(printer_.Dc(), font.Get());
        printer_.ReadPrinterMetrics();
        PageOptions options;
        options.topMargin = settings_.tmargin;
        options.leftMargin = settings_.lmargin;
        options.pageNumbers = settings_.pagenums;
        options.tractorFeed = printer_.IsTractorFeed();
        options.tabSize = tabSize;
        options.title = PrintTitle(path);
        // An unusable page or a page that cannot start abandons the job instead of ending it.
        completed = PageLayout(printer_.Page(), options).Print(source, printer_);
        printer_.EndPrintJob(completed);
    }
    return completed;
}

} // namespace kestrel
