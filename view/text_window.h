// The framework's text view: shows lines in one fixed-pitch font from an off-screen surface,
// keeps a caret cell, scrolls in whole lines and columns, and turns key-downs into keystrokes
// for its key table. Reads text only through GetLineText and GetLineLength.
#pragma once

#include <climits>
#include <cstddef>
#include <string>

#include "commands/line_source.h"
#include "commands/paint_plan.h"
#include "commands/text_view_host.h"
#include "commands/text_view_state.h"
#include "document/text_pos.h"
#include "framework/handles.h"
#include "framework/window.h"
#include "keys/key_binding.h"
#include "keys/modifier_state.h"
#include "view/mouse_selection.h"
#include "view/text_surface.h"

namespace kestrel {

class TextWindow : public Window, public LineSource {
public:
    TextWindow();
    ~TextWindow() override;

    // Before creation: the caption of the window's own messages and the resource id of the
    // cursor shown over the left margin. Points the window at its built-in scroll keys.
    void Initialise(const char* caption, int marginCursorId);

    bool Create(HWND parent, HMENU menuOrId, const char* text, int x, int y, int width,
                int height) override;
    bool RegisterWindowClass() override;
    bool OnCreate() override;
    void OnDestroy() override;
    void OnSize(WPARAM w, LPARAM l) override;
    void OnPaint() override;
    void OnVScroll(WPARAM w, LPARAM l) override;
    void OnHScroll(WPARAM w, LPARAM l) override;
    void OnMouseWheel(WPARAM w, LPARAM l) override;
    void OnKeyDown(WPARAM w, LPARAM l) override;
    void OnSysKeyDown(WPARAM w, LPARAM l) override;
    void OnKeyUp(WPARAM w, LPARAM l) override;
    void OnSysKeyUp(WPARAM w, LPARAM l) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    // The mouse marks the block: a click anchors it, a drag extends it, the margin takes a
    // whole line; timer 1 scrolls while a drag holds the pointer above or below the window.
    void OnLButtonDown(WPARAM w, LPARAM l) override;
    void OnMouseMove(WPARAM w, LPARAM l) override;
    void OnLButtonUp(WPARAM w, LPARAM l) override;
    void OnTimer(UINT_PTR timerId) override;
    bool OnOtherMessage(UINT message, WPARAM w, LPARAM l) override;

    // Copies the caret line into its edit buffer; nothing in a bare text window.
    virtual void LoadCurrentLine();
    // Writes the caret line's edit buffer back; returns its length. Nothing here.
    virtual int StoreCurrentLine();
    // Moves the system caret to the caret cell.
    virtual void PlaceCaret();
    // A key binding of the window's table fired. A bare text window's own table names scroll
    // steps, which this runs; a window that hands it another table runs that table's commands.
    virtual void OnBindingFired(const KeyBinding& binding);

    // Renders the visible page off screen and copies it to the window in one go.
    void Repaint();
    // Ends a suspension of painting and renders once if anything asked for it meanwhile.
    void ResumePainting();
    void ScrollVertical(int code, int position);
    void ScrollHorizontal(int code, int position);
    void ScrollLineUp();
    void ScrollLineDown();
    void ScrollPageUp();
    void ScrollPageDown();
    void ScrollToTop();
    void ScrollToBottom();
    // Takes the font (or the stock fixed font for null) and its metrics. The window owns it.
    void ApplyFont(HFONT font);
    // The font the text is drawn in (the stock fixed font until one is applied); borrowed.
    HFONT TextFont() const { return surface_.Font(); }
    void SetBackgroundColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    void SetSelectedColours(COLORREF text, COLORREF background);
    void SetHorizontalBarHidden(bool hidden);
    void SetWheelLines(int lines) { view_.SetWheelLines(lines); }
    void SetTabSize(int tabSize) { view_.SetTabSize(tabSize); }
    // Visible columns and lines from the client size, then the horizontal range.
    void UpdateLayout();
    // Sets a scroll bar (SB_HORZ or SB_VERT) to the range 0..max and the position. A bar is
    // touched only when a value differs from what it was last given: every touch redraws it,
    // which costs milliseconds, and loading and caret moves ask again and again.
    void SetScrollBar(int bar, int max, int position);
    void SetScrollBarPosition(int bar, int position);
    // The bindings keys are looked up in. Not copied: they must outlive their use here.
    void SetKeyTable(const KeyBinding* bindings, std::size_t count);
    // After a menu was worked from the keyboard: the menu loop swallowed the Alt key-up, so the
    // modifier flags are put aside as on a focus change.
    void ClearModifiers() { modifiers_.SaveAndClear(); }

    TextViewState& View() { return view_; }
    const TextViewState& View() const { return view_; }
    const ModifierState& Modifiers() const { return modifiers_; }
    HDC SurfaceDc() const { return surface_.Dc(); }
    // Pixel size of the off-screen surface: the whole desktop when the window was made or the
    // display last changed.
    SIZE SurfaceSize() const { return surface_.Size(); }
    // The display's size or layout changed (the frame passes the message on, since only
    // top-level windows hear it): the surface is made again to cover the new desktop.
    void OnDisplayChange();
    const std::string& Caption() const { return caption_; }

protected:
    // Sets the vertical scroll range from the view state's line count.
    void ApplyVerticalRange();
    ModifierState& MutableModifiers() { return modifiers_; }

private:
    // Lets the window-free scroll rules call back into this window.
    class Host : public TextViewHost {
    public:
        explicit Host(TextWindow& window) : window_(window) {}
        void StoreCurrentLine() override { window_.StoreCurrentLine(); }
        void LoadCurrentLine() override { window_.LoadCurrentLine(); }
        void Repaint() override { window_.Repaint(); }
        void PlaceCaret() override { window_.PlaceCaret(); }
        void SetVerticalScrollPosition(std::int32_t position) override;
        void SetHorizontalScrollPosition(std::int32_t position) override;

    private:
        TextWindow& window_;
    };

    void HandleKeyDown(WPARAM w);
    // Copies the drawn page to the window.
    void Present();

    TextViewState view_;
    Host host_{*this};
    PaintPlan plan_;
    ModifierState modifiers_;
    const KeyBinding* keys_ = nullptr; // not owned
    std::size_t keyCount_ = 0;
    MouseSelection mouse_{*this};
    bool sysCharTaken_ = false; // the last key-down with Alt went to a binding

    TextSurface surface_;

    // What each scroll bar was last given, indexed by SB_HORZ (0) and SB_VERT (1); INT_MIN
    // until the first setting, so that it always goes through.
    struct ScrollBarValues {
        int max = INT_MIN;
        int position = INT_MIN;
    };
    ScrollBarValues scrollBars_[2];
    // False until the first WM_PAINT. Until then nothing is drawn on screen directly: that
    // paint draws the scroll bars with the window's frame and copies the whole surface, and
    // drawing before it would only be done twice.
    bool painted_ = false;

    std::string caption_;
    int marginCursorId_ = 0;
    HCURSOR marginCursor_ = nullptr;
    HCURSOR ibeamCursor_ = nullptr;
};

} // namespace kestrel
