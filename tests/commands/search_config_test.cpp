#include "commands/search_config.h"
#include "engine_test.h"

TEST_F(EngineTest, SearchConfigFollowsTheOptionsAndDescribesThemSafelyForFileNames)
{
    const struct { const wchar_t* text; bool matchCase, wholeWords; const wchar_t *searchText, *description; } cases[] = {
        {L"Live", false, true, L" live ", L"[ live  (Capital or Small Letters = no, Whole Words = yes)]"},
        {L"\u00C4Bc", false, false, L"\u00C4bc", L"[\u00C4bc (Capital or Small Letters = no, Whole Words = no)]"},
        {L"\\:*?<>|", true, false, L"\\:*?<>|", L"[$$$$$$$ (Capital or Small Letters = yes, Whole Words = no)]"},
        {L"\"x\"\t\x1f ", true, true, L" \"x\"\t\x1f  ",
         L"[ $x$$$   (Capital or Small Letters = yes, Whole Words = yes)]"},
    };
    for (const auto& c : cases) {
        host.caseChecked = c.matchCase;
        host.wholeWordChecked = c.wholeWords;
        const SearchConfig config = GetSearchConfig(host, c.text);
        EXPECT_EQ(config.searchText, c.searchText) << c.text;
        EXPECT_EQ(config.description, c.description) << c.text;
    }
}

// An empty search text stands before every character; none of the searches may count on that.
TEST(SearchConfig, AnEmptySearchTextFindsNothingAndEnds)
{
    for (const bool matchCase : {true, false}) {
        const SearchConfig empty{L"", L"", matchCase};
        EXPECT_EQ(empty.Count(L"song.mp3"), 0u) << matchCase;
        EXPECT_EQ(empty.Find(L"song"), std::wstring_view::npos) << matchCase;
        EXPECT_EQ(empty.FindInStem(L"song.mp3"), std::wstring_view::npos) << matchCase;
    }
}
