// The start-up log the opening benchmark reads: one "milliseconds phase" line a mark, in order,
// written once, and nothing at all without the variable.
#include "platform/startup_clock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace kestrel {
namespace {

class StartupClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "kestrel_startup_clock_test.log";
        DeleteFileA(path_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("KESTREL_STARTUP_LOG", nullptr);
        ResetStartupClockForTesting();
        DeleteFileA(path_.c_str());
    }
    void StartLogging(const char* path) {
        SetEnvironmentVariableA("KESTREL_STARTUP_LOG", path);
        ResetStartupClockForTesting();
    }
    bool LogExists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // The log as (milliseconds, phase) pairs.
    std::vector<std::pair<double, std::string>> ReadLog() const {
        std::vector<std::pair<double, std::string>> lines;
        std::ifstream log(path_);
        double ms = 0;
        std::string phase;
        while (log >> ms && std::getline(log, phase)) {
            lines.emplace_back(ms, phase.substr(1));
        }
        return lines;
    }
    std::string path_;
};

TEST_F(StartupClockTest, MarksAreWrittenInOrderOnceWhenStartUpEnds) {
    StartLogging(path_.c_str());
    StartupMark("window creation");
    Sleep(20);
    StartupMark("frame shown");
    EXPECT_FALSE(LogExists()); // nothing is written while start-up runs
    StartupFinished("first page on screen");
    auto lines = ReadLog();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].second, "window creation");
    EXPECT_EQ(lines[1].second, "frame shown");
    EXPECT_EQ(lines[2].second, "first page on screen");
    EXPECT_GT(lines[0].first, 0.0);
    EXPECT_GE(lines[1].first - lines[0].first, 15.0);
    EXPECT_GE(lines[2].first, lines[1].first);

    // Loads after start-up mark their phases too; they must not write the log again.
    DeleteFileA(path_.c_str());
    StartupMark("read");
    StartupFinished("first page on screen");
    EXPECT_FALSE(LogExists());
}

TEST_F(StartupClockTest, MarksPastTheTableAreDroppedAndAnUnsetVariableWritesNothing) {
    StartLogging(path_.c_str());
    static const char* const kPhases[] = {"p0", "p1", "p2",  "p3",  "p4",  "p5",  "p6",  "p7",
                                          "p8", "p9", "p10", "p11", "p12", "p13", "p14", "p15",
                                          "p16", "p17"};
    for (const char* phase : kPhases) {
        StartupMark(phase);
    }
    StartupFinished("end");
    auto lines = ReadLog();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.front().second, "p0");
    EXPECT_EQ(lines.back().second, "p15");

    DeleteFileA(path_.c_str());
    StartLogging(nullptr);
    StartupMark("window creation");
    StartupFinished("first page on screen");
    EXPECT_FALSE(LogExists());
}

} // namespace
} // namespace kestrel
