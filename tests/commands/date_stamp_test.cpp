// Stamps in both forms at fixed times, and the header scanner over a table of lines.
#include "commands/date_stamp.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(DateTimeStamp, WritesBothFormsOnTheirClocks) {
    struct Case {
        LocalTime time;
        const char* normal;
        const char* iso;
    };
    const Case cases[] = {
        {{2007, 3, 5, 21, 4, 9}, "03/05/07  09:04 PM", "2007/03/05  21:04:09"},
        {{2007, 3, 5, 0, 30, 0}, "03/05/07  12:30 AM", "2007/03/05  00:30:00"},
        {{2010, 12, 31, 12, 0, 5}, "12/31/10  12:00 PM", "2010/12/31  12:00:05"},
        {{2026, 1, 9, 23, 59, 59}, "01/09/26  11:59 PM", "2026/01/09  23:59:59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeStamp(c.time, false), c.normal);
        EXPECT_EQ(DateTimeStamp(c.time, true), c.iso);
    }
}

TEST(HeaderStamp, FindsTheFirstStampAndReplacesItWithWhatFollows) {
    const std::string kNew = "12/31/10  12:00 PM";
    struct Case {
        std::string line;
        std::int32_t limit;
        std::optional<std::string> refreshed;
    };
    const Case cases[] = {
        {"Last change 03/05/07  09:04 PM by X", 255, "Last change " + kNew},
        {"2007-03-05  21:04:09 rest", 255, kNew},
        {"Date: 07/03/05  21:04:09", 255, "Date: " + kNew}, // not a four-digit year: P - 2
        {"x 03/05/07 only a date", 255, std::nullopt},
        {"03/05-07  09:04", 255, std::nullopt},             // the separators differ
        {"\xb3\xb3/05/07  09:04 PM", 255, std::nullopt},     // high bytes are no digits
        {"Stamp 03/05/07  09:04", 20, std::nullopt},         // the new line would not fit
        {"Stamp 03/05/07  09:04", 24, "Stamp " + kNew},
        {"", 255, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RefreshHeaderStamp(c.line, kNew, c.limit), c.refreshed) << c.line;
    }
}

} // namespace
} // namespace kestrel
