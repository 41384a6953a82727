// The off-screen surface and the GDI calls that draw a page on it.
#include "view/text_surface.h"

#include <utility>

namespace kestrel {

namespace {

// The whole desktop, every monitor: a window maximised on the largest one still fits.
SIZE VirtualScreenSize() {
    SIZE size{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    if (size.cx <= 0 || size.cy <= 0) {
        size = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return size;
}

} // namespace

bool TextSurface::Create(HWND window) {
    WindowDc screen(window);
    memoryDc_.Reset(CreateCompatibleDC(screen.Get()));
    if (memoryDc_.Get() == nullptr) {
        return false;
    }
    initialBitmap_ = GetCurrentObject(memoryDc_.Get(), OBJ_BITMAP);
    initialFont_ = GetCurrentObject(memoryDc_.Get(), OBJ_FONT);
    return MakeBitmap(window);
}

bool TextSurface::Remake(HWND window) {
    return memoryDc_.Get() != nullptr && MakeBitmap(window);
}

bool TextSurface::MakeBitmap(HWND window) {
    // As large as the desktop, so that no client size ever needs a new surface: it is made
    // again only when the display itself changes, never on a resize.
    const SIZE size = VirtualScreenSize();
    WindowDc screen(window);
    BitmapObject bitmap(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    if (bitmap.Get() == nullptr) {
        return false; // the old surface, if any, stays in use
    }
    SelectObject(memoryDc_.Get(), bitmap.Get());
    bitmap_ = std::move(bitmap); // the old bitmap is out of the DC and can go
    size_ = size;
    return true;
}

void TextSurface::Destroy() {
    // Put the surface's first objects back before the font and bitmap can be deleted.
    if (memoryDc_.Get() != nullptr) {
        if (initialFont_ != nullptr) {
            SelectObject(memoryDc_.Get(), initialFont_);
        }
        if (initialBitmap_ != nullptr) {
            SelectObject(memoryDc_.Get(), initialBitmap_);
        }
    }
    memoryDc_.Reset();
    bitmap_.Reset();
    backgroundBrush_.Reset();
    font_.Reset();
}

TEXTMETRICA TextSurface::TakeFont(HFONT font) {
    TEXTMETRICA metrics{};
    if (memoryDc_.Get() == nullptr) {
        if (font != nullptr) {
            DeleteObject(font);
        }
        return metrics;
    }
    if (font == nullptr) {
        SelectObject(memoryDc_.Get(), GetStockObject(SYSTEM_FIXED_FONT));
        font_.Reset();
    } else {
        SelectObject(memoryDc_.Get(), font);
        font_.Reset(font);
    }
    GetTextMetricsA(memoryDc_.Get(), &metrics);
    return metrics;
}

void TextSurface::SetBackgroundColour(COLORREF colour) {
    backColour_ = colour;
    if (memoryDc_.Get() != nullptr) {
        SetBkColor(memoryDc_.Get(), colour);
    }
    backgroundBrush_.Reset(CreateSolidBrush(colour));
}

void TextSurface::SetTextColour(COLORREF colour) {
    textColour_ = colour;
    if (memoryDc_.Get() != nullptr) {
        SetTextColor(memoryDc_.Get(), colour);
    }
}

void TextSurface::SetSelectedColours(COLORREF text, COLORREF background) {
    selectedTextColour_ = text;
    selectedBackColour_ = background;
}

void TextSurface::Draw(const PaintPlan& plan, int width, int height) {
    HDC dc = memoryDc_.Get();
    RECT client{0, 0, width, height};
    FillRect(dc, &client, backgroundBrush_.Get());
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    for (const PaintRow& row : plan.Rows()) {
        if (!row.text.empty()) {
            TextOutA(dc, plan.TextLeft(), row.top, row.text.data(),
                     static_cast<int>(row.text.size()));
        }
    }
    if (!plan.DrawsBlock()) {
        return;
    }
    BrushObject selection(CreateSolidBrush(selectedBackColour_));
    SetTextColor(dc, selectedTextColour_);
    SetBkColor(dc, selectedBackColour_);
    for (const PaintRow& row : plan.Rows()) {
        const RowBlock& block = row.block;
        if (!block.covered) {
            continue;
        }
        if (block.fillsToRightEdge) {
            RECT fill{block.fillLeft, row.top, block.fillRight, row.top + plan.RowHeight()};
            FillRect(dc, &fill, selection.Get());
        }
        if (block.columnCount > 0) {
            TextOutA(dc, block.textLeft, row.top, row.text.data() + block.firstColumn,
                     block.columnCount);
        }
    }
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
}

void TextSurface::CopyTo(HDC dc, int x, int y, int width, int height) const {
    BitBlt(dc, x, y, width, height, memoryDc_.Get(), x, y, SRCCOPY);
}

} // namespace kestrel
