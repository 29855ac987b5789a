#include <gtest/gtest.h>

#include "helpers/timestamps.h"

TEST(Timestamps, SplitOffTimestamp)
{
    // A null rest: nothing found, the name comes back unchanged (not trimmed).
    const struct { const wchar_t* name; const wchar_t* stamp; const wchar_t* rest; } cases[] = {
        {L"Mix 2024 from 2024-05-01_10.00.00", L"2024-05-01_10.00.00", L"Mix 2024 from"},
        // The smaller year wins over the leftmost position.
        {L"a 2025-01-01_00.00.00 b 2024-01-01_00.00.00 c", L"2024-01-01_00.00.00", L"a 2025-01-01_00.00.00 b  c"},
        {L"2022-12-31_23.59.59", L"", nullptr},
        {L"2122-12-31_23.59.59", L"2122-12-31_23.59.59", L""},
        {L"2123-01-01_00.00.00", L"", nullptr},
        {L"x 2023-02-31_23.59.59", L"2023-02-31_23.59.59", L"x"},
        {L"2024-13-01_10.00.00", L"", nullptr},
        {L"2024-05-00_10.00.00", L"", nullptr},
        {L"2024-05-01_24.00.00", L"", nullptr},
        {L"  2024-05-01_10.00.0  ", L"", nullptr},
    };
    for (const auto& c : cases) {
        const TimestampSplit split = SplitOffTimestamp(c.name);
        EXPECT_EQ(split.stamp, c.stamp) << c.name;
        EXPECT_EQ(split.name, c.rest ? c.rest : c.name) << c.name;
    }
}
