// Builds the row-by-row plan of a repaint from the view state and the document's lines.
#include "commands/paint_plan.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string_view>

#include "document/text_columns.h"

namespace kestrel {

namespace {

std::int32_t ToPixels(std::int64_t value) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, kLow, kHigh));
}

// Pixel x of window column `column`.
std::int32_t ColumnLeft(const TextViewState& view, std::int32_t column) {
    return ToPixels(view.LeftMargin() + static_cast<std::int64_t>(column) * view.CharWidth());
}

} // namespace

void PaintPlan::Build(const TextViewState& view, const LineSource& source) {
    textLeft_ = view.LeftMargin();
    rowHeight_ = view.LineHeight();
    drawsBlock_ = false;

    // One row more than fits, for the partly visible row at the bottom.
    const std::int64_t top = view.TopLine();
    const std::int64_t first = std::max<std::int64_t>(top, 0);
    const std::int64_t last =
        std::min<std::int64_t>(view.LineCount(), top + std::max(view.VisibleLines(), 0) + 1);
    rows_.resize(last > first ? static_cast<std::size_t>(last - first) : 0);
    if (rows_.empty()) {
        return;
    }

    const std::size_t bufferSize = static_cast<std::size_t>(std::max(view.LineLength(), 1));
    lineBuffer_.resize(bufferSize);
    expandedBuffer_.resize(bufferSize);
    // Scrolling never makes the offset negative; a direct placement that did shows column 0.
    const std::int32_t offset = std::max(view.HorizontalOffset(), 0);
    const bool blockVisible = view.BlockVisible();

    for (std::size_t r = 0; r < rows_.size(); ++r) {
        PaintRow& row = rows_[r];
        const std::int32_t line = static_cast<std::int32_t>(first) + static_cast<std::int32_t>(r);
        row.line = line;
        row.top = ToPixels((line - top) * view.LineHeight());

        // The source promises to stop at the buffer; the terminator is set again in case it
        // reports more than it may have written.
        const std::int32_t copied = source.GetLineText(line, lineBuffer_.data(), bufferSize);
        const std::int32_t rawLength =
            std::clamp(copied, 0, static_cast<std::int32_t>(bufferSize - 1));
        lineBuffer_[static_cast<std::size_t>(rawLength)] = '\0';
        const std::string_view raw(lineBuffer_.data(), static_cast<std::size_t>(rawLength));
        const std::int32_t expandedLength =
            ExpandTabs(expandedBuffer_.data(), raw, view.TabSize(), bufferSize);

        if (expandedLength > offset) {
            row.text.assign(expandedBuffer_.data() + offset,
                            static_cast<std::size_t>(expandedLength - offset));
            // A NUL byte keeps its cell on screen: the line goes on after it.
            std::replace(row.text.begin(), row.text.end(), '\0', view.NulCell());
        } else {
            row.text.clear();
        }

        row.block = RowBlock{};
        if (blockVisible && line >= view.BlockBegin().line && line <= view.BlockEnd().line) {
            PlaceBlock(view, raw, offset, expandedLength, row);
            drawsBlock_ = drawsBlock_ || row.block.columnCount > 0 || row.block.fillsToRightEdge;
        }
    }
}

void PaintPlan::PlaceBlock(const TextViewState& view, std::string_view text, std::int32_t offset,
                           std::int32_t expandedLength, PaintRow& row) const {
    const std::int32_t visibleLength = static_cast<std::int32_t>(row.text.size());
    RowBlock& block = row.block;
    block.covered = true;

    // Selection start in window columns: the begin mark's column on the begin line, else the
    // first visible column.
    std::int32_t start = 0;
    if (row.line == view.BlockBegin().line) {
        const std::int32_t beginColumn =
            IndexToColumn(view.BlockBegin().index, text, view.TabSize());
        start = std::max(beginColumn - offset, 0);
    }

    // The end mark is exclusive. On every other line the block runs on past the text.
    std::int32_t end = visibleLength;
    if (row.line == view.BlockEnd().line) {
        end = IndexToColumn(view.BlockEnd().index, text, view.TabSize()) - offset;
    } else {
        block.fillsToRightEdge = true;
        const std::int32_t textEnd = std::max(expandedLength - offset, 0);
        block.fillLeft = ColumnLeft(view, textEnd);
        block.fillRight = view.ClientWidth();
    }

    // Only characters the row actually holds are drawn selected: a mark column beyond the
    // expansion (a line cut at the limit) must not reach past the text.
    start = std::min(start, visibleLength);
    end = std::clamp(end, start, visibleLength);
    block.firstColumn = start;
    block.columnCount = end - start;
    block.textLeft = ColumnLeft(view, start);
}

} // namespace kestrel
