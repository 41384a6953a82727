// The program's command line: up to three tokens, and the file name the first file token names.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

constexpr int kCommandTokenPositions = 3;

// The document path buffer holds 300 bytes with its terminator.
constexpr std::size_t kMaxPathLength = 299;

// The three token positions of a command line, in order, and how many of them are not empty.
// Only the first `count` positions are acted on, even when a later position holds text.
struct CommandTokens {
    std::array<std::string, kCommandTokenPositions> positions;
    int count = 0;
};

// Splits on spaces only; a token that starts with a double quote runs to the next double quote
// or the end of the text, and the quotes are not part of it.
CommandTokens TokenizeCommandLine(std::string_view text);

// What start-up does with the command line: the options it must complain about, in order, and
// the file to open.
struct CommandLine {
    std::vector<std::string> unknownOptions; // upper-cased, "/" included
    std::string path;                        // empty when no file was named
    std::string overlongPath;                // a file token too long for the path buffer
};

CommandLine ParseCommandLine(std::string_view text);

// "a" to "z" become "A" to "Z"; every other byte stays.
std::string UpperCaseAscii(std::string_view text);

// The text shown for an option the program does not know.
std::string UnknownParameterText(std::string_view option);

// `path` with its file-name part (after the last "\\", "/" or ":") replaced by `storedName`, the
// name of the first match a directory search found. Returns `path` unchanged when the result
// would not fit the path buffer.
std::string ReplaceFileNamePart(std::string_view path, std::string_view storedName);

} // namespace kestrel
