// File reading and writing for the document, with the backup dance that protects the old file.
#include "platform/document_file.h"

#include <algorithm>
#include <new>

#include "document/line_splitter.h"
#include "document/line_store_sink.h"
#include "document/line_writer.h"
#include "framework/handles.h"
#include "platform/startup_clock.h"

namespace kestrel {

namespace {

std::int64_t writeFaultAfter = -1;
std::int64_t readChunkLimit = -1;
std::int64_t readFaultAfter = -1;

// Files at least this large have their line table sized from a count of their line feeds.
constexpr std::size_t kPresizeBytes = 4 * 1024 * 1024;
// Such files are read this much at a time, and each piece's line feeds are counted while it is
// still in the processor's cache: one pass over memory instead of two.
constexpr DWORD kCountedReadBytes = 1024 * 1024;

// The document's lines as the writer reads them, in place.
class StoreLines : public LineTextSource {
public:
    explicit StoreLines(const LineStore& store) : store_(store) {}
    std::int32_t LineCount() const override { return store_.LineCount(); }
    std::string_view LineText(std::int32_t index) const override {
        return store_.LineView(index);
    }

private:
    const LineStore& store_;
};

// The block's lines as the writer reads them: the first from the begin index, the last up to
// the end index, read in place.
class BlockLines : public LineTextSource {
public:
    BlockLines(const LineStore& store, TextPos begin, TextPos end)
        : store_(store), begin_(begin), end_(end) {}
    std::int32_t LineCount() const override { return end_.line - begin_.line + 1; }
    std::string_view LineText(std::int32_t index) const override {
        const std::int32_t line = begin_.line + index;
        std::string_view text = store_.LineView(line);
        if (line == end_.line) {
            text = text.substr(0, std::min(text.size(), static_cast<std::size_t>(end_.index)));
        }
        if (line == begin_.line) {
            text.remove_prefix(std::min(text.size(), static_cast<std::size_t>(begin_.index)));
        }
        return text;
    }

private:
    const LineStore& store_;
    TextPos begin_;
    TextPos end_;
};

class FileSink : public ByteSink {
public:
    explicit FileSink(HANDLE file) : file_(file) {}
    bool Write(const char* data, std::size_t size) override {
        while (size > 0) {
            DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
            if (writeFaultAfter >= 0) {
                if (static_cast<std::int64_t>(chunk) > writeFaultAfter) {
                    return false;
                }
                writeFaultAfter -= chunk;
            }
            DWORD written = 0;
            if (!WriteFile(file_, data, chunk, &written, nullptr) || written != chunk) {
                return false;
            }
            data += chunk;
            size -= chunk;
        }
        return true;
    }

private:
    HANDLE file_;
};

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Reads until `size` bytes have arrived or the file has no more; `arrived` counts them. With
// `lineFeeds`, reads in pieces of kCountedReadBytes and counts their line feeds into it. False
// only when a read fails outright.
bool ReadWhole(HANDLE file, char* data, std::uint32_t size, std::uint32_t& arrived,
               std::size_t* lineFeeds = nullptr) {
    arrived = 0;
    while (arrived < size) {
        DWORD want = std::min<DWORD>(size - arrived, lineFeeds != nullptr ? kCountedReadBytes
                                                                          : 0x40000000u);
        if (readChunkLimit > 0) {
            want = std::min<DWORD>(want, static_cast<DWORD>(readChunkLimit));
        }
        if (readFaultAfter >= 0) {
            want = std::min<DWORD>(want, static_cast<DWORD>(std::max<std::int64_t>(
                                             readFaultAfter - arrived, 0)));
        }
        DWORD got = 0;
        if (want > 0 && !ReadFile(file, data + arrived, want, &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            return true; // the end of the file came early
        }
        if (lineFeeds != nullptr) {
            *lineFeeds += CountLineFeeds(data + arrived, got);
        }
        arrived += got;
    }
    return true;
}

} // namespace

void SetWriteFaultForTesting(std::int64_t bytes) { writeFaultAfter = bytes; }

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) >= 0x7FFFFFF0u) {
        return false;
    }
    try {
        bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::uint32_t arrived = 0;
    return ReadWhole(file.Get(), bytes.data(), static_cast<std::uint32_t>(bytes.size()), arrived) &&
           arrived == bytes.size();
}

bool WriteBlockFile(const std::string& path, const LineStore& store, TextPos begin, TextPos end) {
    if (!HasBlock(begin, end, store)) {
        return false;
    }
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    BlockLines lines(store, begin, end);
    FileSink sink(file.Get());
    // Block text always has CR LF between its lines, whatever the document's own line ends.
    return WriteLines(lines, 0, lines.LineCount() - 1, WriteOptions{}, sink) &&
           FlushFileBuffers(file.Get());
}

