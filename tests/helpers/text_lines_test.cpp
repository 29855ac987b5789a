#include <gtest/gtest.h>

#include <string>

#include "helpers/strings.h"
#include "helpers/text_lines.h"

// Many lines make the index grow and a truncation rebuild it: every kept line stays found under any
// ASCII case, and a line taken back is gone and can come again.
TEST(UniqueLines, GrowsAndTruncatesWithoutLosingALine)
{
    UniqueLines lines;
    const auto line = [](int n) { return L"C:\\Music\\Song " + std::to_wstring(n) + L".mp3"; };
    for (int n = 0; n < 3000; ++n) ASSERT_TRUE(lines.Add(line(n)) && !lines.Add(ToUpperAscii(line(n)))) << n;
    lines.Truncate(1000);
    for (int n = 0; n < 3000; ++n) ASSERT_EQ(lines.Contains(ToLowerAscii(line(n))), n < 1000) << n;
    EXPECT_TRUE(lines.Add(line(2000)));
    EXPECT_EQ(lines.Lines()[1000], line(2000));
}
