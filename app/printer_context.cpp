// The printer's DC, its measurements, the print dialog and the job's pages.
#include "app/printer_context.h"

#include <array>
#include <iterator>
#include <optional>

#include "platform/on_demand_calls.h"
#include "print/printer_device.h"

namespace kestrel {

namespace {

constexpr char kJobName[] = "Plover output";
constexpr WORD kLastPage = 65535;

} // namespace

PrinterContext::PrinterContext() {
    dialog_.lStructSize = sizeof(dialog_);
}

PrinterContext::~PrinterContext() {
    EndPrintJob(false);
    if (dialog_.hDevMode != nullptr) {
        GlobalFree(dialog_.hDevMode);
    }
    if (dialog_.hDevNames != nullptr) {
        GlobalFree(dialog_.hDevNames);
    }
}

void PrinterContext::OpenDefaultPrinter() {
    std::array<char, 256> profile{};
    GetProfileStringA("windows", "device", ",,,", profile.data(),
                      static_cast<DWORD>(profile.size()));
    std::optional<PrinterDevice> device = ParsePrinterDevice(profile.data());
    if (!device) {
        return;
    }
    HDC dc = CreateDCA(device->driver.c_str(), device->device.c_str(), device->port.c_str(),
                       nullptr);
    if (dc == nullptr) {
        return;
    }
    dc_.Reset(dc);
    deviceName_ = device->device;
    ReadPageSize();
    ReadPrinterMetrics();
}

void PrinterContext::ReadPageSize() {
    pageWidth_ = dc_.Get() != nullptr ? GetDeviceCaps(dc_.Get(), HORZRES) : 0;
    pageHeight_ = dc_.Get() != nullptr ? GetDeviceCaps(dc_.Get(), VERTRES) : 0;
}

void PrinterContext::ReadPrinterMetrics() {
    TEXTMETRICA metrics{};
    if (dc_.Get() == nullptr || !GetTextMetricsA(dc_.Get(), &metrics)) {
        charWidth_ = lineHeight_ = pointSize_ = 0;
        bold_ = italic_ = false;
        return;
    }
    charWidth_ = metrics.tmAveCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    bold_ = metrics.tmWeight >= FW_BOLD;
    italic_ = metrics.tmItalic != 0;
    pointSize_ = HeightToPoints(metrics.tmHeight - metrics.tmInternalLeading,
                                GetDeviceCaps(dc_.Get(), LOGPIXELSY));
}

HFONT PrinterContext::CreatePrinterFont(const std::string& face, std::int32_t points,
                                        int weight) const {
    if (dc_.Get() == nullptr) {
        return nullptr;
    }
    LOGFONTA font{};
    font.lfHeight = PointsToHeight(points, GetDeviceCaps(dc_.Get(), LOGPIXELSY));
    font.lfWeight = weight;
    // A face the printer lacks must not fall back to a proportional one: the page is a grid.
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    face.copy(font.lfFaceName, std::size(font.lfFaceName) - 1);
    return CreateFontIndirectA(&font);
}

PageMetrics PrinterContext::Page() const {
    return {pageWidth_, pageHeight_, charWidth_, lineHeight_};
}

bool PrinterContext::BeginPrintJob(HWND owner) {
    dialog_.hwndOwner = owner;
    dialog_.hDC = nullptr;
    dialog_.Flags = PD_RETURNDC | PD_NOSELECTION;
    dialog_.nFromPage = 1;
    dialog_.nToPage = kLastPage;
    dialog_.nMinPage = 1;
    dialog_.nMaxPage = kLastPage;
    if (!ShowPrintDialog(&dialog_) || dialog_.hDC == nullptr) {
        return false;
    }
    // The dialog's DC is ours now, and only ours to delete.
    dc_.Reset(dialog_.hDC);
    dialog_.hDC = nullptr;
    if (dialog_.hDevNames != nullptr) {
        if (auto* names = static_cast<DEVNAMES*>(GlobalLock(dialog_.hDevNames))) {
            deviceName_ = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
            GlobalUnlock(dialog_.hDevNames);
        }
    }
    ReadPageSize();
    ReadPrinterMetrics();
    DOCINFOA document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = kJobName;
    if (StartDocA(dc_.Get(), &document) <= 0) {
        return false;
    }
    printing_ = true;
    return true;
}

void PrinterContext::EndPrintJob(bool completed) {
    if (!printing_) {
        return;
    }
    if (completed) {
        EndDoc(dc_.Get());
    } else {
        AbortDoc(dc_.Get());
    }
    printing_ = false;
}

bool PrinterContext::BeginPage() { return !printing_ || StartPage(dc_.Get()) > 0; }

void PrinterContext::PrintRow(std::int32_t row, std::string_view text) {
    if (printing_) {
        TextOutA(dc_.Get(), 0, row * lineHeight_, text.data(), static_cast<int>(text.size()));
    }
}

bool PrinterContext::EndPage() { return !printing_ || ::EndPage(dc_.Get()) > 0; }

bool PrinterContext::IsTractorFeed() const {
    if (dialog_.hDevMode == nullptr) {
        return false;
    }
    bool tractor = false;
    if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(dialog_.hDevMode))) {
        tractor = (mode->dmFields & DM_DEFAULTSOURCE) != 0 &&
                  mode->dmDefaultSource == DMBIN_TRACTOR;
        GlobalUnlock(dialog_.hDevMode);
    }
    return tractor;
}

} // namespace kestrel
