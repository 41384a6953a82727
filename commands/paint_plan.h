// What one repaint of the text window draws, row by row: the visible part of each line with its
// tabs expanded, and where the block covers it. The window only turns it into text-out and fill
// calls on its off-screen surface.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/line_source.h"
#include "commands/text_view_state.h"

namespace kestrel {

// Where the block covers one row. Columns count from the first visible column (0 = the column
// at the horizontal offset), so they index the row's text.
struct RowBlock {
    bool covered = false;         // the row's line lies within the block
    std::int32_t firstColumn = 0; // first selected character of the row's text
    std::int32_t columnCount = 0; // selected characters, drawn over the text in block colours
    std::int32_t textLeft = 0;    // pixel x at which the selected characters are drawn
    // On every block line but the end line the block runs past the text to the window's right
    // edge: fill fillLeft..fillRight (pixels) for the height of the row with the block
    // background.
    bool fillsToRightEdge = false;
    std::int32_t fillLeft = 0;
    std::int32_t fillRight = 0;
};

struct PaintRow {
    std::int32_t line = 0; // document line shown in the row
    std::int32_t top = 0;  // pixel y of the row's top edge
    // The line with tabs expanded and cut at the line-length limit, from the horizontal offset
    // on; empty when the line does not reach the offset. Drawn at x = PaintPlan::TextLeft() in
    // the normal colours.
    std::string text;
    RowBlock block;
};

class PaintPlan {
public:
    // Lays out the rows from the top line through one partly visible row below the page, as
    // far as the document goes. Each line is read once into a buffer of `linelength` bytes and
    // expanded within the same limit, so an over-long line is cut, never written past a buffer.
    void Build(const TextViewState& view, const LineSource& source);

    const std::vector<PaintRow>& Rows() const { return rows_; }
    // True when some row has block cells, so the block colours are needed.
    bool DrawsBlock() const { return drawsBlock_; }
    // Pixel x of the first visible column: the left margin.
    std::int32_t TextLeft() const { return textLeft_; }
    // Height of each row, in pixels.
    std::int32_t RowHeight() const { return rowHeight_; }

private:
    // Fills `row.block` for a line inside the block. `text` is the stored line as read, `offset`
    // the horizontal offset in use and `expandedLength` the width of the line's expansion
    // within the limit.
    void PlaceBlock(const TextViewState& view, std::string_view text, std::int32_t offset,
                    std::int32_t expandedLength, PaintRow& row) const;

    std::vector<PaintRow> rows_;
    std::vector<char> lineBuffer_;     // the stored line, `linelength` bytes
    std::vector<char> expandedBuffer_; // the line with tabs expanded, `linelength` bytes
    bool drawsBlock_ = false;
    std::int32_t textLeft_ = 0;
    std::int32_t rowHeight_ = 0;
};

} // namespace kestrel
