// A font description with its created font, its metrics and the colour its text is drawn in.
#pragma once

#include "framework/win32.h"

namespace kestrel {

class FontHolder {
public:
    FontHolder() = default;
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;
    ~FontHolder();

    // Creates the font from the description: `face` (when not empty) becomes its face name and
    // the height `points` on the vertical resolution of `dc`. Any font made before is deleted
    // first, so making again never leaks. The metrics are read from the font selected in `dc`
    // at the time of the call. False when the font could not be created.
    bool Make(HDC dc, const char* face, int points);
    // Sets the text colour on `dc` and selects the font there; returns the font it replaced.
    HGDIOBJ Select(HDC dc) const;

    bool IsMade() const { return font_ != nullptr; }
    HFONT Font() const { return font_; }
    LOGFONTA& Description() { return description_; }
    void SetColour(COLORREF colour) { colour_ = colour; }
    int AverageCharWidth() const { return averageCharWidth_; }
    int LineHeight() const { return lineHeight_; }

private:
    int averageCharWidth_ = 0;
    int lineHeight_ = 0; // character height plus external leading
    HFONT font_ = nullptr;
    COLORREF colour_ = RGB(0, 0, 0);
    LOGFONTA description_{};
};

} // namespace kestrel
