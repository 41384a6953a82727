// Line store costs that must not grow with the document: storing an edited line deep in a
// 1.6-million-line document against a 100-line one, and inserting or deleting one line there
// (which moves the records behind it once).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/benchmark_document.h"
#include "document/line_store.h"

namespace kestrel {
namespace {

constexpr std::int32_t kLargeLines = 1600000;
constexpr std::int32_t kSmallLines = 100;

// A store holding `lines` lines of "line NNNNNNN of the benchmark document", loaded the way the
// file loader fills it.
std::unique_ptr<LineStore> MakeStore(std::int32_t lines) {
    auto store = std::make_unique<LineStore>();
    if (!LoadBenchmarkDocument(*store, lines)) {
        return nullptr;
    }
    return store;
}

LineStore& Store(std::int32_t lines) {
    static std::unique_ptr<LineStore> large;
    static std::unique_ptr<LineStore> small;
    std::unique_ptr<LineStore>& store = lines == kLargeLines ? large : small;
    if (!store) {
        store = MakeStore(lines);
        if (!store) {
            std::abort();
        }
    }
    return *store;
}

// Caret arrives on the line, one character changes, the caret leaves: the in-place store path.
void StoreEditedLine(benchmark::State& state, std::int32_t lines, std::int32_t line) {
    LineStore& store = Store(lines);
    char c = 'a';
    for (auto _ : state) {
        store.SetCaretLine(line);
        store.LoadCurrentLine();
        store.CurrentLine().ReplaceAt(2, c);
        c = c == 'z' ? 'a' : static_cast<char>(c + 1);
        store.Flags().currentLineChanged = true;
        benchmark::DoNotOptimize(store.StoreCurrentLine());
    }
}

// One line opened and removed again, as Enter followed by Delete line does to the records.
void InsertAndDeleteLine(benchmark::State& state, std::int32_t lines, std::int32_t line) {
    LineStore& store = Store(lines);
    for (auto _ : state) {
        if (!store.InsertLines(line, 1)) {
            state.SkipWithError("InsertLines failed");
            break;
        }
        store.DeleteLines(line, 1);
        benchmark::ClobberMemory();
    }
}

void BM_StoreEditedLine_Large(benchmark::State& state) {
    StoreEditedLine(state, kLargeLines, 1000000);
}
void BM_StoreEditedLine_Small(benchmark::State& state) {
    StoreEditedLine(state, kSmallLines, 50);
}
void BM_InsertDeleteLine_Large(benchmark::State& state) {
    InsertAndDeleteLine(state, kLargeLines, 1000000);
}
void BM_InsertDeleteLine_Small(benchmark::State& state) {
    InsertAndDeleteLine(state, kSmallLines, 50);
}

BENCHMARK(BM_StoreEditedLine_Small);
BENCHMARK(BM_StoreEditedLine_Large);
BENCHMARK(BM_InsertDeleteLine_Small);
BENCHMARK(BM_InsertDeleteLine_Large);

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
