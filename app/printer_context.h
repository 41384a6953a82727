// The one printer the program prints on: first the default printer, then the one chosen in the
// last print dialog. Measures its page and font, and runs the print dialog and the job.
#pragma once

#include <cstdint>
#include <string>

#include "framework/win32.h"
// The print dialog's record; the lean Windows header leaves it out.
#include <commdlg.h>

#include "framework/handles.h"
#include "print/page_layout.h"

namespace kestrel {

class PrinterContext : public PageSink {
public:
    PrinterContext();
    PrinterContext(const PrinterContext&) = delete;
    PrinterContext& operator=(const PrinterContext&) = delete;
    ~PrinterContext();

    // Takes the default printer from the profile; without one there is no DC.
    void OpenDefaultPrinter();

    HDC Dc() const { return dc_.Get(); }
    const std::string& DeviceName() const { return deviceName_; }
    bool Printing() const { return printing_; }

    // Character width, line height, bold, italic and point size of the font selected in the DC.
    void ReadPrinterMetrics();
    // A fixed-pitch font of `points` points on this printer; null without a DC.
    HFONT CreatePrinterFont(const std::string& face, std::int32_t points, int weight) const;

    // The print dialog (`owner` modal), then the job named "Plover output". False on Cancel, on
    // a failed dialog or when the job cannot start.
    bool BeginPrintJob(HWND owner);
    // Ends the job, or abandons it when `completed` is false. Nothing without a job.
    void EndPrintJob(bool completed);

    // The pages of the job; outside a job they do nothing and succeed.
    bool BeginPage() override;
    void PrintRow(std::int32_t row, std::string_view text) override;
    bool EndPage() override;

    // The paper comes from a tractor feed, as the last print dialog left the device settings.
    bool IsTractorFeed() const;

    // The page in device pixels with the selected font.
    PageMetrics Page() const;
    std::int32_t PointSize() const { return pointSize_; }
    bool Bold() const { return bold_; }
    bool Italic() const { return italic_; }

private:
    void ReadPageSize();

    OwnedDc dc_;
    bool printing_ = false;
    bool bold_ = false;
    bool italic_ = false;
    std::int32_t charWidth_ = 0;  // average character width, device pixels
    std::int32_t lineHeight_ = 0; // height plus external leading
    std::int32_t pageWidth_ = 0;
    std::int32_t pageHeight_ = 0;
    std::int32_t pointSize_ = 0;
    PRINTDLGA dialog_{};          // device settings kept between jobs
    std::string deviceName_;
};

} // namespace kestrel
