// The status bar: pane edges from character widths, and pane texts.
#include "framework/status_bar.h"

#include <algorithm>

#include <commctrl.h>

#include "framework/handles.h"
#include "framework/window.h"
#include "shell/control_ids.h"
#include "shell/geometry.h"

namespace kestrel {

StatusBar::StatusBar() { style_ = WS_CHILD | WS_VISIBLE; }

bool StatusBar::SetPaneCount(int count) {
    if (count < 0) {
        return false;
    }
    capacity_ = count;
    widths_.clear();
    styles_.clear();
    widths_.reserve(count);
    styles_.reserve(count);
    edges_.assign(count, 0);
    return true;
}

void StatusBar::AddPane(int width, int drawStyle) {
    if (static_cast<int>(widths_.size()) >= capacity_) {
        return;
    }
    widths_.push_back(width);
    styles_.push_back(drawStyle);
}

bool StatusBar::Create(HWND parent) {
    parent_ = parent;
    id_ = NextControlId();
    if (!CreateControl(STATUSCLASSNAMEA, parent, "", 0, 0, 0, 0)) {
        return false;
    }
    ApplyParts();
    texts_.assign(static_cast<std::size_t>(capacity_), std::string());
    for (int i = 0; i < capacity_; ++i) {
        SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(i | PaneStyle(i)),
                     reinterpret_cast<LPARAM>(""));
    }
    return true;
}

bool StatusBar::Create(HWND parent, int, const char*, int, int, int, int) {
    return Create(parent);
}

void StatusBar::ApplyParts() {
    // Panes that were never added count as zero characters wide.
    std::vector<int> parts(edges_);
    SendMessageA(hwnd_, SB_SETPARTS, static_cast<WPARAM>(parts.size()),
                 reinterpret_cast<LPARAM>(parts.data()));
}

int StatusBar::AverageCharWidth() const {
    auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    WindowDc dc(parent_);
    SelectGuard select(dc.Get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    return metrics.tmAveCharWidth;
}

void StatusBar::Resize(WPARAM w, LPARAM l) {
    if (hwnd_ == nullptr) {
        return;
    }
    SendMessageA(hwnd_, WM_SIZE, w, l);
    RECT bar;
    GetWindowRect(hwnd_, &bar);
    std::vector<int> widths(capacity_, 0);
    std::copy(widths_.begin(), widths_.end(), widths.begin());
    edges_ = PaneEdges(widths, bar.right - bar.left, AverageCharWidth());
    ApplyParts();
}

int StatusBar::Height() const {
    if (hwnd_ == nullptr || !IsWindowVisible(hwnd_)) {
        return 0;
    }
    RECT bar;
    GetWindowRect(hwnd_, &bar);
    return bar.bottom - bar.top;
}

int StatusBar::PaneStyle(int index) const {
    return index < static_cast<int>(styles_.size()) ? styles_[index] : 0;
}

void StatusBar::SetText(int index, const char* text) {
    if (hwnd_ == nullptr || index < 0 || index >= static_cast<int>(texts_.size())) {
        return;
    }
    if (text == nullptr) {
        text = "";
    }
    std::string& shown = texts_[static_cast<std::size_t>(index)];
    if (shown == text) {
        return;
    }
    shown = text;
    SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(index | PaneStyle(index)),
                 reinterpret_cast<LPARAM>(text));
}

} // namespace kestrel
