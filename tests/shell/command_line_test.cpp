// Tests of the command-line tokenizer and the start-up reading of its tokens.
#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(CommandLine, SplitsOnSpacesAndKeepsQuotedSpaces) {
    CommandTokens tokens = TokenizeCommandLine("  \"C:\\My Files\\a b.txt\"   /x  next");
    EXPECT_EQ(tokens.count, 3);
    EXPECT_EQ(tokens.positions[0], "C:\\My Files\\a b.txt");
    EXPECT_EQ(tokens.positions[1], "/x");
    EXPECT_EQ(tokens.positions[2], "next");
}

TEST(CommandLine, TabsDoNotSeparateTokens) {
    CommandTokens tokens = TokenizeCommandLine("a\tb c");
    EXPECT_EQ(tokens.count, 2);
    EXPECT_EQ(tokens.positions[0], "a\tb");
}

TEST(CommandLine, UnclosedQuoteRunsToTheEnd) {
    CommandTokens tokens = TokenizeCommandLine("\"open ended name");
    EXPECT_EQ(tokens.count, 1);
    EXPECT_EQ(tokens.positions[0], "open ended name");
}

TEST(CommandLine, OnlyThreeTokensAreRead) {
    CommandTokens tokens = TokenizeCommandLine("a b c d e");
    EXPECT_EQ(tokens.count, 3);
    EXPECT_EQ(tokens.positions[2], "c");
}

TEST(CommandLine, EmptyTextHasNoTokens) {
    EXPECT_EQ(TokenizeCommandLine("").count, 0);
    EXPECT_EQ(TokenizeCommandLine("    ").count, 0);
}

TEST(CommandLine, AnEmptyQuotedPositionShortensTheCount) {
    // Positions 1 and 3 hold text, so two positions are acted on: the first two.
    CommandTokens tokens = TokenizeCommandLine("a \"\" b");
    EXPECT_EQ(tokens.count, 2);
    CommandLine line = ParseCommandLine("a \"\" b");
    EXPECT_EQ(line.path, "a");
}

TEST(CommandLine, OptionsAreUpperCasedAndTheFirstFileWins) {
    CommandLine line = ParseCommandLine("/x first.txt second.txt");
    ASSERT_EQ(line.unknownOptions.size(), 1u);
    EXPECT_EQ(line.unknownOptions[0], "/X");
    EXPECT_EQ(line.path, "first.txt");
    EXPECT_EQ(UnknownParameterText(line.unknownOptions[0]), "Unknown parameter\n/X");
}

TEST(CommandLine, UpperCasingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCaseAscii("/a-z\xE4\x7F{"), "/A-Z\xE4\x7F{");
}

TEST(CommandLine, NoArgumentsNamesNoFile) {
    CommandLine line = ParseCommandLine("");
    EXPECT_TRUE(line.path.empty());
    EXPECT_TRUE(line.unknownOptions.empty());
    EXPECT_TRUE(line.overlongPath.empty());
}

TEST(CommandLine, AFileTokenTooLongForThePathBufferIsSetAside) {
    std::string longName(300, 'n');
    CommandLine line = ParseCommandLine(longName + " other.txt");
    EXPECT_TRUE(line.path.empty());
    EXPECT_EQ(line.overlongPath, longName);

    std::string fits(299, 'f');
    EXPECT_EQ(ParseCommandLine(fits).path, fits);
}

TEST(CommandLine, StoredNameReplacesTheFileNamePart) {
    EXPECT_EQ(ReplaceFileNamePart("C:\\docs\\*.txt", "Notes.TXT"), "C:\\docs\\Notes.TXT");
    EXPECT_EQ(ReplaceFileNamePart("c:progra~1", "Program Files"), "c:Program Files");
    EXPECT_EQ(ReplaceFileNamePart("a/b/LONGFI~1.TXT", "longfilename.txt"),
              "a/b/longfilename.txt");
    EXPECT_EQ(ReplaceFileNamePart("*.txt", "first.txt"), "first.txt");
}

TEST(CommandLine, StoredNameThatWouldOverflowKeepsThePathAsTyped) {
    std::string folder(290, 'd');
    std::string path = folder + "\\*.txt";
    EXPECT_EQ(ReplaceFileNamePart(path, "a-rather-long-name.txt"), path);
}

} // namespace
} // namespace kestrel
