// Reading a file into the line store in one read, and writing the document back under its own
// name with the previous version moved aside first, so a failed save never loses the old file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/line_store.h"
#include "document/path_names.h"

namespace kestrel {

// What a load came to; the numbers are the loader's result codes.
enum class LoadResult : int {
    Loaded = 1,
    CannotOpen = 0, // the file could not be opened or read: see `error`
    OutOfMemory = -1,
};

struct LoadOutcome {
    LoadResult result = LoadResult::CannotOpen;
    std::uint32_t error = 0;    // the system's error code when the file could not be opened
    std::int32_t cutLines = 0;  // lines cut at the line-length limit
};

// Starts a fresh load in `store` and reads `path` into it: reads into the file buffer until the
// file's whole size has arrived (fewer bytes are an error, never a shorter document), the
// line-end style detected, then the bytes split into lines of at most linelength - 1
// characters with tabs every `tabSize` columns. A file too large for memory is refused as
// OutOfMemory, never loaded in part.
LoadOutcome LoadFileIntoStore(const std::string& path, LineStore& store, std::int32_t tabSize);

enum class SaveFailure {
    None,
    Backup,   // the old file could not be moved to its backup name; nothing was written
    Open,     // the file could not be created
    Write,    // a write failed; the old file is back under its own name
    ReadOnly, // the target is marked read only; nothing on disk was touched
};

struct SaveOutcome {
    SaveFailure failure = SaveFailure::None;
    std::string detail; // the backup name or the path, for the message
    // After a successful save: a temporary backup that could not be deleted, or empty.
    std::string backupLeft;
};

// Moves an existing file at `path` aside to its backup name, writes every line of `store` to
// `path`, then removes a temporary backup (after the new bytes are flushed to disk) or keeps
// the .bak or .~ one. On a failed write the partial file is deleted and the old one moved
// back. A backup name that would be the document's own name refuses the save, and so does a
// target with the read-only attribute, before anything is renamed, created or deleted.
SaveOutcome SaveStoreWithBackup(const std::string& path, const LineStore& store,
                                BackupMode mode);

// Writes lines first..last of `store` to a new file at `path`.
SaveOutcome WriteStoreLines(const std::string& path, const LineStore& store, std::int32_t first,
                            std::int32_t last);

// Writes the block from `begin` to `end` (end exclusive, valid marks) of `store` to a new file
// at `path` as the clipboard has it: lines joined by CR LF, none after the last. The lines are
// read in place and written through the bounded write buffer, so no copy of the block is made.
// False when the file cannot be created or written.
bool WriteBlockFile(const std::string& path, const LineStore& store, TextPos begin, TextPos end);

// True when a file or folder of that name exists.
bool FileExists(const std::string& path);

// Reads the whole file at `path` into `bytes`: false when it cannot be opened, is too large for
// memory, or arrives short.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Test seam: makes file writes fail once `bytes` more bytes have been written; a negative
// value turns the fault off. A full disk cannot be produced on demand.
void SetWriteFaultForTesting(std::int64_t bytes);
// Test seam: file reads deliver at most `bytes` bytes per call and then nothing more once
// `total` bytes have arrived, as a file cut short under the reader would; negative values turn
// it off.
void SetReadFaultForTesting(std::int64_t bytes, std::int64_t total);

} // namespace kestrel