void SetReadFaultForTesting(std::int64_t bytes, std::int64_t total) {
    readChunkLimit = bytes;
    readFaultAfter = total;
}

LoadOutcome LoadFileIntoStore(const std::string& path, LineStore& store, std::int32_t tabSize) {
    LoadOutcome outcome;
    if (!store.BeginLoad()) {
        outcome.result = LoadResult::OutOfMemory;
        return outcome;
    }
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        outcome.error = GetLastError();
        return outcome;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        outcome.error = GetLastError();
        return outcome;
    }
    FileBuffer& buffer = store.GetFileBuffer();
    // The whole 64-bit size counts: a file beyond the address space must not load in part.
    if (size.QuadPart < 0 || static_cast<std::uint64_t>(size.QuadPart) >= 0xFFFFFFF0u ||
        !buffer.Reserve(static_cast<std::uint64_t>(size.QuadPart))) {
        outcome.result = LoadResult::OutOfMemory;
        return outcome;
    }
    const std::uint32_t expected = static_cast<std::uint32_t>(size.QuadPart);
    const bool presize = expected >= kPresizeBytes;
    std::size_t lineFeeds = 0;
    std::uint32_t arrived = 0;
    if (!ReadWhole(file.Get(), buffer.Data(), expected, arrived, presize ? &lineFeeds : nullptr)) {
        outcome.error = GetLastError();
        return outcome;
    }
    if (arrived != expected) {
        // A document of the bytes that did arrive would truncate the file at the next save.
        outcome.error = ERROR_HANDLE_EOF;
        return outcome;
    }
    file.Reset();
    StartupMark(presize ? "read, line feeds counted" : "read");
    buffer.SetLength(arrived);
    store.Flags().unixMode = DetectUnixMode(buffer.Data(), buffer.Length());
    if (presize) {
        // One growth to the number of line feeds (plus the last line) instead of many: each
        // growth copies the table, and the old and new blocks are both held while it does.
        store.ReserveLines(
            static_cast<std::int32_t>(std::min<std::size_t>(lineFeeds + 1, INT32_MAX - 1)));
    }
    StartupMark("line-end style, line table sized");
    LineStoreSink sink(store);
    SplitResult split =
        SplitBuffer(buffer.Data(), buffer.Length(), store.LineLength(), tabSize, sink);
    if (!split.complete) {
        outcome.result = LoadResult::OutOfMemory;
        return outcome;
    }
    StartupMark("split into the line table");
    store.AdjustLineCount(0);
    outcome.result = LoadResult::Loaded;
    outcome.cutLines = split.cutLines;
    return outcome;
}

SaveOutcome WriteStoreLines(const std::string& path, const LineStore& store, std::int32_t first,
                            std::int32_t last) {
    SaveOutcome outcome;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        outcome.failure = SaveFailure::Open;
        outcome.detail = path;
        return outcome;
    }
    StoreLines lines(store);
    FileSink sink(file.Get());
    WriteOptions options;
    options.removeTrailingBlanks = store.Flags().removeTrailingBlanks;
    options.unixLineEnds = store.Flags().unixMode;
    // The bytes must be on disk before anything that relies on them (deleting the only other
    // copy) happens.
    if (!WriteLines(lines, first, last, options, sink) || !FlushFileBuffers(file.Get())) {
        outcome.failure = SaveFailure::Write;
        outcome.detail = path;
    }
    return outcome;
}

SaveOutcome SaveStoreWithBackup(const std::string& path, const LineStore& store,
                                BackupMode mode) {
    SaveOutcome outcome;
    if (IsReadOnlyFile(path)) {
        // Moving a read-only file aside would succeed, and leave a backup that cannot be
        // deleted and blocks every later save: refuse before anything on disk changes.
        outcome.failure = SaveFailure::ReadOnly;
        outcome.detail = path;
        return outcome;
    }
    std::string backupName;
    bool movedAside = false;
    if (FileExists(path)) {
        if (!MakeBackupName(path, mode, backupName)) {
            outcome.failure = SaveFailure::Backup;
            outcome.detail = backupName.empty() ? path : backupName;
            return outcome;
        }
        DeleteFileA(backupName.c_str());
        if (!MoveFileA(path.c_str(), backupName.c_str())) {
            outcome.failure = SaveFailure::Backup;
            outcome.detail = backupName;
            return outcome;
        }
        movedAside = true;
    }
    outcome = WriteStoreLines(path, store, 0, store.LineCount() - 1);
    if (outcome.failure != SaveFailure::None) {
        DeleteFileA(path.c_str());
        if (movedAside) {
            MoveFileA(backupName.c_str(), path.c_str());
        }
        return outcome;
    }
    if (movedAside && mode != BackupMode::Bak && mode != BackupMode::Tilde &&
        !DeleteFileA(backupName.c_str())) {
        outcome.backupLeft = backupName;
    }
    return outcome;
}

} // namespace kestrel
