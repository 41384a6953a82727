// The start-up marks: a fixed table filled in order and written once.
#include "platform/startup_clock.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

namespace kestrel {

namespace {

struct Mark {
    const char* phase;
    double ms;
};

enum class LogState { Unknown, Off, On, Written };

constexpr int kMaxMarks = 16;
Mark marks[kMaxMarks];
int markCount = 0;
LogState state = LogState::Unknown;
char logPath[MAX_PATH];

// Milliseconds since the process was created (file times count 100 ns).
double MillisecondsSinceCreation() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER from{}, to{};
    from.LowPart = created.dwLowDateTime;
    from.HighPart = created.dwHighDateTime;
    to.LowPart = now.dwLowDateTime;
    to.HighPart = now.dwHighDateTime;
    return static_cast<double>(to.QuadPart - from.QuadPart) / 10000.0;
}

bool Logging() {
    if (state == LogState::Unknown) {
        DWORD length = GetEnvironmentVariableA("KESTREL_STARTUP_LOG", logPath, MAX_PATH);
        state = length > 0 && length < MAX_PATH ? LogState::On : LogState::Off;
    }
    return state == LogState::On;
}

} // namespace

void StartupMark(const char* phase) {
    if (Logging() && markCount < kMaxMarks) {
        marks[markCount++] = {phase, MillisecondsSinceCreation()};
    }
}

void ResetStartupClockForTesting() {
    markCount = 0;
    state = LogState::Unknown;
}

void StartupFinished(const char* phase) {
    if (!Logging()) {
        return;
    }
    StartupMark(phase);
    state = LogState::Written;
    FILE* log = std::fopen(logPath, "w");
    if (log == nullptr) {
        return;
    }
    for (int i = 0; i < markCount; ++i) {
        std::fprintf(log, "%.1f %s\n", marks[i].ms, marks[i].phase);
    }
    std::fclose(log);
}

} // namespace kestrel
