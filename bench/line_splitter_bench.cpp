// Benchmarks for loading and saving a large document: splitting a 100 MB, 1.6-million-line buffer
// in memory, reading and splitting it from disk, and writing its lines back out.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/line_splitter.h"
#include "document/line_writer.h"

namespace kestrel {
namespace {

constexpr int kLines = 1600000;

// Text lines averaging 61 characters with CR LF ends, about 100 MB in all; one line in five
// is indented with tabs, as source code is.
std::string MakeDocument() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kLines) * 63);
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    static const char kChars[] = "etaoinshrdlucmfwypvbgkqjxz      ETAOIN.,;(){}=+-*/0123456789";
    for (int line = 0; line < kLines; ++line) {
        if (next() % 5 == 0) {
            text.append(1 + next() % 3, '\t');
        }
        int length = static_cast<int>(next() % 121);
        for (int i = 0; i < length; ++i) {
            text += kChars[next() % (sizeof kChars - 1)];
        }
        text += "\r\n";
    }
    return text;
}

const std::string& Document() {
    static const std::string document = MakeDocument();
    return document;
}

struct Record {
    const char* text;
    std::int32_t length;
};

// Keeps records as the line table does: a pointer and a length per line, no text copied, in one
// block that grows by reallocation.
class RecordTable : public LineSink, public LineTextSource {
public:
    RecordTable() = default;
    RecordTable(const RecordTable&) = delete;
    RecordTable& operator=(const RecordTable&) = delete;
    ~RecordTable() { std::free(records_); }

    bool AddLine(const char* text, std::int32_t length) override {
        if (count_ == capacity_) {
            std::size_t capacity = capacity_ == 0 ? 5000 : capacity_ * 2;
            void* grown = std::realloc(records_, capacity * sizeof(Record));
            if (grown == nullptr) {
                return false;
            }
            records_ = static_cast<Record*>(grown);
            capacity_ = capacity;
        }
        records_[count_++] = {text, length};
        return true;
    }
    std::int32_t LineCount() const override { return static_cast<std::int32_t>(count_); }
    std::string_view LineText(std::int32_t index) const override {
        const Record& record = records_[index];
        return {record.text, static_cast<std::size_t>(record.length)};
    }
    void Clear() { count_ = 0; }

private:
    Record* records_ = nullptr;
    std::size_t count_ = 0;
    std::size_t capacity_ = 0;
};

void BM_SplitInMemory(benchmark::State& state) {
    const std::string& document = Document();
    RecordTable table;
    for (auto _ : state) {
        table.Clear();
        SplitResult result = SplitBuffer(document.data(), document.size(), 256, 8, table);
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = table.LineCount();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_SplitInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DetectUnixMode(benchmark::State& state) {
    const std::string& document = Document();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DetectUnixMode(document.data(), document.size()));
    }
}
BENCHMARK(BM_DetectUnixMode);

// ---- Reading from disk ----------------------------------------------------------------------

std::string SplitFilePath() {
    const char* path = std::getenv("KESTREL_SPLIT_FILE");
    return path != nullptr ? path : "/tmp/kestrel_split_100mb.txt";
}

// Writes the generated document to `path` unless a file is already there; any existing text
// file can be measured this way.
bool EnsureSplitFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        return true;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool ok = std::fwrite(Document().data(), 1, Document().size(), file) == Document().size();
    return std::fclose(file) == 0 && ok;
}

// One whole-file read into a block of the file's size plus the spare bytes, as a load does.
bool ReadWhole(const std::string& path, std::unique_ptr<char[]>& block, std::size_t& length) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    struct stat info;
    bool ok = fstat(fd, &info) == 0;
    std::size_t capacity = ok ? static_cast<std::size_t>(info.st_size) + 16 : 0;
    if (ok && block == nullptr) {
        block.reset(new char[capacity]);
    }
    length = 0;
    while (ok && length < capacity) {
        ssize_t got = read(fd, block.get() + length, capacity - length);
        ok = got >= 0;
        if (got <= 0) {
            break;
        }
        length += static_cast<std::size_t>(got);
    }
    close(fd);
    return ok;
}

// Opening a file for the first time: a fresh block and a fresh line table every iteration.
// bench/split_vs_wc.sh compares this with `wc -l` on the same file.
void BM_ReadAndSplitFile(benchmark::State& state) {
    const std::string path = SplitFilePath();
    if (!EnsureSplitFile(path)) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    std::size_t lines = 0;
    for (auto _ : state) {
        std::unique_ptr<char[]> block;
        std::size_t length = 0;
        if (!ReadWhole(path, block, length)) {
            state.SkipWithError("cannot read the test file");
            return;
        }
        RecordTable table;
        SplitResult result = SplitBuffer(block.get(), length, 256, 8, table);
        benchmark::DoNotOptimize(result);
        lines = static_cast<std::size_t>(table.LineCount());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadAndSplitFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Loading again a file no larger than the last: the block and the table are reused.
void BM_ReadAndSplitFileReusingBlock(benchmark::State& state) {
    const std::string path = SplitFilePath();
    if (!EnsureSplitFile(path)) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    std::unique_ptr<char[]> block;
    RecordTable table;
    std::size_t length = 0;
    // One load before timing, so that the block and the table are already in place.
    if (!ReadWhole(path, block, length) ||
        !SplitBuffer(block.get(), length, 256, 8, table).complete) {
        state.SkipWithError("cannot read the test file");
        return;
    }
    for (auto _ : state) {
        if (!ReadWhole(path, block, length)) {
            state.SkipWithError("cannot read the test file");
            return;
        }
        table.Clear();
        benchmark::DoNotOptimize(SplitBuffer(block.get(), length, 256, 8, table));
    }
}
BENCHMARK(BM_ReadAndSplitFileReusingBlock)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- Writing --------------------------------------------------------------------------------

class NullSink : public ByteSink {
public:
    bool Write(const char*, std::size_t size) override {
        bytes += size;
        return true;
    }
    std::uint64_t bytes = 0;
};

class MemorySink : public ByteSink {
public:
    explicit MemorySink(std::size_t capacity) : bytes_(new char[capacity]), capacity_(capacity) {}
    bool Write(const char* data, std::size_t size) override {
        if (size > capacity_ - used_) {
            return false;
        }
        std::memcpy(bytes_.get() + used_, data, size);
        used_ += size;
        return true;
    }
    void Reset() { used_ = 0; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_;
    std::size_t used_ = 0;
};

void BM_WriteLines(benchmark::State& state, bool toMemory) {
    const std::string& document = Document();
    RecordTable table;
    SplitBuffer(document.data(), document.size(), 256, 8, table);
    NullSink null;
    MemorySink memory(document.size());
    ByteSink& sink = toMemory ? static_cast<ByteSink&>(memory) : null;
    for (auto _ : state) {
        memory.Reset();
        bool ok = WriteLines(table, 0, table.LineCount() - 1, {false, false}, sink);
        if (!ok) {
            state.SkipWithError("write failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK_CAPTURE(BM_WriteLines, NullSink, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_WriteLines, MemorySink, true)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
