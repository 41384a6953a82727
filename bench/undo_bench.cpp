// Undo and redo against the edits they take back, in one run, on the 1.6-million-line document:
// "Delete block" of 1,000,000 lines, its Undo and its Redo, with the history's memory for the
// step; and typing 100,000 characters with the history attached and without it.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include <benchmark/benchmark.h>

#include "bench/bench_editor.h"
#include "bench/benchmark_document.h"
#include "commands/command_runner.h"
#include "document/edit_history.h"
#include "tests/commands/no_window.h"

namespace kestrel {
namespace {

constexpr std::int32_t kLargeLines = 1600000;
constexpr std::int32_t kDeletedLines = 1000000;
constexpr std::int32_t kTypedCharacters = 100000;

// The bench editor with the program's history and command runner.
struct UndoEditor : BenchEditor {
    UndoEditor() {
        store.SetRecorder(&history);
        if (!LoadBenchmarkDocument(store, kLargeLines)) {
            std::abort();
        }
        history.Clear();
        context.LoadCurrentLine();
    }
    EditHistory history;
    NoWindow noWindow;
    CommandRunner runner{context, history, noWindow, noWindow};
};

UndoEditor& Editor() {
    static std::unique_ptr<UndoEditor> editor = std::make_unique<UndoEditor>();
    return *editor;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Lines 300,000 to 1,299,999 as the block, deleted as the command does it: one step.
void DeleteBlock(UndoEditor& editor) {
    editor.view.SetBlock({300000, 0}, {300000 + kDeletedLines, 0});
    editor.view.SetBlockShown(true);
    editor.runner.Run(CommandId::DeleteBlock);
}

// What is timed: 0 the delete, 1 its undo, 2 its redo. The rest of the round runs untimed, so
// every round starts from the whole document.
void DeleteUndoRedo(benchmark::State& state) {
    UndoEditor& editor = Editor();
    const int timed = static_cast<int>(state.range(0));
    std::size_t historyBytes = 0;
    for (auto _ : state) {
        double seconds = 0;
        for (int phase = 0; phase < 3; ++phase) {
            const auto start = std::chrono::steady_clock::now();
            if (phase == 0) {
                DeleteBlock(editor);
                historyBytes = editor.history.BytesInUse();
            } else {
                editor.runner.Run(phase == 1 ? CommandId::Undo : CommandId::Redo);
            }
            if (phase == timed) {
                seconds = Seconds(start);
            }
        }
        editor.runner.Run(CommandId::Undo);
        if (editor.store.LineCount() != kLargeLines) {
            state.SkipWithError("the document did not come back whole");
        }
        state.SetIterationTime(seconds);
    }
    state.counters["history_bytes_per_deleted_line"] =
        static_cast<double>(historyBytes) / kDeletedLines;
}

// 100,000 characters typed in runs of 50 at the start of 2,000 lines, each run ended by Home and
// Arrow down, through the runner; the history attached or not. Every round types on lines no
// round typed on before, so that all rounds of both kinds find lines of the same length.
void Typing(benchmark::State& state) {
    static std::int32_t nextLine = 400000;
    UndoEditor& editor = Editor();
    const bool history = state.range(0) != 0;
    editor.store.SetRecorder(history ? &editor.history : nullptr);
    for (auto _ : state) {
        editor.cursor.GoToPosition(nextLine, 0);
        nextLine += kTypedCharacters / 50;
        const auto start = std::chrono::steady_clock::now();
        for (std::int32_t typed = 0; typed < kTypedCharacters; ++typed) {
            editor.runner.TypeCharacter('a' + typed % 26, false);
            if (typed % 50 == 49) {
                editor.runner.Run(CommandId::BeginningOfLine);
                editor.runner.Run(CommandId::ArrowDown);
            }
        }
        state.SetIterationTime(Seconds(start));
        state.PauseTiming();
        editor.history.Clear();
        state.ResumeTiming();
    }
    editor.store.SetRecorder(&editor.history);
}

BENCHMARK(DeleteUndoRedo)
    ->ArgName("timed_0delete_1undo_2redo")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Typing)
    ->ArgName("history")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
