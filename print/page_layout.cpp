// The page grid and the row-by-row walk over the text to print.
#include "print/page_layout.h"

#include <algorithm>
#include <utility>

#include "document/text_columns.h"

namespace kestrel {

namespace {

constexpr std::size_t kMaxTitle = 39;
constexpr std::int32_t kTractorRows = 4;

} // namespace

PageLayout::PageLayout(const PageMetrics& metrics, PageOptions options)
    : options_(std::move(options)) {
    if (metrics.charWidth <= 0 || metrics.lineHeight <= 0 || metrics.pageWidth <= 0 ||
        metrics.pageHeight <= 0) {
        return;
    }
    std::int64_t pageHeight = metrics.pageHeight;
    if (options_.tractorFeed) {
        pageHeight -= kTractorRows * metrics.lineHeight;
        grid_.firstRow = 1;
    }
    std::int64_t rows = pageHeight / static_cast<std::int64_t>(metrics.lineHeight);
    grid_.width = metrics.pageWidth / metrics.charWidth;
    grid_.fullRow = static_cast<std::int32_t>(rows - (options_.pageNumbers ? 2 : 1));
    grid_.footerRow = static_cast<std::int32_t>(rows - 1);
    // At least one text row on each page and one character on each row, whatever is stored:
    // otherwise a page would never fill or a row would never advance.
    grid_.usable = grid_.width >= 1 && grid_.fullRow - grid_.firstRow >= 1;
    if (!grid_.usable) {
        return;
    }
    grid_.topMargin = std::clamp(options_.topMargin, 0, grid_.fullRow - grid_.firstRow - 1);
    grid_.leftMargin = std::clamp(options_.leftMargin, 0, std::min(18, grid_.width - 1));
}

std::string PageLayout::Footer(std::int32_t page) const {
    std::int32_t width = grid_.width;
    if (width < 2) {
        return std::string();
    }
    std::string footer(static_cast<std::size_t>(width - 1), ' ');
    const std::string& title = options_.title;
    std::int32_t titleLength = static_cast<std::int32_t>(title.size());
    std::int32_t column = std::max(0, (width - titleLength) / 2);
    for (std::int32_t i = 0; i < titleLength && column + i < width - 1; ++i) {
        footer[static_cast<std::size_t>(column + i)] = title[static_cast<std::size_t>(i)];
    }
    std::string number = std::to_string(page);
    std::int32_t start = width - 1 - static_cast<std::int32_t>(number.size());
    for (std::size_t i = 0; i < number.size(); ++i) {
        std::int32_t at = start + static_cast<std::int32_t>(i);
        if (at >= 0) {
            footer[static_cast<std::size_t>(at)] = number[i];
        }
    }
    return footer;
}

bool PageLayout::Print(PrintSource& source, PageSink& sink) const {
    if (!grid_.usable) {
        return false;
    }
    const std::int32_t width = grid_.width;
    const std::size_t textRoom = static_cast<std::size_t>(width - grid_.leftMargin);
    const std::string margin(static_cast<std::size_t>(grid_.leftMargin), ' ');
    const std::int32_t tabSize = std::max(1, options_.tabSize);
    std::string expanded;
    std::string row;
    std::int32_t page = 1;

    if (!sink.BeginPage()) {
        return false;
    }
    std::int32_t current = grid_.firstRow + grid_.topMargin;
    bool last = false;
    std::string_view segment = source.First(last);
    for (;;) {
        // Every character may become a whole tab's width; nothing is cut from the line.
        expanded.resize(segment.size() * static_cast<std::size_t>(tabSize) + 1);
        std::int32_t length = ExpandTabs(expanded.data(), segment, tabSize, expanded.size());
        std::string_view rest(expanded.data(), static_cast<std::size_t>(length));
        bool finished = false;
        while (!finished) {
            std::size_t take = std::min(rest.size(), textRoom);
            finished = take == rest.size();
            row.assign(margin);
            row.append(rest.data(), take);
            rest.remove_prefix(take);
            sink.PrintRow(current, row);
            ++current;
            bool jobDone = finished && last;
            if (current >= grid_.fullRow || jobDone) {
                if (options_.pageNumbers) {
                    sink.PrintRow(grid_.footerRow, Footer(page));
                }
                ++page;
                if (!sink.EndPage()) {
                    return false;
                }
                if (jobDone) {
                    return true;
                }
                if (!sink.BeginPage()) {
                    return false;
                }
                current = grid_.firstRow + grid_.topMargin;
            }
        }
        segment = source.Next(last);
    }
}

std::string PrintTitle(std::string_view path) {
    std::size_t cut = path.find_last_of("/:\\");
    std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    return std::string(name.substr(0, kMaxTitle));
}

} // namespace kestrel
