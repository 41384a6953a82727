// The program's own modal message box: a captioned popup with an icon, centred text and one to
// three buttons, driven by the system message box's style word and result codes.
#pragma once

#include <string>

#include "framework/control.h"
#include "framework/window.h"

namespace kestrel {

// Colours every message of the program is shown in.
constexpr COLORREF kMessageTextColour = RGB(0, 0, 0);
constexpr COLORREF kMessageBackColour = RGB(192, 192, 192);
constexpr COLORREF kMessageShadowColour = RGB(128, 128, 128);

class MessageWindow : public Window {
public:
    MessageWindow();

    // Shows the box and waits until a button is chosen. Returns 1 (OK), 2 (Cancel), 6 (Yes) or
    // 7 (No); 0 when no box could be shown, or when the program is quitting before a choice.
    // `iconName` names an icon of the program's resources, used when the style names none.
    int Show(HWND owner, const char* text, const char* caption, UINT style, const char* iconName,
             COLORREF textColour, COLORREF backColour, COLORREF shadowColour);

    bool RegisterWindowClass() override;
    void OnClose() override;
    void OnCommand(WPARAM w, LPARAM l) override;
    bool OnCreate() override;
    void OnLButtonDown(WPARAM w, LPARAM l) override;
    void OnPaint() override;
    void OnSetFocus() override;

    // Called right after the box window is created; the box is up and its buttons exist.
    virtual void AfterCreate();
    // A command from a control that is none of the box's buttons.
    virtual void OnOtherButton(int id, LPARAM control);
    // Creates the buttons the style word asks for; returns the last creation's result.
    virtual bool CreateButtons();
    virtual bool CreateBoxWindow();

    // The box's buttons while it is shown, and which one has the focus.
    static int ButtonCount();
    static HWND ButtonHandle(int index);
    static int FocusedIndex();

    int LineHeight() const { return lineHeight_; }
    int MaxCharWidth() const { return maxCharWidth_; }

protected:
    const std::string& Text() const { return text_; }
    const char* Caption() const { return caption_; }
    int LineCount() const { return lineCount_; }
    int BoxWidth() const { return boxWidth_; }
    HWND Owner() const { return owner_; }
    HICON Icon() const { return icon_; }
    COLORREF TextColour() const { return textColour_; }
    COLORREF BackColour() const { return backColour_; }
    // Writes the text lines centred between `left` and `right`, the first at `top`.
    void DrawTextLines(HDC dc, int left, int right, int top) const;

private:
    static LRESULT CALLBACK ButtonKeyProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    void CloseBox();

    HWND owner_ = nullptr;
    HWND disabledRoot_ = nullptr; // the owner's top-level window, disabled while the box is up
    bool running_ = false;
    int result_ = 0;
    int buttonResults_[3] = {0, 0, 0};
    UINT boxStyle_ = 0; // the style word given to Show
    COLORREF textColour_ = kMessageTextColour;
    COLORREF backColour_ = kMessageBackColour;
    COLORREF highlightColour_ = RGB(255, 255, 255);
    COLORREF shadowColour_ = kMessageShadowColour;
    std::string text_;
    const char* caption_ = ""; // not copied: the caller keeps it alive
    HICON icon_ = nullptr;
    int maxCharWidth_ = 0;
    int lineHeight_ = 0; // character height plus external leading, display font
    int lineCount_ = 0;
    int maxLineWidth_ = 0;
    int boxWidth_ = 0;
    int textLeft_ = 0;
    RECT textRect_{};
};

} // namespace kestrel
