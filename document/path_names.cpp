// Path names: extensions, folders and backup names, computed on text alone.
#include "document/path_names.h"

namespace kestrel {

namespace {

// "/" counts as a separator as well as "\\" and ":": Windows accepts it, and a path such as
// C:/my.dir/notes would otherwise take ".dir/notes" as its extension and send the backup to
// another folder.
bool IsSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

char FoldName(char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>(c - 'a' + 'A');
    }
    return c == '/' ? '\\' : c;
}

// Windows drops trailing dots and spaces from a file name, so "notes.bak." is notes.bak.
std::string_view WithoutTrailingDots(std::string_view path) {
    while (!path.empty() && (path.back() == '.' || path.back() == ' ')) {
        path.remove_suffix(1);
    }
    return path;
}

} // namespace

std::size_t FindExtension(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        char c = path[i - 1];
        if (c == '.') {
            return i - 1;
        }
        if (IsSeparator(c)) {
            return i == path.size() ? kNoExtension : path.size();
        }
    }
    return path.empty() ? kNoExtension : path.size();
}

bool ReplaceExtension(std::string& path, std::string_view extension) {
    std::size_t start = FindExtension(path);
    if (start == kNoExtension) {
        return false;
    }
    path.resize(start);
    if (extension.empty() || extension.front() != '.') {
        path += '.';
    }
    path += extension;
    return true;
}

void InsertTilde(std::string& text, std::size_t position) {
    text.insert(position < text.size() ? position : text.size(), 1, '~');
}

bool ApplyDefaultExtension(std::string& path) {
    std::size_t start = FindExtension(path);
    if (start == kNoExtension) {
        return false;
    }
    if (path.size() - start < 2) {
        ReplaceExtension(path, ".txt");
    }
    return true;
}

std::string_view DirectoryPart(std::string_view path) {
    std::size_t last = path.find_last_of("/:\\");
    return last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1);
}

bool MakeBackupName(std::string_view path, BackupMode mode, std::string& backupName) {
    backupName.assign(path.data(), path.size());
    switch (mode) {
    case BackupMode::Bak:
        ReplaceExtension(backupName, ".bak");
        break;
    case BackupMode::Tilde: {
        std::size_t start = FindExtension(backupName);
        if (start == kNoExtension) {
            break;
        }
        if (start == backupName.size()) {
            backupName += '.';
        }
        InsertTilde(backupName, start + 1);
        break;
    }
    default:
        ReplaceExtension(backupName, ".$$$");
        break;
    }
    return !IsSameFileName(backupName, path);
}

bool IsSameFileName(std::string_view a, std::string_view b) {
    a = WithoutTrailingDots(a);
    b = WithoutTrailingDots(b);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldName(a[i]) != FoldName(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace kestrel
