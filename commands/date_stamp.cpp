// Date stamps and the header-stamp scanner.
#include "commands/date_stamp.h"

#include <cstdio>

namespace kestrel {

namespace {

// Only the bytes '0' to '9': a byte above 127 is never a digit, whatever the locale says.
bool IsDigitAt(std::string_view line, std::size_t position) {
    return position < line.size() && line[position] >= '0' && line[position] <= '9';
}

bool IsStampAt(std::string_view line, std::size_t p) {
    const char separator = line[p];
    if ((separator != '/' && separator != '-') || p < 2 || p + 12 >= line.size() ||
        line[p + 3] != separator) {
        return false;
    }
    for (std::size_t offset : {0, 1}) {
        if (!IsDigitAt(line, p - 2 + offset)) {
            return false;
        }
    }
    for (std::size_t offset : {1, 2, 4, 5, 8, 9, 11, 12}) {
        if (!IsDigitAt(line, p + offset)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string DateTimeStamp(const LocalTime& time, bool iso) {
    char text[64];
    if (iso) {
        std::snprintf(text, sizeof text, "%d/%02d/%02d  %02d:%02d:%02d", time.year, time.month,
                      time.day, time.hour, time.minute, time.second);
    } else {
        const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
        std::snprintf(text, sizeof text, "%02d/%02d/%02d  %02d:%02d %s", time.month, time.day,
                      ((time.year % 100) + 100) % 100, hour12, time.minute,
                      time.hour < 12 ? "AM" : "PM");
    }
    return text;
}

std::optional<std::int32_t> FindHeaderStamp(std::string_view line) {
    for (std::size_t p = 2; p + 12 < line.size(); ++p) {
        if (!IsStampAt(line, p)) {
            continue;
        }
        // With seconds the year has four digits: the stamp starts at them, when they are there.
        const bool seconds = p + 14 < line.size() && line[p + 13] == ':' && IsDigitAt(line, p + 14);
        if (seconds && p >= 4 && IsDigitAt(line, p - 4) && IsDigitAt(line, p - 3)) {
            return static_cast<std::int32_t>(p - 4);
        }
        return static_cast<std::int32_t>(p - 2);
    }
    return std::nullopt;
}

std::optional<std::string> RefreshHeaderStamp(std::string_view line, std::string_view stamp,
                                              std::int32_t limit) {
    const std::optional<std::int32_t> start = FindHeaderStamp(line);
    if (!start) {
        return std::nullopt;
    }
    std::string refreshed(line.substr(0, static_cast<std::size_t>(*start)));
    refreshed.append(stamp);
    if (static_cast<std::int64_t>(refreshed.size()) > limit) {
        return std::nullopt; // the line would no longer fit; it keeps its old stamp
    }
    return refreshed;
}

} // namespace kestrel
