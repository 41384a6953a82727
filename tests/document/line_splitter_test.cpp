// Tests for splitting file bytes into lines, line-end style detection and the load helpers.
#include "document/line_splitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kestrel {
namespace {

class RecordingSink : public LineSink {
public:
    bool AddLine(const char* text, std::int32_t length) override {
        if (refuseAt_ >= 0 && static_cast<int>(lines.size()) == refuseAt_) {
            return false;
        }
        lines.emplace_back(text, static_cast<std::size_t>(length));
        starts.push_back(text);
        return true;
    }
    void RefuseLine(int index) { refuseAt_ = index; }

    std::vector<std::string> lines;
    std::vector<const char*> starts;

private:
    int refuseAt_ = -1;
};

class SplitBufferTest : public ::testing::Test {
protected:
    SplitResult Split(const std::string& bytes, std::int32_t lineLength = 256,
                      std::int32_t tabSize = 8) {
        data_ = bytes;
        return SplitBuffer(data_.data(), data_.size(), lineLength, tabSize, sink_);
    }
    std::vector<std::string>& Lines() { return sink_.lines; }

    std::string data_;
    RecordingSink sink_;
};

// ---- Line ends ---------------------------------------------------------------------------------

struct LineEndCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    bool unixMode;
};

class SplitLineEnds : public SplitBufferTest, public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(SplitLineEnds, GivesTheExpectedLinesAndStyle) {
    const LineEndCase& c = GetParam();
    SplitResult result = Split(c.bytes);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.cutLines, 0);
    EXPECT_EQ(result.lineCount, static_cast<std::int32_t>(c.lines.size()));
    EXPECT_EQ(Lines(), c.lines);
    EXPECT_EQ(DetectUnixMode(c.bytes.data(), c.bytes.size()), c.unixMode);
}

void PrintTo(const LineEndCase& c, std::ostream* os) {
    *os << c.name;
}

const LineEndCase kLineEndCases[] = {
    {"EmptyFile", "", {""}, false},
    {"NoLineEnd", "abc", {"abc"}, false},
    {"Lf", "a\nb", {"a", "b"}, true},
    {"CrLfWithFinalLineEnd", "a\r\nb\r\n", {"a", "b", ""}, false},
    {"FinalLfGivesEmptyLine", "a\n", {"a", ""}, true},
    {"LoneLf", "\n", {"", ""}, true},
    {"LoneCrBetweenLines", "a\rb", {"a", "b"}, false},
    {"CrCrIsOneLineEnd", "x\r\ry", {"x", "y"}, false},
    {"LfCrIsOneLineEnd", "x\n\ry", {"x", "y"}, false},
    {"ThreeCrsGiveAnEmptyLine", "x\r\r\r\ny", {"x", "", "y"}, false},
    {"LeadingCrIsSkipped", "\rab", {"ab"}, false},
    {"LoneCrOnly", "\r", {""}, false},
    // The CR is consumed as the line's end and nothing follows it, so no empty line is added.
    {"FinalLoneCr", "a\r", {"a"}, false},
    {"MixedInFirstFiveLines", "a\r\nb\nc\nd\ne\n", {"a", "b", "c", "d", "e", ""}, false},
    {"CrAfterFifthLf", "a\nb\nc\nd\ne\nf\r\ng", {"a", "b", "c", "d", "e", "f", "g"}, true},
    {"CrBeforeFifthLf", "a\nb\nc\nd\re\nf", {"a", "b", "c", "d", "e", "f"}, false},
    {"NulAndHighBytesAreText",
     std::string("a\0\xff\n\x80", 5),
     {std::string("a\0\xff", 3), "\x80"},
     true},
};

