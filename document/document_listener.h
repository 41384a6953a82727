// What the line store tells the window that shows it. The view implements this and repaints,
// refreshes its scroll range or shows the message as it must.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrel {

class DocumentListener {
public:
    virtual ~DocumentListener() = default;

    // A line was written back or whole lines changed; the document is now modified.
    virtual void OnLineChanged() = 0;
    // The line count changed (or was re-announced after a load) and is now `count`.
    virtual void OnLineCountChanged(std::int32_t count) = 0;
    // A failure the user must see; `detail` is shown as a second line when it is not empty.
    virtual void ShowMessage(std::string_view text, std::string_view detail) = 0;
};

} // namespace kestrel
