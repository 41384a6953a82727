// "Replace all" over a 100 MB, 1.6-million-line document in which every line holds the word
// "delta", replaced by "epsilon" through the same line store and replacer the running program
// uses. bench/replace_vs_sed.sh compares the figures with `sed 's/delta/epsilon/g'` of the file.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <sys/stat.h>

#include <benchmark/benchmark.h>

#include "bench/bench_editor.h"
#include "commands/command_runner.h"
#include "commands/find_matcher.h"
#include "commands/text_replacer.h"
#include "document/edit_history.h"
#include "document/line_splitter.h"

namespace kestrel {
namespace {

// bench/replace_vs_sed.sh gives sed the same two words.
constexpr char kWord[] = "delta";
constexpr char kLonger[] = "epsilon";
constexpr int kLines = 1600000;

std::string ReplaceFilePath() {
    const char* path = std::getenv("KESTREL_REPLACE_FILE");
    return path != nullptr ? path : "/tmp/kestrel_replace_100mb.txt";
}

// Lines of 0 to 110 random characters with CR LF ends and the word somewhere in each, about
// 100 MB in all; one line in five is indented with tabs, as source code is.
std::string MakeDocument() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kLines) * 64);
    std::uint32_t state = 54321;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    static const char kChars[] = "etaoinshrdlucmfwypvbgkqjxz      ETAOIN.,;(){}=+-*/0123456789";
    for (int line = 0; line < kLines; ++line) {
        if (next() % 5 == 0) {
            text.append(1 + next() % 3, '\t');
        }
        const int length = static_cast<int>(next() % 111);
        const int wordAt = static_cast<int>(next() % static_cast<std::uint32_t>(length + 1));
        for (int i = 0; i <= length; ++i) {
            if (i == wordAt) {
                text += kWord;
            }
            if (i < length) {
                text += kChars[next() % (sizeof kChars - 1)];
            }
        }
        text += "\r\n";
    }
    return text;
}

// Writes the generated document unless a file is already there; a half-written file never
// stays under the name, so a later run does not measure it.
bool EnsureReplaceFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        return true;
    }
    const std::string text = MakeDocument();
    const std::string partial = path + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed && std::rename(partial.c_str(), path.c_str()) == 0;
}

// The benchmarks' windowless editor with a loader.
class Editor : public BenchEditor, public LineSink {
public:
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
};

void ReplaceWord(benchmark::State& state, bool matchCase) {
    const std::string path = ReplaceFilePath();
    auto editor = std::make_unique<Editor>();
    if (!EnsureReplaceFile(path)) {
        state.SkipWithError("cannot write the document");
        return;
    }
    const FindMatcher matcher(kWord, matchCase);
    ReplaceAllResult result;
    for (auto _ : state) {
        // Every pass starts from the file as it is on disk, the load not timed.
        state.PauseTiming();
        const bool loaded = editor->Load(path);
        state.ResumeTiming();
        if (!loaded) {
            state.SkipWithError("cannot load the document");
            return;
        }
        result = ReplaceAll(editor->store, matcher, kLonger, editor->store.LineLength() - 1);
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = editor->store.LineCount();
    state.counters["replaced"] = static_cast<double>(result.replaced);
    state.counters["changed"] = result.changedLines;
    if (result.outOfMemory || result.skipped != 0 || result.replaced < kLines) {
        state.SkipWithError("not every line had its word replaced");
    }
}

void BM_ReplaceAllMatchCase(benchmark::State& state) { ReplaceWord(state, true); }
BENCHMARK(BM_ReplaceAllMatchCase)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReplaceAllIgnoreCase(benchmark::State& state) { ReplaceWord(state, false); }
BENCHMARK(BM_ReplaceAllIgnoreCase)->Unit(benchmark::kMillisecond)->UseRealTime();

// Replace all as the program runs it, one step of the undo history attached to the store, and
// the Undo and Redo of that step: range 0 times the Replace all, 1 its Undo, 2 its Redo.
void BM_ReplaceAllUndoRedo(benchmark::State& state) {
    const std::string path = ReplaceFilePath();
    auto editor = std::make_unique<Editor>();
    EditHistory history;
    if (!EnsureReplaceFile(path)) {
        state.SkipWithError("cannot write the document");
        return;
    }
    const FindMatcher matcher(kWord, true);
    const int timed = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        editor->store.SetRecorder(nullptr);
        const bool loaded = editor->Load(path);
        history.Clear();
        editor->store.SetRecorder(&history);
        state.ResumeTiming();
        if (!loaded) {
            state.SkipWithError("cannot load the document");
            return;
        }
        double seconds = 0;
        for (int phase = 0; phase < 3; ++phase) {
            const auto start = std::chrono::steady_clock::now();
            if (phase == 0) {
                history.BeginStep(PlaceOf(editor->view));
                ReplaceAll(editor->store, matcher, kLonger, editor->store.LineLength() - 1);
                history.EndStep(PlaceOf(editor->view));
            } else if (phase == 1) {
                history.Undo(editor->store);
            } else {
                history.Redo(editor->store);
            }
            if (phase == timed) {
                seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                              .count();
            }
        }
        state.SetIterationTime(seconds);
    }
    state.counters["history_MB"] = static_cast<double>(history.BytesInUse()) / (1 << 20);
    editor->store.SetRecorder(nullptr);
}
BENCHMARK(BM_ReplaceAllUndoRedo)
    ->ArgName("timed_0replace_1undo_2redo")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
