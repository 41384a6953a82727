// Fuzzes laying out a page: arbitrary line bytes (tabs, NULs, lines far beyond the limit), tab
// size, line length, horizontal offset and block marks. Checks that every row stays within the
// line-length limit and that the block never selects characters a row does not hold.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "commands/paint_plan.h"
#include "commands/text_view_state.h"

namespace {

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

class BytesSource : public kestrel::LineSource {
public:
    std::int32_t GetLineText(std::int32_t line, char* buffer, std::size_t size) const override {
        const std::string& text = lines.at(static_cast<std::size_t>(line));
        const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        return static_cast<std::int32_t>(n);
    }
    std::int32_t GetLineLength(std::int32_t line) const override {
        return static_cast<std::int32_t>(lines.at(static_cast<std::size_t>(line)).size());
    }

    std::vector<std::string> lines;
};

std::int32_t Word(const std::uint8_t* data, std::size_t at) {
    return static_cast<std::int32_t>(data[at] | (data[at + 1] << 8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 12;
    if (size < kHeader) {
        return 0;
    }
    kestrel::TextViewState view;
    view.SetTabSize(data[0] % 20);
    view.SetLineLength(1 + Word(data, 1) % 8192);
    view.SetFontMetrics(1 + data[3] % 12, 1 + data[4] % 20);
    view.SetClientSize(Word(data, 5) % 2048, Word(data, 7) % 1024);
    view.UpdateLayout();

    BytesSource source;
    source.lines.emplace_back();
    for (std::size_t i = kHeader; i < size; ++i) {
        if (data[i] == '\n') {
            source.lines.emplace_back();
        } else {
            source.lines.back().push_back(static_cast<char>(data[i]));
        }
    }
    const std::int32_t lineCount = static_cast<std::int32_t>(source.lines.size());
    view.AdjustLineCount(lineCount);
    view.SetTopLine(data[9] % lineCount);
    view.SetHorizontalOffset(data[10] * 16);
    view.SetBlockShown(true);
    view.SetBlock({0, data[11] % 64}, {lineCount - 1, data[11] / 4});

    kestrel::PaintPlan plan;
    plan.Build(view, source);
    Check(plan.Rows().size() <= static_cast<std::size_t>(view.VisibleLines()) + 1);
    for (const kestrel::PaintRow& row : plan.Rows()) {
        Check(row.line >= view.TopLine() && row.line < lineCount);
        Check(row.text.size() < static_cast<std::size_t>(view.LineLength()));
        Check(row.text.find('\t') == std::string::npos);
        const kestrel::RowBlock& block = row.block;
        Check(block.firstColumn >= 0 && block.columnCount >= 0);
        Check(static_cast<std::size_t>(block.firstColumn + block.columnCount) <= row.text.size());
    }
    return 0;
}
