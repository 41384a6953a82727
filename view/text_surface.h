// The text window's off-screen surface: a memory DC with a bitmap the size of the whole desktop,
// the text font and colours, the page drawn there from a paint plan, and the copy to the screen.
#pragma once

#include "framework/win32.h"

#include "commands/paint_plan.h"
#include "framework/handles.h"

namespace kestrel {

class TextSurface {
public:
    TextSurface() = default;
    TextSurface(const TextSurface&) = delete;
    TextSurface& operator=(const TextSurface&) = delete;

    // Makes the memory DC and its bitmap for `window`; false when either cannot be had.
    bool Create(HWND window);
    // The display's size or layout changed: a new bitmap of the new desktop's size. False keeps
    // the old one.
    bool Remake(HWND window);
    // Puts the DC's first objects back, then frees the font, bitmap, brush and DC.
    void Destroy();

    // Takes the font (or the stock fixed font for null), owned from now on, and returns its
    // metrics. Without a DC the font is deleted and the metrics are zero.
    TEXTMETRICA TakeFont(HFONT font);
    // The font the text is drawn in (the stock fixed font until one is taken); borrowed.
    HFONT Font() const {
        return font_.Get() != nullptr ? font_.Get()
                                      : static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
    }
    void SetBackgroundColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    void SetSelectedColours(COLORREF text, COLORREF background);

    // Draws the page `plan` describes over a client area of `width` x `height` pixels: the
    // background, every row's text, then the block's cells and fills in the block colours.
    void Draw(const PaintPlan& plan, int width, int height);
    // Copies the part at (x, y) of `width` x `height` to the same place of `dc`.
    void CopyTo(HDC dc, int x, int y, int width, int height) const;

    HDC Dc() const { return memoryDc_.Get(); }
    // Pixel size of the bitmap: the whole desktop when the surface was made or last remade.
    SIZE Size() const { return size_; }

private:
    // Makes a new bitmap of the desktop's size and selects it; false keeps the old.
    bool MakeBitmap(HWND window);

    OwnedDc memoryDc_;
    BitmapObject bitmap_; // the size of the whole desktop
    SIZE size_{0, 0};
    HGDIOBJ initialBitmap_ = nullptr;
    HGDIOBJ initialFont_ = nullptr;
    BrushObject backgroundBrush_;
    FontObject font_; // null: the stock fixed font is in use
    COLORREF textColour_ = 0;
    COLORREF backColour_ = 0;
    COLORREF selectedTextColour_ = 0;
    COLORREF selectedBackColour_ = 0;
};

} // namespace kestrel
