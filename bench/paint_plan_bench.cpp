// Laying out a page costs the same at line 1,000,000 of a 1.6-million-line document as in a
// 100-line one: a repaint reads only the visible lines.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "commands/paint_plan.h"
#include "commands/text_view_state.h"

namespace kestrel {
namespace {

// Every line is the same 80 characters with two tabs, so only the document's size differs.
class UniformSource : public LineSource {
public:
    std::int32_t GetLineText(std::int32_t, char* buffer, std::size_t size) const override {
        const std::size_t n = kLine.size() < size - 1 ? kLine.size() : size - 1;
        std::memcpy(buffer, kLine.data(), n);
        buffer[n] = '\0';
        return static_cast<std::int32_t>(n);
    }
    std::int32_t GetLineLength(std::int32_t) const override {
        return static_cast<std::int32_t>(kLine.size());
    }

private:
    const std::string kLine =
        "\tint value = compute(first, second);\t// a comment that runs on for a while.....";
};

void BM_BuildPage(benchmark::State& state) {
    const std::int32_t lineCount = static_cast<std::int32_t>(state.range(0));
    TextViewState view;
    view.SetFontMetrics(8, 16);
    view.SetClientSize(1024, 768);
    view.SetLineLength(256);
    view.UpdateLayout();
    view.AdjustLineCount(lineCount);
    view.SetTopLine(lineCount > 1000000 ? 1000000 : 0);
    view.SetBlockShown(true);
    view.SetBlock({view.TopLine() + 3, 4}, {view.TopLine() + 30, 10});
    UniformSource source;
    PaintPlan plan;
    for (auto _ : state) {
        plan.Build(view, source);
        benchmark::DoNotOptimize(plan.Rows().data());
    }
}
BENCHMARK(BM_BuildPage)->Arg(100)->Arg(1600000);

} // namespace
} // namespace kestrel

BENCHMARK_MAIN();
