// Block costs against their yardsticks, in one run: pasting 10 MB (160,000 lines) into the middle
// of the 1.6-million-line document and into a 100-line one against loading the same 10 MB;
// "Delete block" of 1,000,000 lines against one move of the line records behind them; copying
// the whole document as clipboard text against writing it as a save does.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/bench_editor.h"
#include "bench/benchmark_document.h"
#include "document/block_iterator.h"
#include "document/line_splitter.h"
#include "document/line_writer.h"

namespace kestrel {
namespace {

constexpr std::int32_t kLargeLines = 1600000;
constexpr std::int32_t kSmallLines = 100;
constexpr std::int32_t kPastedLines = 160000;
constexpr std::int32_t kDeletedLines = 1000000;

using Editor = BenchEditor;

std::unique_ptr<Editor> MakeEditor(std::int32_t lines) {
    auto editor = std::make_unique<Editor>();
    if (!LoadBenchmarkDocument(editor->store, lines)) {
        std::abort();
    }
    editor->context.LoadCurrentLine();
    return editor;
}

// 160,000 lines of 64 characters with CR LF: about 10 MB of clipboard text.
const std::string& PastedText() {
    static const std::string text = [] {
        std::string t;
        const std::string line = std::string(62, 'p') + "\r\n";
        for (std::int32_t i = 0; i < kPastedLines; ++i) {
            t += line;
        }
        return t;
    }();
    return text;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Paste in the middle of the document; Delete block takes it out again, unmeasured.
void Paste(benchmark::State& state, std::int32_t lines) {
    static std::unique_ptr<Editor> editors[2];
    std::unique_ptr<Editor>& editor = editors[lines == kLargeLines ? 0 : 1];
    if (!editor) {
        editor = MakeEditor(lines);
    }
    editor->cursor.GoToPosition(lines / 2, 5);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        editor->block.InsertText(PastedText());
        state.SetIterationTime(Seconds(start));
        editor->block.DeleteBlock();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * PastedText().size()));
}

// The yardstick of a paste: loading the same bytes as a file, split into a fresh store, as
// opening a file does. Every store is kept until the end, so that each load, like each paste,
// touches new memory rather than pages the last one freed.
void LoadPastedBytes(benchmark::State& state) {
    class Sink : public LineSink {
    public:
        explicit Sink(LineStore& store) : store_(store) {}
        bool AddLine(const char* text, std::int32_t length) override {
            return store_.AppendLine(text, length);
        }

    private:
        LineStore& store_;
    };
    std::vector<std::unique_ptr<LineStore>> kept;
    for (auto _ : state) {
        const std::string& text = PastedText();
        state.PauseTiming();
        kept.push_back(std::make_unique<LineStore>());
        LineStore& store = *kept.back();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        FileBuffer& file = store.GetFileBuffer();
        if (!store.BeginLoad() || !file.Reserve(text.size())) {
            std::abort();
        }
        std::memcpy(file.Data(), text.data(), text.size());
        file.SetLength(text.size());
        Sink sink(store);
        SplitBuffer(file.Data(), file.Length(), store.LineLength(), 8, sink);
        store.AdjustLineCount(0);
        state.SetIterationTime(Seconds(start));
    }
}

// Delete block of lines 300,000 to 1,299,999; the document is loaded again, unmeasured.
void DeleteMillionLines(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Editor> editor = MakeEditor(kLargeLines);
        editor->view.SetBlock({300000, 0}, {300000 + kDeletedLines, 0});
        editor->view.SetBlockShown(true);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        editor->block.DeleteBlock();
        state.SetIterationTime(Seconds(start));
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

// The allowance of Delete block: one move of the 300,000 records behind the deleted ones, in a
// table just filled, as the document's table is after a load (not hot from earlier moves).
void RecordMove(benchmark::State& state) {
    const std::size_t behind = static_cast<std::size_t>(kLargeLines - 300000 - kDeletedLines);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<LineRecord[]> records(new LineRecord[kLargeLines]());
        std::unique_ptr<Editor> churn = MakeEditor(kLargeLines); // evicts the table from cache
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        std::memmove(static_cast<void*>(records.get() + 300000),
                     records.get() + 300000 + kDeletedLines, behind * sizeof(LineRecord));
        benchmark::ClobberMemory();
        state.SetIterationTime(Seconds(start));
    }
}

Editor& WholeDocument() {
    static std::unique_ptr<Editor> editor = [] {
        std::unique_ptr<Editor> e = MakeEditor(kLargeLines);
        e->view.SetBlock({0, 0}, {kLargeLines - 1, e->store.GetLineLength(kLargeLines - 1)});
        e->view.SetBlockShown(true);
        return e;
    }();
    return *editor;
}

// Copy of the whole document as a block, into one buffer as large as the clipboard text.
void CopyWholeDocument(benchmark::State& state) {
    Editor& editor = WholeDocument();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        BlockIterator block(editor.store, editor.view.BlockBegin(), editor.view.BlockEnd(), true);
        const std::size_t length = BlockTextLength(block);
        std::unique_ptr<char[]> text(new char[length + 1]);
        CopyBlockText(block, text.get());
        benchmark::DoNotOptimize(text.get());
        state.SetIterationTime(Seconds(start));
    }
}

// The yardstick: writing the same document as a save does, into memory instead of a file.
void SaveWholeDocument(benchmark::State& state) {
    class Lines : public LineTextSource {
    public:
        explicit Lines(const LineStore& store) : store_(store) {}
        std::int32_t LineCount() const override { return store_.LineCount(); }
        std::string_view LineText(std::int32_t index) const override {
            return store_.LineView(index);
        }

    private:
        const LineStore& store_;
    };
    class Memory : public ByteSink {
    public:
        bool Write(const char* data, std::size_t size) override {
            std::memcpy(buffer.get() + used, data, size);
            used += size;
            return true;
        }
        std::unique_ptr<char[]> buffer;
        std::size_t used = 0;
    };
    Editor& editor = WholeDocument();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Memory sink;
        sink.buffer.reset(new char[std::size_t{1} << 27]);
        WriteLines(Lines(editor.store), 0, kLargeLines - 1, WriteOptions{}, sink);
        benchmark::DoNotOptimize(sink.buffer.get());
        state.SetIterationTime(Seconds(start));
    }
}

BENCHMARK(LoadPastedBytes)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paste, into_line_800000_of_1600000, kLargeLines)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paste, into_line_50_of_100, kSmallLines)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RecordMove)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMillionLines)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveWholeDocument)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(CopyWholeDocument)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
