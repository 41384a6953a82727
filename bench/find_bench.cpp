// Searching the 100 MB, 1.6-million-line document for text it does not hold, case-sensitive and
// not, through the same line store and search the running program uses. bench/find_vs_grep.sh
// compares the figures with `grep -F -c` of the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "bench/bench_editor.h"
#include "commands/find_commands.h"
#include "document/line_splitter.h"

namespace kestrel {
namespace {

// The text searched for; bench/find_vs_grep.sh gives grep the same.
std::string AbsentText() {
    const char* text = std::getenv("KESTREL_FIND_TEXT");
    return text != nullptr ? text : "qzxj absent text";
}

// The benchmarks' windowless editor, with the search and a loader.
class Editor : public BenchEditor, public PassedEndListener, public LineSink {
public:
    void OnPassedEnd() override {}
    bool AddLine(const char* text, std::int32_t length) override {
        return store.AppendLine(text, length);
    }

    // Reads `path` into the file buffer and splits it as the loader does.
    bool Load(const std::string& path) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            return false;
        }
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::fseek(file, 0, SEEK_SET);
        FileBuffer& buffer = store.GetFileBuffer();
        bool ok = size > 0 && store.BeginLoad() && buffer.Reserve(static_cast<std::size_t>(size));
        ok = ok && std::fread(buffer.Data(), 1, static_cast<std::size_t>(size), file) ==
                       static_cast<std::size_t>(size);
        std::fclose(file);
        if (!ok) {
            return false;
        }
        buffer.SetLength(static_cast<std::size_t>(size));
        ok = SplitBuffer(buffer.Data(), buffer.Length(), store.LineLength(), 8, *this).complete;
        store.AdjustLineCount(0);
        context.LoadCurrentLine();
        return ok;
    }

    FindCommands find{context, *this};
};

Editor* LoadedEditor() {
    static std::unique_ptr<Editor> editor;
    if (editor == nullptr) {
        const char* path = std::getenv("KESTREL_SPLIT_FILE");
        editor = std::make_unique<Editor>();
        if (!editor->Load(path != nullptr ? path : "/tmp/kestrel_split_100mb.txt")) {
            editor.reset();
        }
    }
    return editor.get();
}

void SearchAbsent(benchmark::State& state, bool matchCase) {
    Editor* editor = LoadedEditor();
    if (editor == nullptr) {
        state.SkipWithError("cannot load the document (run line_splitter_bench first)");
        return;
    }
    editor->find.SetSearchText(AbsentText());
    editor->find.SetMatchCase(matchCase);
    bool found = false;
    for (auto _ : state) {
        found = editor->find.SearchFromCaret();
        benchmark::DoNotOptimize(found);
    }
    state.counters["lines"] = editor->store.LineCount();
    if (found) {
        state.SkipWithError("the text searched for is in the document");
    }
}

void BM_FindAbsentMatchCase(benchmark::State& state) { SearchAbsent(state, true); }
BENCHMARK(BM_FindAbsentMatchCase)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindAbsentIgnoreCase(benchmark::State& state) { SearchAbsent(state, false); }
BENCHMARK(BM_FindAbsentIgnoreCase)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
