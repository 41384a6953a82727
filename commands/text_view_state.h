// The text window's view state as plain data: layout, top line, caret cell, horizontal offset,
// scroll ranges and the block marks, with the scroll rules that change them.
// The window turns the results into scroll bars, a caret and GDI calls.
#pragma once

#include <cstdint>
#include <string>

#include "commands/text_view_host.h"
#include "document/text_pos.h"

namespace kestrel {

// Scroll requests, numbered as the platform's scroll-bar codes so that the window can pass the
// code of a scroll message straight through. The vertical and horizontal names share values.
// Values outside these are legal and ask for no movement.
enum class ScrollCode : std::int32_t {
    LineUp = 0,
    LineLeft = 0,
    LineDown = 1,
    LineRight = 1,
    PageUp = 2,
    PageLeft = 2,
    PageDown = 3,
    PageRight = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Left = 6,
    Bottom = 7,
    Right = 7,
    EndScroll = 8,
};

// A point in the window's client area, in pixels.
struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The size of the system caret, in pixels.
struct CaretSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The caret's place as the status bar shows it: line and column both counted from 1, the
// column in display columns (tabs expanded) from the start of the line.
struct CaretStatus {
    std::int32_t line = 1;
    std::int32_t column = 1;
};

// Texts of the status bar's caret pane: kCaretStatusLine, the line, kCaretStatusColumn, the column.
inline constexpr char kCaretStatusLine[] = "\tLine ";
inline constexpr char kCaretStatusColumn[] = " Col ";

// Values a fresh window has before the settings store applies the stored ones.
inline constexpr std::int32_t kInitialLineLength = 2048;
inline constexpr std::int32_t kInitialTabSize = 8;
inline constexpr std::int32_t kInitialWheelLines = 3;
// Width of the caret in insert mode, in pixels; in overwrite mode it covers one cell.
inline constexpr std::int32_t kInsertCaretWidth = 3;

class TextViewState {
public:
    // ---- Font, window and settings --------------------------------------------------------
    // Stores the client size from a size message; UpdateLayout recomputes what depends on it.
    void SetClientSize(std::int32_t width, std::int32_t height);
    // Metrics of the current font: average character width, and line height (height + external
    // leading), both in pixels. The left margin is one empty cell, so it follows the width.
    void SetFontMetrics(std::int32_t charWidth, std::int32_t lineHeight);
    void SetTabSize(std::int32_t tabSize) { tabSize_ = tabSize; }
    // The character drawn in the cell of a NUL byte, which the font itself would not show.
    void SetNulCell(char cell) { nulCell_ = cell; }
    void SetLineLength(std::int32_t lineLength) { lineLength_ = lineLength; }
    void SetWheelLines(std::int32_t wheelLines) { wheelLines_ = wheelLines; }
    // Hides or shows the horizontal bar and recomputes the horizontal range; the offset still
    // follows typing when the bar is hidden.
    void SetHorizontalBarHidden(bool hidden);

    // Visible columns and lines from the client size, then the horizontal range; the horizontal
    // offset is clamped to the new maximum. Run on every size change and font change.
    void UpdateLayout();

    // ---- Line count and vertical range ----------------------------------------------------
    // Changes the line count by delta. The vertical maximum becomes line count - 1, but at least
    // 1 so that the vertical bar never disappears, and the top line is clamped to it. The window
    // then sets its range to 0..VerticalMax() and its position to TopLine().
    void AdjustLineCount(std::int32_t delta);
    // Sets the line count alone, leaving the scroll range as it was (a new document does so).
    void SetLineCount(std::int32_t count) { lineCount_ = count; }

    // ---- Scrolling --------------------------------------------------------------------------
    // The top line a vertical scroll code asks for, before clamping. `position` is the thumb's
    // tracking position, used only by ThumbTrack. Equal to TopLine() when the code asks for no
    // movement (ThumbPosition, EndScroll and any unknown code).
    std::int32_t VerticalScrollTarget(ScrollCode code, std::int32_t position) const;
    // The horizontal offset a horizontal scroll code asks for, before clamping. A page is
    // `tabsize` columns. Equal to HorizontalOffset() when the code asks for no movement
    // (ThumbPosition, Right, EndScroll and any unknown code).
    std::int32_t HorizontalScrollTarget(ScrollCode code, std::int32_t position) const;

    // Scrolls the view vertically. When the target differs from the top line: the caret line is
    // stored, the top line clamped to the document, the caret row pulled up when it would pass
    // the last line (the caret otherwise keeps its row, and so moves through the document), the
    // new caret line loaded, and unless painting is suspended the host repaints, places the
    // caret and moves the vertical bar. Returns true when the target differed from the top line.
    bool ScrollVertical(ScrollCode code, std::int32_t position, TextViewHost& host);
    // Scrolls the view sideways. When the target differs from the offset it is clamped to
    // 0..HorizontalMax() and stored, and unless painting is suspended the host repaints, places
    // the caret and moves the horizontal bar. The caret keeps its window column and line.
    // Returns true when the target differed from the offset.
    bool ScrollHorizontal(ScrollCode code, std::int32_t position, TextViewHost& host);
    // One wheel message: WheelLines() line steps, up for a positive delta and down otherwise.
    // Only the sign of the delta counts, never its size.
    void Wheel(std::int32_t delta, TextViewHost& host);

    // ---- Deferred painting ------------------------------------------------------------------
    // Scroll-heavy commands suspend painting so that a series of steps renders once.
    void SuspendPainting() { paintingSuspended_ = true; }
    // Ends the suspension. Returns true when a repaint was asked for meanwhile; the window then
    // repaints.
    bool ResumePainting();
    // Called at the start of every repaint. While painting is suspended it notes the request and
    // returns false (render nothing); otherwise it clears the note and returns true.
    bool BeginRepaint();
    bool PaintingSuspended() const { return paintingSuspended_; }
    bool RepaintPending() const { return repaintPending_; }

