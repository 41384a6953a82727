// The page layout: grid, margins, continued rows, page breaks and footers, recorded row by row.
#include "print/page_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kestrel {
namespace {

class Lines : public PrintSource {
public:
    explicit Lines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    std::string_view First(bool& last) override {
        at_ = 0;
        ++fetched_;
        last = lines_.size() <= 1;
        return lines_.empty() ? std::string_view() : lines_[0];
    }
    std::string_view Next(bool& last) override {
        ++at_;
        ++fetched_;
        last = at_ + 1 >= lines_.size();
        return lines_.at(at_);
    }
    int fetched_ = 0;

private:
    std::vector<std::string> lines_;
    std::size_t at_ = 0;
};

struct Row {
    int page;
    int row;
    std::string text;
};

class Pages : public PageSink {
public:
    bool BeginPage() override {
        ++begun;
        return begun <= failBeginAt || failBeginAt == 0;
    }
    void PrintRow(std::int32_t row, std::string_view text) override {
        rows.push_back({begun, row, std::string(text)});
    }
    bool EndPage() override {
        ++ended;
        return true;
    }
    int begun = 0;
    int ended = 0;
    int failBeginAt = 0; // 0: never fails; n: the (n + 1)th page fails to start
    std::vector<Row> rows;
};

PageMetrics Metrics(int columns, int rows) { return {columns * 10, rows * 50, 10, 50}; }

PageOptions Options(int top, int left, bool numbers, std::string title = "") {
    PageOptions options;
    options.topMargin = top;
    options.leftMargin = left;
    options.pageNumbers = numbers;
    options.title = std::move(title);
    return options;
}

TEST(PageLayout, GridFromMetricsMarginsAndFeed) {
    struct Case {
        PageMetrics metrics;
        PageOptions options;
        bool tractor;
        PageGrid expected; // width, fullRow, footerRow, firstRow, top, left, usable
    };
    const Case cases[] = {
        // 3000 / 50 = 60 rows: full at 58 with page numbers, footer on row 59.
        {{800, 3000, 10, 50}, Options(2, 0, true), false, {80, 58, 59, 0, 2, 0, true}},
        {{800, 3000, 10, 50}, Options(2, 5, false), false, {80, 59, 59, 0, 2, 5, true}},
        // Tractor feed: four rows less and each page one row lower.
        {{800, 3000, 10, 50}, Options(2, 0, false), true, {80, 55, 55, 1, 2, 0, true}},
        // Hostile stored margins are clamped: at least one text row and one character.
        {{800, 3000, 10, 50}, Options(-7, -3, false), false, {80, 59, 59, 0, 0, 0, true}},
        {{800, 3000, 10, 50}, Options(2147483647, 99, false), false, {80, 59, 59, 0, 58, 18, true}},
        {{50, 3000, 10, 50}, Options(2, 18, false), false, {5, 59, 59, 0, 2, 4, true}},
        {{10, 3000, 10, 50}, Options(2, 18, false), false, {1, 59, 59, 0, 2, 0, true}},
        // No room, no font, no page: nothing can be printed.
        {{9, 3000, 10, 50}, Options(2, 0, false), false, {0, 59, 59, 0, 0, 0, false}},
        {{800, 100, 10, 50}, Options(0, 0, true), false, {80, 0, 1, 0, 0, 0, false}},
        {{800, 3000, 0, 50}, Options(2, 0, false), false, {}},
        {{800, 3000, 10, 0}, Options(2, 0, false), false, {}},
        {{0, 0, 0, 0}, Options(2, 0, false), false, {}},
        {{800, 150, 10, 50}, Options(2, 0, false), true, {80, -2, -2, 1, 0, 0, false}},
    };
    for (const Case& c : cases) {
        PageOptions options = c.options;
        options.tractorFeed = c.tractor;
        PageGrid grid = PageLayout(c.metrics, options).Grid();
        SCOPED_TRACE(testing::Message() << c.metrics.pageWidth << "x" << c.metrics.pageHeight);
        EXPECT_EQ(grid.usable, c.expected.usable);
        if (c.expected.usable || c.expected.width != 0) {
            EXPECT_EQ(grid.width, c.expected.width);
            EXPECT_EQ(grid.fullRow, c.expected.fullRow);
            EXPECT_EQ(grid.footerRow, c.expected.footerRow);
            EXPECT_EQ(grid.firstRow, c.expected.firstRow);
            EXPECT_EQ(grid.topMargin, c.expected.topMargin);
            EXPECT_EQ(grid.leftMargin, c.expected.leftMargin);
        }
    }
}

TEST(PageLayout, FooterCentresTitleAndEndsNumberBeforeLastColumn) {
    struct Case {
        int width;
        std::string title;
        int page;
        std::string expected;
    };
    const Case cases[] = {
        {20, "notes.txt", 3, "     notes.txt    3"},
        {20, "", 12, "                 12"},
        // The number wins where the two meet; both stay within columns 0..W - 2.
        {8, "abcdefghijk", 7, "abcdef7"},
        {4, "", 12345, "345"},
        {2, "x", 1, "1"},
        {1, "x", 1, ""},
    };
    for (const Case& c : cases) {
        PageLayout layout({c.width * 10, 3000, 10, 50}, Options(0, 0, true, c.title));
        EXPECT_EQ(layout.Footer(c.page), c.expected) << c.width << " " << c.title;
    }
}

TEST(PageLayout, LongLineContinuesAfterTheLeftMarginOnEachRow) {
    Lines source({std::string(100, 'x')});
    Pages pages;
    ASSERT_TRUE(PageLayout(Metrics(80, 60), Options(2, 5, false)).Print(source, pages));
    ASSERT_EQ(pages.rows.size(), 2u);
    EXPECT_EQ(pages.rows[0].row, 2);
    EXPECT_EQ(pages.rows[0].text, std::string(5, ' ') + std::string(75, 'x'));
    EXPECT_EQ(pages.rows[1].row, 3);
    EXPECT_EQ(pages.rows[1].text, std::string(5, ' ') + std::string(25, 'x'));
    EXPECT_EQ(pages.begun, 1);
    EXPECT_EQ(pages.ended, 1);
}

TEST(PageLayout, PagesFillFromTopMarginAndCarryFooters) {
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    Lines source(lines);
    Pages pages;
    ASSERT_TRUE(PageLayout({800, 3000, 10, 50}, Options(2, 0, true, "a.txt")).Print(source, pages));
    // 56 text rows (2..57) on page 1, the other 4 on page 2, each page with its footer on 59.
    EXPECT_EQ(pages.begun, 2);
    EXPECT_EQ(pages.ended, 2);
    EXPECT_EQ(source.fetched_, 60);
    ASSERT_EQ(pages.rows.size(), 62u);
    EXPECT_EQ(pages.rows[0].row, 2);
    EXPECT_EQ(pages.rows[55].row, 57);
    EXPECT_EQ(pages.rows[55].text, "line 55");
    EXPECT_EQ(pages.rows[56].row, 59);
    EXPECT_EQ(pages.rows[56].text.size(), 79u);
    EXPECT_EQ(pages.rows[56].text.substr(37, 5), "a.txt");
    EXPECT_EQ(pages.rows[56].text.back(), '1');
    EXPECT_EQ(pages.rows[57].page, 2);
    EXPECT_EQ(pages.rows[57].row, 2);
    EXPECT_EQ(pages.rows[57].text, "line 56");
    EXPECT_EQ(pages.rows[61].row, 59);
    EXPECT_EQ(pages.rows[61].text.back(), '2');
}

TEST(PageLayout, WrappedLineCrossesThePageBreak) {
    // Three text rows per page (2..4); the second line needs four rows.
    Lines source({"first", std::string(40, 'y')});
    Pages pages;
    ASSERT_TRUE(PageLayout(Metrics(10, 6), Options(2, 0, false)).Print(source, pages));
    ASSERT_EQ(pages.rows.size(), 5u);
    EXPECT_EQ(pages.rows[2].page, 1);
    EXPECT_EQ(pages.rows[2].row, 4);
    EXPECT_EQ(pages.rows[3].page, 2);
    EXPECT_EQ(pages.rows[3].row, 2);
    EXPECT_EQ(pages.rows[4].text, std::string(10, 'y'));
    EXPECT_EQ(pages.begun, 2);
    EXPECT_EQ(pages.ended, 2);
}

TEST(PageLayout, TabsExpandFromTheStartOfEachSegmentNotTheMargin) {
    Lines source({"a\tb", "\t\tc"});
    Pages pages;
    PageOptions options = Options(0, 3, false);
    options.tabSize = 4;
    ASSERT_TRUE(PageLayout(Metrics(80, 60), options).Print(source, pages));
    ASSERT_EQ(pages.rows.size(), 2u);
    EXPECT_EQ(pages.rows[0].text, "   a   b");
    EXPECT_EQ(pages.rows[1].text, "           c");
}

TEST(PageLayout, EmptyDocumentPrintsOnePageWithOneEmptyRow) {
    for (std::vector<std::string> lines : {std::vector<std::string>{}, {""}}) {
        Lines source(lines);
        Pages pages;
        ASSERT_TRUE(PageLayout(Metrics(80, 60), Options(2, 4, true)).Print(source, pages));
        ASSERT_EQ(pages.rows.size(), 2u);
        EXPECT_EQ(pages.rows[0].text, "    ");
        EXPECT_EQ(pages.rows[1].row, 59);
        EXPECT_EQ(pages.rows[1].text, std::string(78, ' ') + "1");
        EXPECT_EQ(pages.begun, 1);
        EXPECT_EQ(pages.ended, 1);
    }
}

TEST(PageLayout, HostileMarginsStillMakeProgressAndEnd) {
    // A margin as wide as the page, and a top margin taller than it.
    Lines source({std::string(30, 'z'), "end"});
    Pages pages;
    ASSERT_TRUE(PageLayout(Metrics(5, 4), Options(1000, 1000, false)).Print(source, pages));
    // W = 5, left margin 4, one character per row; one row per page (full at row 3).
    ASSERT_EQ(pages.rows.size(), 33u);
    EXPECT_EQ(pages.rows[0].text, "    z");
    EXPECT_EQ(pages.rows[0].row, 2);
    EXPECT_EQ(pages.begun, 33);
    EXPECT_EQ(pages.ended, 33);
}

TEST(PageLayout, UnusablePageOrFailedPageStartEndsTheJob) {
    Lines source({"a", "b", "c", "d"});
    Pages none;
    EXPECT_FALSE(PageLayout({0, 0, 0, 0}, Options(2, 0, false)).Print(source, none));
    EXPECT_EQ(none.begun, 0);

    Pages failing;
    failing.failBeginAt = 1;
    EXPECT_FALSE(PageLayout(Metrics(10, 4), Options(0, 0, false)).Print(source, failing));
    EXPECT_EQ(failing.begun, 2);
    EXPECT_EQ(failing.ended, 1);
    EXPECT_EQ(failing.rows.size(), 3u);
}

TEST(PageLayout, TitleIsTheLastPathComponentCut) {
    EXPECT_EQ(PrintTitle("C:\\docs\\notes.txt"), "notes.txt");
    EXPECT_EQ(PrintTitle("C:notes.txt"), "notes.txt");
    EXPECT_EQ(PrintTitle("/tmp/a/b.c"), "b.c");
    EXPECT_EQ(PrintTitle(""), "");
    EXPECT_EQ(PrintTitle("dir\\"), "");
    EXPECT_EQ(PrintTitle("x\\" + std::string(50, 'n')), std::string(39, 'n'));
}

} // namespace
} // namespace kestrel
