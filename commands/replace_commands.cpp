// Replace and Replace all on the document, through the command runner's steps.
#include "commands/replace_commands.h"

namespace kestrel {

std::string ReplacedText(std::int64_t replaced) { return std::to_string(replaced) + " replaced"; }

std::string NotReplacedText(std::int64_t skipped) {
    return std::to_string(skipped) + " not replaced: line too long";
}

void ReplaceCommands::ReplaceNext() {
    if (context_.ReadOnly()) {
        return;
    }
    FindCommands& find = runner_.Find();
    const TextViewState& view = context_.View();
    const TextPos begin = view.BlockBegin();
    const TextPos end = view.BlockEnd();
    if (!find.SearchText().empty() && view.BlockShown() && begin.line == end.line) {
        const FindMatcher matcher(find.SearchText(), find.MatchCase());
        TextReplacer replacer(matcher, replacement_, context_.LineLimit() - 1);
        ReplaceAtResult result;
        runner_.RunAsStep([&] {
            result = replacer.ReplaceMatchAt(context_.Store(), begin.line, begin.index,
                                             end.index - begin.index);
            if (result.outcome == ReplaceAtOutcome::Replaced) {
                const std::int32_t after = begin.index + static_cast<std::int32_t>(
                                                             replacement_.size());
                context_.View().SetBlock(begin, {begin.line, after});
                // The search goes on past the new text, so a replacement that holds the search
                // text is never found again.
                runner_.Cursor().GoToPosition(begin.line,
                                              find.SearchUp() ? begin.index : result.next);
            }
        });
        if (result.outcome == ReplaceAtOutcome::TooLong) {
            context_.Host().Beep();
        }
        if (result.outcome == ReplaceAtOutcome::OutOfMemory) {
            return;
        }
    }
    find.FindNext();
}

ReplaceAllResult ReplaceCommands::ReplaceAll() {
    ReplaceAllResult result;
    FindCommands& find = runner_.Find();
    if (context_.ReadOnly() || find.SearchText().empty()) {
        return result;
    }
    const FindMatcher matcher(find.SearchText(), find.MatchCase());
    TextReplacer replacer(matcher, replacement_, context_.LineLimit() - 1);
    runner_.RunAsStep([&] { result = replacer.ReplaceAll(context_.Store()); });
    // The view stays where it was; lines under it may have changed.
    context_.Host().Repaint();
    context_.Host().PlaceCaret();
    return result;
}

} // namespace kestrel
