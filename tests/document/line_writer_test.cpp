// Tests for writing lines out: line ends, trailing blanks, buffering, failures and round trips.
#include "document/line_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "document/line_splitter.h"

namespace kestrel {
namespace {

class Lines : public LineTextSource, public LineSink {
public:
    Lines() = default;
    Lines(std::initializer_list<std::string> lines) : lines_(lines) {}

    std::int32_t LineCount() const override { return static_cast<std::int32_t>(lines_.size()); }
    std::string_view LineText(std::int32_t index) const override {
        return lines_[static_cast<std::size_t>(index)];
    }
    bool AddLine(const char* text, std::int32_t length) override {
        lines_.emplace_back(text, static_cast<std::size_t>(length));
        return true;
    }

private:
    std::vector<std::string> lines_;
};

// Keeps what it is given, remembers the size of every call, and can fail once `failAfter` bytes
// have been accepted, as a full disk does.
class MemorySink : public ByteSink {
public:
    bool Write(const char* data, std::size_t size) override {
        calls.push_back(size);
        if (bytes.size() + size > failAfter) {
            bytes.append(data, failAfter - bytes.size());
            return false;
        }
        bytes.append(data, size);
        return true;
    }

    std::string bytes;
    std::vector<std::size_t> calls;
    std::size_t failAfter = static_cast<std::size_t>(-1);
};

std::string Write(const Lines& lines, WriteOptions options) {
    MemorySink sink;
    EXPECT_TRUE(WriteLines(lines, 0, lines.LineCount() - 1, options, sink));
    return sink.bytes;
}

// ---- What is written ---------------------------------------------------------------------------

TEST(WriteLines, JoinsLinesWithLfInUnixMode) {
    EXPECT_EQ(Write({"a", "b", ""}, {false, true}), "a\nb\n");
}

TEST(WriteLines, JoinsLinesWithCrLfOtherwise) {
    EXPECT_EQ(Write({"a", "b", ""}, {false, false}), "a\r\nb\r\n");
}

TEST(WriteLines, WritesNothingForOneEmptyLine) {
    EXPECT_EQ(Write({""}, {}), "");
}

TEST(WriteLines, RemovesTrailingBlanksOnlyWhenAsked) {
    Lines lines{"a \t", " \t ", "\tb c  "};
    EXPECT_EQ(Write(lines, {true, true}), "a\n\n\tb c");
    EXPECT_EQ(Write(lines, {false, true}), "a \t\n \t \n\tb c  ");
}

TEST(WriteLines, WritesEveryStoredByteOfALineHoldingNul) {
    Lines lines{std::string("a\0b\0", 4), "c"};
    EXPECT_EQ(Write(lines, {true, true}), std::string("a\0b\0\nc", 6));
}

TEST(WriteLines, EndsEveryLineOfAPartThatStopsBeforeTheLastLine) {
    Lines lines{"a", "b", "c", "d"};
    MemorySink sink;
    EXPECT_TRUE(WriteLines(lines, 1, 2, {}, sink));
    EXPECT_EQ(sink.bytes, "b\r\nc\r\n");
}

TEST(WriteLines, ClipsARangeToTheDocument) {
    Lines lines{"a", "b"};
    MemorySink sink;
    EXPECT_TRUE(WriteLines(lines, -3, 40, {false, true}, sink));
    EXPECT_EQ(sink.bytes, "a\nb");
}

// ---- Buffering ----------------------------------------------------------------------------------

TEST(WriteLines, GathersShortLinesIntoBoundedWrites) {
    Lines lines;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        std::string text = "line " + std::to_string(i);
        lines.AddLine(text.data(), static_cast<std::int32_t>(text.size()));
        expected += text + (i < 19999 ? "\r\n" : "");
    }
    MemorySink sink;
    EXPECT_TRUE(WriteLines(lines, 0, lines.LineCount() - 1, {}, sink));
    EXPECT_EQ(sink.bytes, expected);
    EXPECT_LE(sink.calls.size(), expected.size() / kWriteBufferBytes + 2);
    EXPECT_LE(*std::max_element(sink.calls.begin(), sink.calls.end()), kWriteBufferBytes);
}

TEST(WriteLines, WritesALineLongerThanTheBufferInFull) {
    std::string huge(3 * kWriteBufferBytes + 5, 'h');
    huge[kWriteBufferBytes] = '\0';
    Lines lines{"before", huge, "after"};
    EXPECT_EQ(Write(lines, {false, true}), "before\n" + huge + "\nafter");
}

// ---- Failures -----------------------------------------------------------------------------------

class WriteFailure : public ::testing::TestWithParam<std::size_t> {};

TEST_P(WriteFailure, IsReportedWhereverItHappens) {
    Lines lines;
    for (int i = 0; i < 5000; ++i) {
        std::string text(i % 90, 'x');
        lines.AddLine(text.data(), static_cast<std::int32_t>(text.size()));
    }
    std::string huge(100000, 'y');
    lines.AddLine(huge.data(), static_cast<std::int32_t>(huge.size()));
    const std::size_t total = Write(lines, {}).size();
    MemorySink sink;
    sink.failAfter = std::min(GetParam(), total - 1);
    EXPECT_FALSE(WriteLines(lines, 0, lines.LineCount() - 1, {}, sink));
    EXPECT_LT(sink.bytes.size(), total);
}

// The last value stands for "one byte short of the end".
INSTANTIATE_TEST_SUITE_P(WriteLines, WriteFailure,
                         ::testing::Values(0, 1, kWriteBufferBytes - 1, kWriteBufferBytes,
                                           kWriteBufferBytes + 1, 200000,
                                           static_cast<std::size_t>(-1)));

// ---- Round trips --------------------------------------------------------------------------------

// A file of lines under the limit with one line-end style throughout is written back unchanged.
TEST(WriteLines, RoundTripsGeneratedFilesByteForByte) {
    std::mt19937 rng(20240611);
    const std::string alphabet = std::string("ab \t~\x7f\x80\xff", 8) + std::string(1, '\0');
    for (int file = 0; file < 300; ++file) {
        bool unix = rng() % 2 == 0;
        int lineCount = static_cast<int>(rng() % 40);
        std::string bytes;
        for (int line = 0; line <= lineCount; ++line) {
            // At most 31 characters of width at most 248 stay below the limit of 255.
            int length = static_cast<int>(rng() % 32);
            for (int i = 0; i < length; ++i) {
                bytes += alphabet[rng() % alphabet.size()];
            }
            if (line < lineCount) {
                bytes += unix ? "\n" : "\r\n";
            }
        }
        Lines lines;
        SplitResult split = SplitBuffer(bytes.data(), bytes.size(), 256, 8, lines);
        ASSERT_TRUE(split.complete);
        ASSERT_EQ(split.cutLines, 0);
        bool unixMode = DetectUnixMode(bytes.data(), bytes.size());
        ASSERT_EQ(Write(lines, {false, unixMode}), bytes) << "file " << file;
    }
}

} // namespace
} // namespace kestrel
