// The Replace dialog's buttons on a document: one match at a time from the shown block, every
// match at once, each one undo step.
#include "commands/replace_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/commands/fake_editor.h"
#include "tests/commands/no_window.h"

namespace kestrel {
namespace {

using Lines = std::vector<std::string>;

class ReplaceCommandsTest : public ::testing::Test {
protected:
    Lines Document() const {
        Lines lines;
        for (std::int32_t i = 0; i < editor.store.LineCount(); ++i) {
            lines.push_back(editor.Line(i));
        }
        return lines;
    }
    void Search(const std::string& text, const std::string& replacement, bool up = false) {
        runner.Find().SetSearchText(text);
        runner.Find().SetSearchUp(up);
        replace.Replacement() = replacement;
    }

    FakeEditor editor{256};
    NoWindow noWindow;
    CommandRunner runner{editor.context, editor.history, noWindow, noWindow};
    ReplaceCommands replace{runner, editor.context};
};

TEST_F(ReplaceCommandsTest, ReplaceAllIsOneStepThatUndoGivesBackByteForByte) {
    const Lines original = {"one two one", "\tONE\xe9one", "", "none"};
    editor.Load(original);
    editor.PutCaret(0, 1, 2, 0);
    Search("one", "1");
    const ReplaceAllResult result = replace.ReplaceAll();
    EXPECT_EQ(result.replaced, 5);
    EXPECT_EQ(Document(), (Lines{"1 two 1", "\t1\xe9" "1", "", "n1"}));
    EXPECT_EQ(editor.CaretLine(), 1) << "the view stays where it was";
    EXPECT_TRUE(editor.store.Flags().modified);

    runner.Run(CommandId::Undo);
    EXPECT_EQ(Document(), original);
    EXPECT_FALSE(editor.store.Flags().modified);
    runner.Run(CommandId::Redo);
    EXPECT_EQ(Document(), (Lines{"1 two 1", "\t1\xe9" "1", "", "n1"}));
    runner.Run(CommandId::Undo);
    EXPECT_FALSE(editor.history.CanUndo()) << "Replace all was a single step";
}

TEST_F(ReplaceCommandsTest, ReplaceStepsThroughTheMatchesPastEachNewText) {
    // "a" by "aa": each original "a" is replaced once, whichever way the search goes.
    for (const bool up : {false, true}) {
        SCOPED_TRACE(up ? "up" : "down");
        editor.Load({"a-a", "xa"});
        editor.view.SetBlock({}, {});
        editor.view.SetBlockShown(false);
        if (up) {
            editor.PutCaret(0, 0, 2, 0);
        }
        Search("a", "aa", up);
        replace.ReplaceNext(); // nothing shown yet: it only finds the first match
        EXPECT_EQ(Document(), (Lines{"a-a", "xa"}));
        for (int i = 0; i < 3; ++i) {
            replace.ReplaceNext();
        }
        EXPECT_EQ(Document(), (Lines{"aa-aa", "xaa"}));
        EXPECT_EQ(noWindow.passedEnds, 1) << "one wrap past an end of the document";
        noWindow.passedEnds = 0;
        for (int i = 0; i < 3; ++i) {
            runner.Run(CommandId::Undo);
        }
        EXPECT_EQ(Document(), (Lines{"a-a", "xa"})) << "each Replace is one step";
    }
}

TEST_F(ReplaceCommandsTest, AShownBlockThatIsNoMatchIsOnlySearchedPast) {
    editor.Load({"cat dog cat"});
    Search("cat", "cow");
    editor.PutCaret(0, 0, 7, 0); // as a mouse drag over "dog" leaves it
    editor.view.SetBlock({0, 4}, {0, 7});
    editor.view.SetBlockShown(true);
    replace.ReplaceNext();
    EXPECT_EQ(Document(), (Lines{"cat dog cat"}));
    EXPECT_EQ(editor.view.BlockBegin(), (TextPos{0, 8})) << "the next match is shown";
    replace.ReplaceNext();
    EXPECT_EQ(Document(), (Lines{"cat dog cow"}));
}

TEST_F(ReplaceCommandsTest, AReadOnlyDocumentReplacesNothing) {
    editor.Load({"aaa"});
    editor.store.Flags().readOnly = true;
    Search("a", "b");
    EXPECT_EQ(replace.ReplaceAll().replaced, 0);
    replace.ReplaceNext();
    replace.ReplaceNext();
    EXPECT_EQ(Document(), (Lines{"aaa"}));
    EXPECT_FALSE(editor.history.CanUndo());
}

} // namespace
} // namespace kestrel
