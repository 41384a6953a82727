// The date stamp and the special character: "Insert date" puts a stamp of now at the caret as
// the block, a save refreshes the stamp in the first lines, "Get special char" chooses a code in
// its dialog and "Write special char" types it.
#pragma once

#include "commands/command_runner.h"
#include "settings/editor_settings.h"
#include "view/edit_window.h"

namespace kestrel {

class StampsAndCharacters {
public:
    // `options` are the view's live options (the stamp form, the header update, the chosen
    // character); none of the three is owned.
    StampsAndCharacters(EditWindow& window, EditorSettings& options, CommandRunner& runner)
        : window_(window), options_(options), runner_(runner) {}

    void InsertDate();
    // Before every save, with the header update on: the first stamp in lines 0 to 2 becomes a
    // stamp of now, in the chosen form.
    void UpdateHeaderStamp();
    // True when a character was chosen: the settings changed.
    bool GetSpecialChar();
    void WriteSpecialChar();

private:
    EditWindow& window_;
    EditorSettings& options_;
    CommandRunner& runner_;
};

} // namespace kestrel
