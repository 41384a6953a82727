// The system font dialog for the screen font and for the printer font.
#pragma once

#include <cstdint>
#include <string>

#include "framework/win32.h"
#include "settings/editor_settings.h"

namespace kestrel {

class FontChooser {
public:
    // Fixed-pitch screen fonts with effects, starting from `record` and `colour`; true with
    // the chosen font and colour on OK.
    static bool ChooseScreenFont(HWND owner, FontRecord& record, COLORREF& colour);

    // Fixed-pitch fonts of the printer `printerDc`, starting from `face` at `points` points;
    // true with the chosen face and whole points on OK. Sizes are converted with one resolution
    // both ways and rounded, so OK without a change gives back the same size.
    static bool ChoosePrinterFont(HWND owner, HDC printerDc, std::string& face,
                                  std::int32_t& points);
};

} // namespace kestrel
