// What the editor's view asks of the window that holds it: the title, the save question,
// the settings-changed flag and the recent-file list all live with the frame.
#pragma once

#include <string>

namespace kestrel {

class DocumentHost {
public:
    // The document path changed: refresh the title and the path pane.
    virtual void UpdateTitle() = 0;
    // Asks to save a modified document; false when the user cancelled or the save failed.
    virtual bool CanClose() = 0;
    // An option was confirmed; closing will ask "Save settings?".
    virtual void SetSettingsChanged() = 0;
    // A document was loaded from `path`.
    virtual void AddRecentFile(const std::string& path) = 0;
    // Prints the whole document, or the shown block.
    virtual void PrintCommand(bool wholeDocument) = 0;

protected:
    ~DocumentHost() = default;
};

} // namespace kestrel
