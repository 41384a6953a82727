// In-process tests of the text window against a real window of known size and font.
#include "view/edit_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "keys/key_table.h"

namespace kestrel {
namespace {

constexpr int kClientWidth = 800;
constexpr int kRows = 20;

// An edit window inside a plain parent, sized so that its client area is exactly
// kClientWidth pixels wide and kRows lines tall, with a font 8 pixels wide.
class TextWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        view_.Initialise("Kestrel", 32127);
        ASSERT_TRUE(view_.Create(parent_, nullptr, "", 0, 0, 900, 600));
        view_.ApplyFont(CreateFontA(-16, 8, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    FIXED_PITCH | FF_MODERN, "Courier New"));
        ASSERT_EQ(view_.View().CharWidth(), 8);
        SizeClient(kClientWidth, kRows * view_.View().LineHeight());
        ASSERT_TRUE(view_.NewDocument());
    }

    void TearDown() override { DestroyWindow(parent_); }

    void SizeClient(int width, int height) {
        RECT window;
        RECT client;
        GetWindowRect(view_.Handle(), &window);
        GetClientRect(view_.Handle(), &client);
        SetWindowPos(view_.Handle(), nullptr, 0, 0,
                     window.right - window.left + width - client.right,
                     window.bottom - window.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
        GetClientRect(view_.Handle(), &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
    }

    // Loads `count` lines "line 0", "line 1", ... as a file load would.
    void LoadNumberedLines(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back("line " + std::to_string(i));
        }
        LoadLines(lines);
    }

    void LoadLines(const std::vector<std::string>& lines) {
        LineStore& store = view_.Store();
        ASSERT_TRUE(view_.ResetLines());
        ASSERT_TRUE(store.BeginLoad());
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line;
        }
        FileBuffer& buffer = store.GetFileBuffer();
        ASSERT_TRUE(buffer.Reserve(bytes.size()));
        std::memcpy(buffer.Data(), bytes.data(), bytes.size());
        buffer.SetLength(bytes.size());
        std::size_t offset = 0;
        for (const std::string& line : lines) {
            ASSERT_TRUE(store.AppendLine(buffer.Data() + offset,
                                         static_cast<std::int32_t>(line.size())));
            offset += line.size();
        }
        store.AdjustLineCount(0);
        view_.LoadCurrentLine();
        view_.Repaint();
    }

    void VerticalRange(int& low, int& high) { GetScrollRange(view_.Handle(), SB_VERT, &low, &high); }
    int VerticalMax() {
        int low = 0;
        int high = 0;
        VerticalRange(low, high);
        return high;
    }

    HWND parent_ = nullptr;
    EditWindow view_;
};

TEST_F(TextWindowTest, AOneLineDocumentKeepsAVerticalRangeOfOne) {
    int low = -1;
    int high = -1;
    VerticalRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 1);
    EXPECT_EQ(view_.View().LineCount(), 1);
}

TEST_F(TextWindowTest, AFreshViewShowsTheOneLineRangeBeforeAnyDocument) {
    EditWindow fresh;
    fresh.Initialise("Kestrel", 32127);
    ASSERT_TRUE(fresh.Create(parent_, nullptr, "", 0, 0, 300, 200));
    int low = -1;
    int high = -1;
    GetScrollRange(fresh.Handle(), SB_VERT, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 1);
    EXPECT_EQ(GetScrollPos(fresh.Handle(), SB_VERT), 0);
    fresh.Destroy();
}

TEST_F(TextWindowTest, PageDownOnTheLastPagePutsTheLastLineAtTheTop) {
    LoadNumberedLines(30);
    EXPECT_EQ(VerticalMax(), 29);
    view_.ScrollPageDown();
    EXPECT_EQ(view_.View().TopLine(), 20);
    view_.ScrollPageDown();
    EXPECT_EQ(view_.View().TopLine(), 29);
    EXPECT_EQ(GetScrollPos(view_.Handle(), SB_VERT), 29);
}

