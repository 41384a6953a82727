// Prints the table of default keys that the README shows, made from the program's own command
// and key tables, and checks or rewrites that table inside a README so the two cannot drift.
//
//   key_table_doc                  print the table
//   key_table_doc --check FILE     fail, and say where, when FILE's table differs from it
//   key_table_doc --write FILE     replace the table in FILE (between its two marker lines)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "keys/command_table.h"
#include "keys/key_names.h"
#include "keys/key_table.h"

namespace kestrel {
namespace {

constexpr std::string_view kBeginMarker =
    "<!-- key table: made by tools/key_table_doc from the program's tables; do not edit -->";
constexpr std::string_view kEndMarker = "<!-- end of key table -->";

// The separator the program puts between the keys of one binding.
constexpr std::string_view kKeySeparator = "  ";

// One key as a Markdown code span; the key named "`" needs a wider fence.
std::string CodeSpan(std::string_view key) {
    if (key.find('`') != std::string_view::npos) {
        return "`` " + std::string(key) + " ``";
    }
    return "`" + std::string(key) + "`";
}

// The keys of one binding as the menu names them, "`Ctrl+K` then `Ctrl+B`"; empty when the
// binding has no keys.
std::string BindingCell(const KeyBinding& binding) {
    const std::string formatted = FormatBindingKeys(binding);
    std::string cell;
    std::size_t start = 0;
    while (start < formatted.size()) {
        std::size_t end = formatted.find(kKeySeparator, start);
        if (end == std::string::npos) {
            end = formatted.size();
        }
        if (end > start) {
            cell += cell.empty() ? "" : " then ";
            cell += CodeSpan(std::string_view(formatted).substr(start, end - start));
        }
        start = end + kKeySeparator.size();
    }
    return cell;
}

// One row per command in table order; a command's bindings in key-table order, joined by "or".
std::string KeyTableMarkdown(const KeyTable& table) {
    std::string text = "| Command | Keys |\n|---|---|\n";
    for (const Command& command : CommandTable::Entries()) {
        std::string keys;
        for (const KeyBinding& binding : table) {
            if (binding.command != ToIndex(command.id)) {
                continue;
            }
            const std::string cell = BindingCell(binding);
            if (!cell.empty()) {
                keys += keys.empty() ? "" : " or ";
                keys += cell;
            }
        }
        text += "| " + std::string(command.name) + " | " + (keys.empty() ? "none" : keys) + " |\n";
    }
    return text;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        lines.push_back(line);
    }
    return true;
}

// Finds the marker lines; false, with a message, when either is missing or they are out of order.
bool FindMarkers(const std::vector<std::string>& lines, const std::string& path,
                 std::size_t& begin, std::size_t& end) {
    begin = lines.size();
    end = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == kBeginMarker && begin == lines.size()) {
            begin = i;
        } else if (lines[i] == kEndMarker && begin != lines.size()) {
            end = i;
            break;
        }
    }
    if (end == lines.size()) {
        std::cerr << path << ": no key table; it belongs between the lines\n"
                  << kBeginMarker << "\n" << kEndMarker << "\n";
        return false;
    }
    return true;
}

int Check(const std::string& path) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    std::size_t end = 0;
    if (!ReadLines(path, lines)) {
        std::cerr << path << ": cannot read\n";
        return 2;
    }
    if (!FindMarkers(lines, path, begin, end)) {
        return 1;
    }
    std::istringstream expected(KeyTableMarkdown(KeyTable::Defaults()));
    std::string want;
    std::size_t row = begin + 1;
    for (; std::getline(expected, want); ++row) {
        if (row >= end || lines[row] != want) {
            std::cerr << path << ":" << row + 1 << ": the key table differs from the program's; "
                      << "expected\n" << want << "\nRun key_table_doc --write " << path << "\n";
            return 1;
        }
    }
    if (row != end) {
        std::cerr << path << ":" << row + 1 << ": the key table has rows the program does not\n";
        return 1;
    }
    return 0;
}

int Write(const std::string& path) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    std::size_t end = 0;
    if (!ReadLines(path, lines)) {
        std::cerr << path << ": cannot read\n";
        return 2;
    }
    if (!FindMarkers(lines, path, begin, end)) {
        return 1;
    }
    std::string text;
    for (std::size_t i = 0; i <= begin; ++i) {
        text += lines[i] + "\n";
    }
    text += KeyTableMarkdown(KeyTable::Defaults());
    for (std::size_t i = end; i < lines.size(); ++i) {
        text += lines[i] + "\n";
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << path << ": cannot write\n";
        return 2;
    }
    return 0;
}

} // namespace
} // namespace kestrel

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc == 1) {
        std::cout << kestrel::KeyTableMarkdown(kestrel::KeyTable::Defaults());
        return 0;
    }
    if (argc == 3 && mode == "--check") {
        return kestrel::Check(argv[2]);
    }
    if (argc == 3 && mode == "--write") {
        return kestrel::Write(argv[2]);
    }
    std::cerr << "usage: key_table_doc [--check FILE | --write FILE]\n";
    return 2;
}
