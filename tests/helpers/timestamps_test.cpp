#include <gtest/gtest.h>

#include "helpers/timestamps.h"

TEST(Timestamps, MakeTimestampFormatsEveryModeFromTheFixedClock)
{
    SYSTEMTIME december{};
    december.wYear = 2026, december.wMonth = 12, december.wDay = 5;
    december.wHour = 10, december.wMinute = 15, december.wSecond = 7;
    SYSTEMTIME newYear{};
    newYear.wYear = 2027, newYear.wMonth = 1, newYear.wDay = 1;
    const struct { SYSTEMTIME clock; const wchar_t* mode; const wchar_t* stamp; } cases[] = {
        {december, L"date", L"2026-12-05"},
        {december, L"time", L"10.15.07"},
        {december, L"datetime", L"2026-12-05_10.15.07"},
        {december, L"timewc", L"10:15:07"},
        {newYear, L"datetime", L"2027-01-01_00.00.00"},
        {newYear, L"timewc", L"00:00:00"},
        {newYear, L"DateTime", L""},
        {newYear, L"", L""},
    };
    for (const auto& c : cases) {
        SetLocalClockForTests(&c.clock);
        EXPECT_EQ(MakeTimestamp(c.mode), c.stamp) << c.mode;
    }
    SetLocalClockForTests(nullptr);
    EXPECT_EQ(MakeTimestamp(L"datetime").size(), 19u);
}

TEST(Timestamps, SplitOffTimestamp)
{
    // A null rest: nothing found, the name comes back unchanged (not trimmed).
    const struct { const wchar_t* name; const wchar_t* stamp; const wchar_t* rest; } cases[] = {
        {L"Rock 2026-12-05_10.15.07", L"2026-12-05_10.15.07", L"Rock"},
        {L"2026-12-05_10.15.07 Rock", L"2026-12-05_10.15.07", L"Rock"},
        {L"Rock - 2026-12-05_10.15.07 - Pop", L"2026-12-05_10.15.07", L"Rock -  - Pop"},
        {L"2024 Summer Hits and More", L"", nullptr},
        {L"Mix 2024 from 2024-05-01_10.00.00", L"2024-05-01_10.00.00", L"Mix 2024 from"},
        {L"Best of the 2024 hit 2024-05-01_10.00.00", L"2024-05-01_10.00.00", L"Best of the 2024 hit"},
        // The smaller year wins over the leftmost position.
        {L"a 2025-01-01_00.00.00 b 2024-01-01_00.00.00 c", L"2024-01-01_00.00.00", L"a 2025-01-01_00.00.00 b  c"},
        {L"2024-01-02_00.00.00 2024-01-01_00.00.00", L"2024-01-02_00.00.00", L"2024-01-01_00.00.00"},
        {L"2022-05-01_10.00.00", L"", nullptr},
        {L"2123-05-01_10.00.00", L"", nullptr},
        {L"2122-12-31_23.59.59", L"2122-12-31_23.59.59", L""},
        {L"x 2023-02-31_23.59.59", L"2023-02-31_23.59.59", L"x"},
        {L"2024-13-01_10.00.00", L"", nullptr},
        {L"2024-00-01_10.00.00", L"", nullptr},
        {L"2024-05-00_10.00.00", L"", nullptr},
        {L"2024-05-32_10.00.00", L"", nullptr},
        {L"2024-05-01_24.00.00", L"", nullptr},
        {L"2024-05-01_10.60.00", L"", nullptr},
        {L"2024-05-01_10.00.60", L"", nullptr},
        {L"2024-05-01 10.00.00", L"", nullptr},
        {L"2024-05-01_10:00:00", L"", nullptr},
        {L"2024-05-01_1a.00.00", L"", nullptr},
        {L"2024-05-01_10.00.0", L"", nullptr},
        {L"", L"", nullptr},
        {L"  no stamp here  ", L"", nullptr},
    };
    for (const auto& c : cases) {
        const TimestampSplit split = SplitOffTimestamp(c.name);
        EXPECT_EQ(split.stamp, c.stamp) << c.name;
        EXPECT_EQ(split.name, c.rest ? c.rest : c.name) << c.name;
    }
}