// Scroll bars are given new values only when a value changes, and are not drawn before the
// window's first paint; what they hold must follow the view on both sides of that paint.
TEST_F(TextWindowTest, ScrollBarsFollowTheViewBeforeAndAfterTheFirstPaint) {
    LoadNumberedLines(30);
    EXPECT_EQ(VerticalMax(), 29);
    RedrawWindow(view_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    view_.ScrollToBottom();
    EXPECT_EQ(GetScrollPos(view_.Handle(), SB_VERT), 29);
    LoadNumberedLines(5);
    EXPECT_EQ(VerticalMax(), 4);
    EXPECT_EQ(GetScrollPos(view_.Handle(), SB_VERT), 0);
    view_.ScrollToBottom();
    view_.ScrollToTop();
    EXPECT_EQ(GetScrollPos(view_.Handle(), SB_VERT), 0);
}

TEST_F(TextWindowTest, ScrollingKeepsTheCaretRowUntilTheEnd) {
    LoadNumberedLines(30);
    view_.View().SetCaretRow(5);
    view_.LoadCurrentLine();
    view_.ScrollLineDown();
    EXPECT_EQ(view_.View().TopLine(), 1);
    EXPECT_EQ(view_.View().CaretRow(), 5);
    EXPECT_EQ(view_.Store().CaretLine(), 6);
    view_.ScrollToBottom();
    EXPECT_EQ(view_.View().TopLine(), 29);
    EXPECT_EQ(view_.View().CaretRow(), 0);
    EXPECT_EQ(view_.Store().CaretLine(), 29);
}

TEST_F(TextWindowTest, AWheelNotchScrollsWheelLinesWhateverItsSize) {
    LoadNumberedLines(40);
    view_.SetWheelLines(3);
    SendMessageA(view_.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(view_.View().TopLine(), 3);
    SendMessageA(view_.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(view_.View().TopLine(), 0);
}

TEST_F(TextWindowTest, HorizontalRangeFollowsLineLengthAndWidth) {
    // A fresh window holds lines of up to 2048 characters.
    int low = -1;
    int high = -1;
    GetScrollRange(view_.Handle(), SB_HORZ, &low, &high);
    EXPECT_EQ(high, 1948);
    view_.SetHorizontalBarHidden(true);
    GetScrollRange(view_.Handle(), SB_HORZ, &low, &high);
    EXPECT_EQ(high, 0);
    EXPECT_EQ(view_.View().HorizontalMax(), 1948);
}

TEST_F(TextWindowTest, TheBlockRunsToTheRightEdgeOnAllButItsEndLine) {
    view_.SetTextColour(RGB(0, 0, 0));
    view_.SetBackgroundColour(RGB(192, 192, 192));
    view_.SetSelectedColours(RGB(0, 0, 0), RGB(255, 255, 0));
    LoadLines({"zero", "one", "two two two", "three three", "four four"});
    view_.View().SetBlock({2, 4}, {4, 4});
    view_.View().SetBlockShown(true);
    view_.Repaint();

    HDC surface = view_.SurfaceDc();
    const int charWidth = view_.View().CharWidth();
    const int lineHeight = view_.View().LineHeight();
    const int margin = view_.View().LeftMargin();
    auto pixelAt = [&](int column, int row) {
        // A point in the cell's lower half, left of any glyph's stroke at the cell's edge.
        return GetPixel(surface, margin + column * charWidth + 1, row * lineHeight + lineHeight - 2);
    };
    const COLORREF yellow = RGB(255, 255, 0);
    const COLORREF grey = RGB(192, 192, 192);
    EXPECT_EQ(pixelAt(1, 2), grey);           // before the begin index
    EXPECT_EQ(pixelAt(30, 2), yellow);        // past the text, to the right edge
    EXPECT_EQ(GetPixel(surface, kClientWidth - 2, 2 * lineHeight + 2), yellow);
    EXPECT_EQ(pixelAt(0, 3), yellow);         // a whole middle line
    EXPECT_EQ(pixelAt(50, 3), yellow);
    EXPECT_EQ(pixelAt(3, 4), yellow);         // end line up to the end index
    EXPECT_EQ(pixelAt(4, 4), grey);           // the end index itself is not selected
    EXPECT_EQ(pixelAt(30, 4), grey);
    EXPECT_EQ(pixelAt(30, 1), grey);          // lines outside the block
}

TEST_F(TextWindowTest, TheSurfaceCoversTheDesktopAndIsMadeAgainWhenTheDisplayChanges) {
    const SIZE desktop{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    auto surfaceBitmap = [&] {
        BITMAP bitmap{};
        GetObjectA(GetCurrentObject(view_.SurfaceDc(), OBJ_BITMAP), sizeof bitmap, &bitmap);
        return SIZE{bitmap.bmWidth, bitmap.bmHeight};
    };
    EXPECT_EQ(surfaceBitmap().cx, desktop.cx);
    EXPECT_EQ(surfaceBitmap().cy, desktop.cy);
    const HGDIOBJ before = GetCurrentObject(view_.SurfaceDc(), OBJ_BITMAP);
    // A resize never makes a new surface; a display change does, and paints into it.
    SizeClient(kClientWidth / 2, kRows * view_.View().LineHeight());
    EXPECT_EQ(GetCurrentObject(view_.SurfaceDc(), OBJ_BITMAP), before);
    LoadLines({"after the change"});
    SendMessageA(view_.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(desktop.cx, desktop.cy));
    EXPECT_NE(GetCurrentObject(view_.SurfaceDc(), OBJ_BITMAP), before);
    EXPECT_EQ(surfaceBitmap().cx, view_.SurfaceSize().cx);
    EXPECT_EQ(surfaceBitmap().cy, desktop.cy);
    EXPECT_NE(GetPixel(view_.SurfaceDc(), 1, 1), CLR_INVALID);
}

TEST_F(TextWindowTest, CtrlHeldWhileTheFocusLeavesDoesNotStayDown) {
    SetFocus(view_.Handle());
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_CONTROL, 0);
    EXPECT_TRUE(view_.Modifiers().CtrlDown());
    SendMessageA(view_.Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(view_.Modifiers().CtrlDown());

    SendMessageA(view_.Handle(), WM_SYSKEYDOWN, VK_MENU, 0);
    EXPECT_TRUE(view_.Modifiers().AltDown());
    view_.ClearModifiers(); // what the frame does when a menu loop ends
    EXPECT_FALSE(view_.Modifiers().AltDown());
}

TEST_F(TextWindowTest, BuiltInKeysScrollABareWindow) {
    LoadNumberedLines(50);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(view_.View().TopLine(), kRows);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(view_.View().TopLine(), kRows + 1);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_CONTROL, 0);
    SendMessageA(view_.Handle(), WM_KEYDOWN, 'Q', 0);
    SendMessageA(view_.Handle(), WM_KEYDOWN, 'R', 0);
    SendMessageA(view_.Handle(), WM_KEYUP, VK_CONTROL, 0);
    EXPECT_EQ(view_.View().TopLine(), 0);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(view_.View().TopLine(), 49);
}

} // namespace
} // namespace kestrel
