// "Replace" without its dialog: the dialog's Replace and Replace all buttons on the document,
// each one undo step, with the search text and options of "Find text".
#pragma once

#include <cstdint>
#include <string>

#include "commands/command_runner.h"
#include "commands/text_replacer.h"

namespace kestrel {

// What Replace all says when it is done: "N replaced", and on a second line "M not replaced:
// line too long" when some matches were kept.
std::string ReplacedText(std::int64_t replaced);
std::string NotReplacedText(std::int64_t skipped);

class ReplaceCommands {
public:
    // Neither is owned; the search text, case and direction are the runner's FindCommands'.
    ReplaceCommands(CommandRunner& runner, EditorContext& context)
        : runner_(runner), context_(context) {}

    // The replacement text, kept for the whole run as the search text is.
    std::string& Replacement() { return replacement_; }

    // The Replace button: the shown block, when it is a match of the search text, is replaced
    // (one undo step) and the caret put after the new text (going up: before it), then the next
    // match is found and shown. A shown block that is no match is only searched past; one whose
    // replacement would make its line too long is kept, with a beep. Nothing in a read-only
    // document.
    void ReplaceNext();
    // The Replace all button: every match of the whole document in one pass and one undo step;
    // the view stays where it was and the result is reported. Nothing in a read-only document.
    ReplaceAllResult ReplaceAll();

private:
    CommandRunner& runner_;
    EditorContext& context_;
    std::string replacement_;
};

} // namespace kestrel
