// The About box: the program's message window as an ellipse with the program's icon, its
// version and a link to the maker's site.
#pragma once

#include <string_view>

#include "framework/control.h"
#include "framework/font_holder.h"
#include "framework/message_window.h"

namespace kestrel {

// The maker's web host, over HTTP. A macro only so that the addresses below can be joined to
// it at compile time.
#define KESTREL_MAKER_HOST "http://www.hobartfreeware.example"

// The maker's web site: the About box shows it as its link.
constexpr char kMakerSite[] = KESTREL_MAKER_HOST "/";
// Where "Check for updates" goes: the update page on the maker's host.
constexpr char kUpdatePage[] = KESTREL_MAKER_HOST "/HobartUtilities.html#Kestrel";

class AboutWindow : public MessageWindow {
public:
    // Shows the About box over `owner` and waits until it is closed.
    int ShowAbout(HWND owner);

    bool CreateBoxWindow() override;
    bool CreateButtons() override;
    void OnPaint() override;
    void OnDrawItem(WPARAM w, LPARAM l) override;
    void OnOtherButton(int id, LPARAM control) override;

    // The link's font; made at the first showing and kept for the rest of the run.
    HFONT LinkFont() const { return linkFont_.Font(); }
    HWND LinkButton() const { return linkButton_.Handle(); }

private:
    std::string_view LinkText() const;
    void CreateLink(HDC dc);

    Button linkButton_;
    FontHolder linkFont_;
    bool linkCreated_ = false;
    int width_ = 0;
    int height_ = 0;
    RECT linkRect_{};
};

} // namespace kestrel
