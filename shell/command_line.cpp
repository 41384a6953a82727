// Splits the command line into tokens and picks out the options and the file to open.
#include "shell/command_line.h"

namespace kestrel {

CommandTokens TokenizeCommandLine(std::string_view text) {
    CommandTokens tokens;
    std::size_t pos = 0;
    for (std::string& token : tokens.positions) {
        while (pos < text.size() && text[pos] == ' ') {
            ++pos;
        }
        if (pos >= text.size()) {
            break;
        }
        if (text[pos] == '"') {
            std::size_t end = text.find('"', pos + 1);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            token.assign(text.substr(pos + 1, end - pos - 1));
            pos = end + 1;
        } else {
            std::size_t end = text.find(' ', pos);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            token.assign(text.substr(pos, end - pos));
            pos = end + 1;
        }
    }
    for (const std::string& token : tokens.positions) {
        if (!token.empty()) {
            ++tokens.count;
        }
    }
    return tokens;
}

CommandLine ParseCommandLine(std::string_view text) {
    CommandTokens tokens = TokenizeCommandLine(text);
    CommandLine result;
    bool fileNamed = false;
    for (int i = 0; i < tokens.count; ++i) {
        const std::string& token = tokens.positions[i];
        if (!token.empty() && token[0] == '/') {
            result.unknownOptions.push_back(UpperCaseAscii(token));
        } else if (!fileNamed && !token.empty()) {
            fileNamed = true;
            if (token.size() > kMaxPathLength) {
                result.overlongPath = token;
            } else {
                result.path = token;
            }
        }
    }
    return result;
}

std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string UnknownParameterText(std::string_view option) {
    return "Unknown parameter\n" + std::string(option);
}

std::string ReplaceFileNamePart(std::string_view path, std::string_view storedName) {
    std::size_t cut = path.find_last_of("\\/:");
    std::string result(cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1));
    result.append(storedName);
    if (result.size() > kMaxPathLength) {
        return std::string(path);
    }
    return result;
}

} // namespace kestrel
