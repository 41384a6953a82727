// Names derived from a document's path: its extension, its folder, the ".txt" default and the
// name its previous version is moved to while a save is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

// What FindExtension returns for a path whose last component is missing (an empty path, or one
// that ends with a separator).
constexpr std::size_t kNoExtension = std::string_view::npos;

// Where the extension of the path's last component starts: the position of its last ".". A last
// component without a "." has its extension at the end of the path. A path that ends with a
// separator ("\\", "/" or ":"), and an empty path, give kNoExtension.
std::size_t FindExtension(std::string_view path);

// Replaces the extension (from FindExtension's position to the end) with `extension`, adding a
// "." in front of it when it has none. Returns false, leaving the path unchanged, when the path
// has no last component.
bool ReplaceExtension(std::string& path, std::string_view extension);

// Inserts "~" at `position`, shifting the rest right; a position past the end appends it.
void InsertTilde(std::string& text, std::size_t position);

// Gives a path that has no extension, or only a bare ".", the extension ".txt", as the save and
// block-write dialogs do: notes and notes. become notes.txt, notes.md stays. Returns false when
// the path has no last component.
bool ApplyDefaultExtension(std::string& path);

// The folder part of a path: everything up to and including its last "/", ":" or "\\", or an
// empty text when it has none.
std::string_view DirectoryPart(std::string_view path);

// How the previous version of a file is kept while the new one is written (setting bakfile).
enum class BackupMode : std::int32_t {
    Temporary = 0, // notes.txt goes to notes.$$$, which is deleted after a good save
    Bak = 1,       // notes.txt goes to notes.bak, which stays
    Tilde = 2,     // notes.txt goes to notes.~txt and readme to readme.~, which stay
};

// Writes into `backupName` the name that the existing file at `path` is moved to before a save.
// Returns false when that name is the document's own (notes.bak saved with BackupMode::Bak, or a
// path without a last component): moving the file there and deleting the backup would destroy
// the document, so the caller must refuse the save. An unknown mode is taken as Temporary.
bool MakeBackupName(std::string_view path, BackupMode mode, std::string& backupName);

// True when two paths name the same file as Windows compares names: ASCII letters in either
// case, "/" and "\\" alike, and trailing dots and spaces of the last component ignored.
bool IsSameFileName(std::string_view a, std::string_view b);

} // namespace kestrel