INSTANTIATE_TEST_SUITE_P(SplitBuffer, SplitLineEnds, ::testing::ValuesIn(kLineEndCases),
                         [](const ::testing::TestParamInfo<LineEndCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SplitBufferTest, RecordsPointIntoTheDataWithoutCopying) {
    Split("ab\r\ncd\nef");
    ASSERT_EQ(sink_.starts.size(), 3u);
    EXPECT_EQ(sink_.starts[0], data_.data());
    EXPECT_EQ(sink_.starts[1], data_.data() + 4);
    EXPECT_EQ(sink_.starts[2], data_.data() + 7);
}

TEST_F(SplitBufferTest, NeverReadsBeyondTheDataLength) {
    // The bytes behind the length are stale buffer contents: they must not become text.
    std::string bytes = "one\ntwoSTALE\nMORE";
    SplitResult result = SplitBuffer(bytes.data(), 7, 256, 8, sink_);
    EXPECT_EQ(result.lineCount, 2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one", "two"}));
}

TEST_F(SplitBufferTest, NoDataAtAllGivesOneEmptyLine) {
    SplitResult result = SplitBuffer(nullptr, 0, 256, 8, sink_);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(Lines(), std::vector<std::string>{""});
}

// ---- The line-length limit ----------------------------------------------------------------------

struct LimitCase {
    const char* name;
    std::string bytes;
    std::int32_t lineLength;
    std::int32_t tabSize;
    std::vector<std::size_t> lengths;
    std::int32_t cutLines;
};

class SplitLimits : public SplitBufferTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(SplitLimits, CutsLinesAtTheLimit) {
    const LimitCase& c = GetParam();
    SplitResult result = Split(c.bytes, c.lineLength, c.tabSize);
    std::vector<std::size_t> lengths;
    std::string joined;
    for (const std::string& line : Lines()) {
        lengths.push_back(line.size());
        joined += line;
    }
    EXPECT_EQ(lengths, c.lengths);
    EXPECT_EQ(result.cutLines, c.cutLines);
    // Cutting loses no characters.
    std::string content = c.bytes;
    content.erase(std::remove(content.begin(), content.end(), '\n'), content.end());
    EXPECT_EQ(joined, content);
}

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

const LimitCase kLimitCases[] = {
    {"ThreeHundredLetters", std::string(300, 'q'), 256, 8, {255, 45}, 1},
    {"FortyTabs", std::string(40, '\t'), 256, 8, {32, 8}, 1},
    {"ExactlyAtLimitAtEnd", std::string(255, 'q'), 256, 8, {255}, 0},
    {"ExactlyAtLimitBeforeLf", std::string(255, 'q') + "\nz", 256, 8, {255, 1}, 0},
    {"OneOverLimit", std::string(256, 'q'), 256, 8, {255, 1}, 1},
    {"CutTwice", std::string(600, 'q'), 256, 8, {255, 255, 90}, 2},
    {"TabsThenLettersReachWidth",
     std::string(31, '\t') + std::string(20, 'q'),
     256,
     8,
     {38, 13},
     1},
    {"LettersThenTabPassesWidth", std::string(250, 'q') + "\tz", 256, 8, {251, 1}, 1},
    {"WideTabSize", std::string(20, '\t'), 256, 16, {16, 4}, 1},
    {"LargestLineLength", std::string(9000, 'q'), 8192, 8, {8191, 809}, 1},
    {"SmallestLimit", "abc\nd", 2, 8, {1, 1, 1, 1}, 2},
};

INSTANTIATE_TEST_SUITE_P(SplitBuffer, SplitLimits, ::testing::ValuesIn(kLimitCases),
                         [](const ::testing::TestParamInfo<LimitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SplitBufferTest, AFileOfManyLongLinesCountsEveryCut) {
    std::string bytes;
    for (int i = 0; i < 10; ++i) {
        bytes += std::string(300, 'a' + i) + "\r\n";
    }
    SplitResult result = Split(bytes);
    EXPECT_EQ(result.cutLines, 10);
    EXPECT_EQ(result.lineCount, 21);
    EXPECT_EQ(Lines()[2], std::string(255, 'b'));
}

// ---- Running out of memory ----------------------------------------------------------------------

TEST_F(SplitBufferTest, ARefusedLineStopsTheSplit) {
    sink_.RefuseLine(2);
    SplitResult result = Split("a\nb\nc\nd\ne");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.lineCount, 2);
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(SplitBufferTest, ARefusedFirstLineOfAnEmptyFileFails) {
    sink_.RefuseLine(0);
    EXPECT_FALSE(Split("").complete);
}

// ---- Counting line feeds ---------------------------------------------------------------------

// The count sizes the line table before the split, so it must be exact wherever the line feeds
// fall: in the 16-byte steps, in the tail behind them, and past 255 steps, where the per-lane
// counters are summed and restarted.
TEST(CountLineFeeds, CountsEveryLineFeedAndNothingElse) {
    EXPECT_EQ(CountLineFeeds("", 0), 0u);
    EXPECT_EQ(CountLineFeeds("\r\n\r\n\n\r", 6), 3u);
    EXPECT_EQ(CountLineFeeds("\r\r\t\x0b\x0c a", 7), 0u);
    for (std::size_t size : {15u, 16u, 17u, 255u * 16u, 255u * 16u + 1u, 10000u}) {
        std::string allFeeds(size, '\n');
        EXPECT_EQ(CountLineFeeds(allFeeds.data(), allFeeds.size()), size) << size;
        std::string sparse(size, 'x');
        std::size_t expected = 0;
        for (std::size_t i = 0; i < size; i += 7) {
            sparse[i] = '\n';
            ++expected;
        }
        sparse.back() = '\n';
        expected += (size - 1) % 7 != 0;
        EXPECT_EQ(CountLineFeeds(sparse.data(), sparse.size()), expected) << size;
    }
    // Only the given bytes count: a line feed just behind them is not read.
    const char bytes[] = "ab\ncd\n";
    EXPECT_EQ(CountLineFeeds(bytes, 5), 1u);
    EXPECT_EQ(CountLineFeeds(bytes + 3, 2), 0u);
}

// ---- Load helpers -------------------------------------------------------------------------------

TEST(LinesCutWarning, NamesTheLongestLineKept) {
    EXPECT_EQ(LinesCutWarning(256),
              "One or more lines is longer than 255 characters.\nIt will be wrapped to the next "
              "line.");
    EXPECT_EQ(LinesCutWarning(8192).substr(0, 38), "One or more lines is longer than 8191 ");
}

} // namespace
} // namespace kestrel
