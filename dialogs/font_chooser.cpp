// Runs the system font dialog for the two fonts.
#include "dialogs/font_chooser.h"

#include <iterator>

#include <commdlg.h>

#include "framework/handles.h"
#include "platform/on_demand_calls.h"
#include "print/printer_device.h"
#include "platform/registry_store.h"

namespace kestrel {

bool FontChooser::ChooseScreenFont(HWND owner, FontRecord& record, COLORREF& colour) {
    LOGFONTA font = ToLogFont(record);
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    choose.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_EFFECTS;
    choose.rgbColors = colour;
    if (!ShowFontDialog(&choose)) {
        return false;
    }
    record = FromLogFont(font);
    colour = choose.rgbColors;
    return true;
}

bool FontChooser::ChoosePrinterFont(HWND owner, HDC printerDc, std::string& face,
                                    std::int32_t& points) {
    if (printerDc == nullptr) {
        return false;
    }
    // The dialog reads and returns the record's height in display units, whatever DC it lists
    // the fonts of; converting with that one resolution both ways keeps an unchanged size.
    OwnedDc display(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    int dotsPerInch = display.Get() != nullptr ? GetDeviceCaps(display.Get(), LOGPIXELSY) : 0;
    if (dotsPerInch <= 0) {
        return false;
    }
    LOGFONTA font{};
    font.lfHeight = PointsToHeight(points, dotsPerInch);
    face.copy(font.lfFaceName, std::size(font.lfFaceName) - 1);
    const LONG initialHeight = font.lfHeight;
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.hDC = printerDc;
    choose.lpLogFont = &font;
    choose.Flags = CF_INITTOLOGFONTSTRUCT | CF_PRINTERFONTS | CF_FIXEDPITCHONLY;
    if (!ShowFontDialog(&choose)) {
        return false;
    }
    face = font.lfFaceName;
    if (font.lfHeight != initialHeight) {
        std::int32_t chosen = HeightToPoints(font.lfHeight, dotsPerInch);
        if (chosen <= 0) {
            chosen = choose.iPointSize / 10;
        }
        if (chosen > 0) {
            points = chosen;
        }
    }
    return true;
}

} // namespace kestrel
