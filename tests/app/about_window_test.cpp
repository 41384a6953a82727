// In-process tests of the About box: its shape with and without a link, closing, and the link
// font that every showing shares.
#include "app/about_window.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

// An About box that paints itself at once, notes what it looks like, and presses Enter.
class ScriptedAbout : public AboutWindow {
public:
    void AfterCreate() override {
        UpdateWindow(Handle()); // the link is made by the first painting
        RECT r;
        GetWindowRect(Handle(), &r);
        height = r.bottom - r.top;
        linkFont = LinkFont();
        hasLink = LinkButton() != nullptr;
        PostMessageA(ButtonHandle(FocusedIndex()), WM_KEYDOWN, VK_RETURN, 0);
    }

    int height = 0;
    HFONT linkFont = nullptr;
    bool hasLink = false;
};

TEST(AboutWindow, EnterClosesTheBoxWithOk) {
    ScriptedAbout about;
    EXPECT_EQ(about.ShowAbout(nullptr), 1);
    EXPECT_TRUE(about.hasLink);
    EXPECT_EQ(about.Handle(), nullptr);
}

TEST(AboutWindow, WithoutLinkTheBoxIsTwoLinesShorter) {
    ScriptedAbout withLink;
    withLink.ShowAbout(nullptr);
    ScriptedAbout withoutLink;
    withoutLink.Show(nullptr, "Kestrel - Version 1.47\nsecond line", "", 0, nullptr,
                     kMessageTextColour, kMessageBackColour, kMessageShadowColour);
    EXPECT_FALSE(withoutLink.hasLink);
    EXPECT_EQ(withLink.height - withoutLink.height, 2 * withLink.LineHeight());
}

TEST(AboutWindow, AHundredShowingsShareOneLinkFont) {
    ScriptedAbout about;
    about.ShowAbout(nullptr);
    HFONT first = about.linkFont;
    ASSERT_NE(first, nullptr);
    DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 100; ++i) {
        about.ShowAbout(nullptr);
        ASSERT_EQ(about.linkFont, first) << "showing " << i;
    }
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_FONT));
    // Where the system counts them (Wine does not), the count stays where it was.
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore);
}

TEST(FontHolder, MakingAgainDeletesTheEarlierFont) {
    HDC dc = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    HFONT first = nullptr;
    {
        FontHolder holder;
        ASSERT_TRUE(holder.Make(dc, "MS Sans Serif", 12));
        first = holder.Font();
        ASSERT_TRUE(holder.Make(dc, "", 10));
        EXPECT_NE(holder.Font(), first);
        EXPECT_EQ(GetObjectType(first), 0u);
        EXPECT_STREQ(holder.Description().lfFaceName, "MS Sans Serif");
        EXPECT_LT(holder.Description().lfHeight, 0);
        EXPECT_GT(holder.LineHeight(), 0);
        first = holder.Font();
    }
    EXPECT_EQ(GetObjectType(first), 0u); // the holder's end deletes its font
    DeleteDC(dc);
}

} // namespace
} // namespace kestrel
