// Making and selecting a described font.
#include "framework/font_holder.h"

#include <cstring>

namespace kestrel {

FontHolder::~FontHolder() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

bool FontHolder::Make(HDC dc, const char* face, int points) {
    if (face != nullptr && face[0] != '\0') {
        std::strncpy(description_.lfFaceName, face, LF_FACESIZE - 1);
        description_.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    description_.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    HFONT made = CreateFontIndirectA(&description_);
    if (made == nullptr) {
        return false;
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = made;
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc, &metrics)) {
        averageCharWidth_ = metrics.tmAveCharWidth;
        lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    }
    return true;
}

HGDIOBJ FontHolder::Select(HDC dc) const {
    SetTextColor(dc, colour_);
    return SelectObject(dc, font_);
}

} // namespace kestrel