    // ---- Caret ------------------------------------------------------------------------------
    // Top-left pixel of the caret cell.
    PixelPoint CaretPosition() const;
    // The caret is one line high, and one cell wide in overwrite mode or a 3-pixel bar in insert
    // mode.
    CaretSize CaretShape(bool overwriteMode) const;
    CaretStatus CaretStatusNumbers() const;
    // The caret pane's text: kCaretStatusLine, line, kCaretStatusColumn, column.
    std::string CaretStatusText() const;
    // The caret's document line (top line + caret row) and display column (offset + caret column).
    std::int32_t CaretLine() const { return topLine_ + caretRow_; }
    std::int32_t CaretDocumentColumn() const { return horizontalOffset_ + caretColumn_; }

    // Direct placement, for commands that compute the view themselves. No clamping is done.
    void SetTopLine(std::int32_t line) { topLine_ = line; }
    void SetCaretRow(std::int32_t row) { caretRow_ = row; }
    void SetCaretColumn(std::int32_t column) { caretColumn_ = column; }
    void SetHorizontalOffset(std::int32_t offset) { horizontalOffset_ = offset; }

    // ---- Block ------------------------------------------------------------------------------
    void SetBlock(TextPos begin, TextPos end);
    void SetBlockBegin(TextPos begin) { blockBegin_ = begin; }
    void SetBlockEnd(TextPos end) { blockEnd_ = end; }
    void SetBlockShown(bool shown) { blockShown_ = shown; }
    TextPos BlockBegin() const { return blockBegin_; }
    TextPos BlockEnd() const { return blockEnd_; }
    bool BlockShown() const { return blockShown_; }
    // True when painting draws the block: it is shown and its marks differ.
    bool BlockVisible() const { return blockShown_ && blockBegin_ != blockEnd_; }

    // ---- Read-out ---------------------------------------------------------------------------
    std::int32_t ClientWidth() const { return clientWidth_; }
    std::int32_t ClientHeight() const { return clientHeight_; }
    std::int32_t CharWidth() const { return charWidth_; }
    std::int32_t LineHeight() const { return lineHeight_; }
    std::int32_t LeftMargin() const { return leftMargin_; }
    std::int32_t TopLine() const { return topLine_; }
    std::int32_t HorizontalOffset() const { return horizontalOffset_; }
    std::int32_t HorizontalMax() const { return horizontalMax_; }
    // The horizontal bar's range maximum: 0 (no bar) when the bar is hidden.
    std::int32_t HorizontalScrollMax() const { return horizontalBarHidden_ ? 0 : horizontalMax_; }
    bool HorizontalBarHidden() const { return horizontalBarHidden_; }
    std::int32_t CaretColumn() const { return caretColumn_; }
    std::int32_t CaretRow() const { return caretRow_; }
    // Client width / character width - left margin, and client height / line height, both
    // rounded down; 0 while the font has no width or height. Visible columns subtracts the
    // margin's pixel width from a cell count and can be small or negative in a narrow window.
    std::int32_t VisibleColumns() const { return visibleColumns_; }
    std::int32_t VisibleLines() const { return visibleLines_; }
    // Page steps for loops that move the view a page at a time until a line or column is in
    // view: the visible count, but at least 1, so such a loop ends in a window too small to
    // show a line or a column.
    std::int32_t PageLines() const { return visibleLines_ > 0 ? visibleLines_ : 1; }
    std::int32_t PageColumns() const { return visibleColumns_ > 0 ? visibleColumns_ : 1; }
    std::int32_t LineCount() const { return lineCount_; }
    std::int32_t VerticalMax() const { return verticalMax_; }
    std::int32_t WheelLines() const { return wheelLines_; }
    std::int32_t TabSize() const { return tabSize_; }
    char NulCell() const { return nulCell_; }
    std::int32_t LineLength() const { return lineLength_; }

private:
    void UpdateHorizontalRange();
    // Makes `target` (clamped to the document) the top line and keeps the caret on a line.
    void MoveTopLine(std::int32_t target);

    std::int32_t clientWidth_ = 0;  // pixels, from the last size message
    std::int32_t clientHeight_ = 0; // pixels
    std::int32_t charWidth_ = 0;    // average character width of the font, pixels
    std::int32_t lineHeight_ = 0;   // font height + external leading, pixels
    std::int32_t leftMargin_ = 0;   // pixels free before column 0; always one character width

    std::int32_t topLine_ = 0;          // line shown in the first row
    std::int32_t horizontalOffset_ = 0; // display columns scrolled out to the left
    std::int32_t horizontalMax_ = 0;    // largest allowed horizontal offset
    std::int32_t caretColumn_ = 0;      // display column from the first visible column
    std::int32_t caretRow_ = 0;         // row from the top line
    std::int32_t visibleColumns_ = 0;
    std::int32_t visibleLines_ = 0;
    std::int32_t lineCount_ = 0;
    std::int32_t verticalMax_ = 1; // vertical bar range maximum, never below 1

    std::int32_t wheelLines_ = kInitialWheelLines; // line steps per wheel message
    std::int32_t lineLength_ = kInitialLineLength; // line buffer size in bytes (limit + 1)
    std::int32_t tabSize_ = kInitialTabSize;       // display columns between tab stops
    char nulCell_ = '?';                           // drawn for a NUL byte of a line
    bool horizontalBarHidden_ = false;

    bool blockShown_ = false;
    TextPos blockBegin_; // inclusive
    TextPos blockEnd_;   // exclusive

    bool paintingSuspended_ = false;
    bool repaintPending_ = false;
};

} // namespace kestrel
