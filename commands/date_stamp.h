// The date and time stamp in its two forms, and the refresh of a stamp in a header line at
// save. Window-free: the clock is passed in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// A local date and time as the clock gives it.
struct LocalTime {
    int year = 0;   // in full, e.g. 2007
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;
};

// "MM/DD/YY  hh:mm AM" on the 12-hour clock (hour 0 shows as 12), or with `iso`
// "YYYY/MM/DD  HH:MM:SS".
std::string DateTimeStamp(const LocalTime& time, bool iso);

// Where the first stamp in `line` starts: three two-digit groups joined by "/" or "-" (the
// same one twice), then after two more characters hh:mm; a stamp with seconds starts two
// characters earlier, at a four-digit year. Nullopt when the line holds none.
std::optional<std::int32_t> FindHeaderStamp(std::string_view line);

// `line` with its first stamp and everything after it replaced by `stamp`; nullopt when the
// line holds no stamp, or when the new line would be longer than `limit` characters.
std::optional<std::string> RefreshHeaderStamp(std::string_view line, std::string_view stamp,
                                              std::int32_t limit);

} // namespace kestrel
