// Line printing on a grid of character cells: which text goes on which row of which page, with
// the top and left margins, rows continued where a line is wider than the page, and the footer
// with the title and the page number. Window-free; the printer only receives the rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

// The printable page and the printer font, in device pixels.
struct PageMetrics {
    std::int32_t pageWidth = 0;  // printable width
    std::int32_t pageHeight = 0; // printable height
    std::int32_t charWidth = 0;  // the font's average character width
    std::int32_t lineHeight = 0; // the font's height plus external leading
};

// The layout settings as stored; they are made safe for the page before use.
struct PageOptions {
    std::int32_t topMargin = 2;  // empty rows above the text
    std::int32_t leftMargin = 0; // spaces before every row
    bool pageNumbers = false;    // a footer with the title and the page number
    bool tractorFeed = false;    // continuous paper: four rows less, each page one row lower
    std::int32_t tabSize = 8;
    std::string title;           // the document's file name, at most 39 characters
};

// The grid a job prints on. Rows are counted from 0 at the top of the printable area.
struct PageGrid {
    std::int32_t width = 0;      // cells per row (W)
    std::int32_t fullRow = 0;    // a page is full when the next row reaches this one (L)
    std::int32_t footerRow = 0;  // the last row of the page, where the footer goes
    std::int32_t firstRow = 0;   // 1 with tractor feed, else 0
    std::int32_t topMargin = 0;  // clamped so that every page has room for one text row
    std::int32_t leftMargin = 0; // clamped so that every row has room for one character
    bool usable = false;         // false: nothing can be printed on this page
};

// The text to print, one segment per document line: the whole lines of the document, or the
// marked block with its first and last lines cut at the marks.
class PrintSource {
public:
    virtual ~PrintSource() = default;
    // The first segment; `last` tells whether there are no more. The text stays valid until the
    // next call.
    virtual std::string_view First(bool& last) = 0;
    virtual std::string_view Next(bool& last) = 0;
};

// Where the rows go: the printer, or a test's record of the pages.
class PageSink {
public:
    virtual ~PageSink() = default;
    // False stops the job.
    virtual bool BeginPage() = 0;
    virtual void PrintRow(std::int32_t row, std::string_view text) = 0;
    // False stops the job.
    virtual bool EndPage() = 0;
};

class PageLayout {
public:
    PageLayout(const PageMetrics& metrics, PageOptions options);

    const PageGrid& Grid() const { return grid_; }

    // Prints every segment of `source`, page after page. Each segment is fetched once, its tabs
    // expanded from its own start. An empty document still prints one page with one empty row.
    // Returns false when the grid is unusable or the sink stopped the job.
    bool Print(PrintSource& source, PageSink& sink) const;

    // The footer of page `page`: the title centred and the number ending at column width - 2;
    // width - 1 characters, both clipped to them.
    std::string Footer(std::int32_t page) const;

private:
    PageGrid grid_;
    PageOptions options_;
};

// The title a printed page shows: the text after the last "/", ":" or "\\", at most 39
// characters; empty for an unnamed document.
std::string PrintTitle(std::string_view path);

} // namespace kestrel
