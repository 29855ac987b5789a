#include <gtest/gtest.h>

#include "helpers/strings.h"

// Folding touches ASCII letters only; edge cases that would read outside an empty text.
TEST(Strings, SearchesFoldAsciiOnlyAndCountWithoutOverlap)
{
    EXPECT_TRUE(ContainsStringNoCase({L"Other.mp3", L"Song.MP3"}, L"song.mp3"));
    EXPECT_FALSE(ContainsStringNoCase({L"\u00C4rger.mp3"}, L"\u00E4rger.mp3") || EqualsNoCase(L"\u00C4", L"\u00E4"));
    EXPECT_FALSE(EqualsNoCase(L"a", L"a ") || ContainsStringNoCase({}, L""));
    EXPECT_FALSE(EndsWithBackslash(L"") || StartsWithAt(L""));
    EXPECT_EQ(CountOccurrences(L"aaaa", L"aa"), 2);
}

TEST(Strings, SplitKeepsTheRemainderRule)
{
    const struct {
        const wchar_t* text; const wchar_t* separator; bool trim;
        std::vector<CString> array; std::vector<CString> vector;
    } cases[] = {
        {L"a##", L"#", false, {L"a", L"#"}, {L"a", L"#"}},
        {L"a##b", L"#", false, {L"a", L"", L"b"}, {L"a", L"", L"b"}},
        // Only the vector trims the pieces it cuts; both trim the remainder.
        {L" a # b ", L"#", true, {L" a ", L"b"}, {L"a", L"b"}},
        {L"", L",", true, {}, {}},
    };
    for (const auto& c : cases) {
        CString pieces[8];
        const int32_t count = SplitToArray(pieces, 8, c.trim, c.separator, c.text);
        EXPECT_EQ(std::vector<CString>(pieces, pieces + count), c.array) << c.text;
        std::vector<CString> vector = {L"kept"};
        EXPECT_EQ(SplitToVector(vector, c.trim, c.separator, c.text), static_cast<int32_t>(c.vector.size()));
        vector.erase(vector.begin());
        EXPECT_EQ(vector, c.vector) << c.text;
    }
    CString two[2];
    EXPECT_EQ(SplitToArray(two, 2, false, L"#", L"a#b#c#d"), 2);
    EXPECT_EQ(two[1], L"b");
}
