// Editing costs that must not grow with the document: typing a character, Enter and "Delete
// line" on line 1,000,000 of a 1.6-million-line document against the same on a 100-line one.
// Enter and "Delete line" may add one move of the line records behind the caret.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "bench/bench_editor.h"
#include "bench/benchmark_document.h"

namespace kestrel {
namespace {

constexpr std::int32_t kLargeLines = 1600000;
constexpr std::int32_t kLargeTarget = 1000000;
constexpr std::int32_t kSmallLines = 100;
constexpr std::int32_t kSmallTarget = 50;

using Editor = BenchEditor;

// An editor holding `lines` lines of "line NNNNNNN of the benchmark document", loaded the way
// the file loader fills the store, with the caret on `target`.
std::unique_ptr<Editor> MakeEditor(std::int32_t lines, std::int32_t target) {
    auto editor = std::make_unique<Editor>();
    if (!LoadBenchmarkDocument(editor->store, lines)) {
        return nullptr;
    }
    editor->context.LoadCurrentLine();
    editor->cursor.GoToPosition(target, 5);
    return editor;
}

Editor& EditorWith(std::int32_t lines) {
    static std::unique_ptr<Editor> large;
    static std::unique_ptr<Editor> small;
    std::unique_ptr<Editor>& editor = lines == kLargeLines ? large : small;
    if (!editor) {
        editor = MakeEditor(lines, lines == kLargeLines ? kLargeTarget : kSmallTarget);
        if (!editor) {
            std::abort();
        }
    }
    return *editor;
}

// Puts the caret back on column 5 of an unscrolled view.
void CaretToColumnFive(Editor& editor) {
    editor.view.SetHorizontalOffset(0);
    editor.view.SetCaretColumn(5);
}

// Typing in insert mode; every 100 characters "Restore line" puts the line back and the caret
// returns to column 5, so the line stays short. The restore is measured in both documents.
void TypeCharacter(benchmark::State& state, std::int32_t lines) {
    Editor& editor = EditorWith(lines);
    CaretToColumnFive(editor);
    int typed = 0;
    for (auto _ : state) {
        editor.editing.TypeChar('x');
        if (++typed == 100) {
            editor.editing.RestoreLine();
            CaretToColumnFive(editor);
            typed = 0;
        }
    }
    editor.editing.RestoreLine();
}

// Enter in the middle of the line; the join back ("Backspace" at the start of the new line)
// is not measured.
void Enter(benchmark::State& state, std::int32_t lines) {
    Editor& editor = EditorWith(lines);
    for (auto _ : state) {
        CaretToColumnFive(editor);
        auto start = std::chrono::steady_clock::now();
        editor.editing.SplitLine();
        auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        editor.editing.Backspace();
    }
}

// "Delete line" on the caret line; the empty line put back in its place is not measured.
void DeleteLine(benchmark::State& state, std::int32_t lines) {
    Editor& editor = EditorWith(lines);
    const std::int32_t line = editor.view.CaretLine();
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        editor.editing.DeleteLine();
        auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        editor.store.InsertLines(line, 1);
        editor.context.LoadCurrentLine();
    }
}

// The allowance: one move of the records behind line 1,000,000 of 1,600,000 by one place,
// as opening or removing a line there needs.
void RecordMove(benchmark::State& state) {
    static std::unique_ptr<LineRecord[]> records(new LineRecord[kLargeLines + 1]());
    const std::size_t behind = static_cast<std::size_t>(kLargeLines - kLargeTarget);
    bool down = false;
    for (auto _ : state) {
        LineRecord* from = records.get() + kLargeTarget + (down ? 1 : 0);
        LineRecord* to = records.get() + kLargeTarget + (down ? 0 : 1);
        auto start = std::chrono::steady_clock::now();
        std::memmove(static_cast<void*>(to), from, behind * sizeof(LineRecord));
        benchmark::ClobberMemory();
        auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        down = !down;
    }
}

BENCHMARK(RecordMove)->UseManualTime();
BENCHMARK_CAPTURE(TypeCharacter, line_1000000_of_1600000, kLargeLines);
BENCHMARK_CAPTURE(TypeCharacter, line_50_of_100, kSmallLines);
BENCHMARK_CAPTURE(Enter, line_1000000_of_1600000, kLargeLines)->UseManualTime();
BENCHMARK_CAPTURE(Enter, line_50_of_100, kSmallLines)->UseManualTime();
BENCHMARK_CAPTURE(DeleteLine, line_1000000_of_1600000, kLargeLines)->UseManualTime();
BENCHMARK_CAPTURE(DeleteLine, line_50_of_100, kSmallLines)->UseManualTime();

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
