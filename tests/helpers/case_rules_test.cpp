#include <gtest/gtest.h>

#include <vector>

#include "framework/message_boxes.h"
#include "helpers/case_rules.h"

TEST(CaseRules, ApplyCaseRule)
{
    const struct { const wchar_t* name; const wchar_t* rule; const wchar_t* separator; const wchar_t* result; } cases[] = {
        {L"my song.mp3", L"upper", L"", L"MY SONG.MP3"},
        {L"\u00C4PFEL.MP3", L"lower", L"", L"\u00C4pfel.mp3"},
        {L"my SONG.MP3", L"firstcap", L"", L"My Song.mp3"},
        {L"1ST SONG.MP3", L"firstcap", L"", L"1st Song.mp3"},
        {L"artist name-title.MP3", L"firstcapleft", L"-", L"Artist Name-title.MP3"},
        {L"Artist - Title.mp3", L"allcapleft", L" - ", L"ARTIST - Title.mp3"},
        {L"ARTIST - TITLE.MP3", L"allsmallleft", L" - ", L"artist - TITLE.MP3"},
        {L"Artist - TITLE.MP3", L"allsmallright", L" - ", L"Artist - title.mp3"},
        {L"Artist - Title.mp3", L"firstcapleft", L" - ", L"Artist - Title.mp3"},
        {L"abc_the end.mp3", L"firstcapright", L"_", L"abc_The End.mp3"},
        {L"a-b-c.mp3", L"allcapright", L"-", L"a-B-C.MP3"},
        {L"No Separator.mp3", L"allcapright", L" - ", L"No Separator.mp3"},
        {L"  my   song .mp3", L"delsuppws", L"", L"my song .mp3"},
        {L"\tmy \t song\t", L"delsuppws", L"", L"my song"},
        {L"my\tsong.mp3", L"delsuppws", L"", L"my\tsong.mp3"},
        {L"   ", L"delsuppws", L"", L""},
        {L"my song.mp3", L"Upper", L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplyCaseRule(c.name, c.rule, c.separator), c.result) << c.rule << L" " << c.name;
}

TEST(CaseRules, CheckSeparatorOnceCountsAndShowsOnlyFiveBoxes)
{
    std::vector<CString> shown;
    SetMessageBoxAnswerer([&](const CString& text, const CString&, UINT type) {
        EXPECT_EQ(type, static_cast<UINT>(MB_OK));
        shown.push_back(text);
        return IDOK;
    });
    g_MessageBoxCount = 0;
    const CString fault = L"Separators: ";

    EXPECT_EQ(CheckSeparatorOnce(L"Artist - Title.mp3", L" - ", fault), 1);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(CheckSeparatorOnce(L"Live - Part 1 - Intro.mp3", L" - ", fault), 2);
    EXPECT_EQ(CheckSeparatorOnce(L"Title.mp3", L" - ", fault), 0);
    EXPECT_EQ(CheckSeparatorOnce(L"Jay-Z - Song.mp3", L"-", fault), 2);
    EXPECT_EQ(shown, (std::vector<CString>{L"Separators: 2", L"Separators: 0", L"Separators: 2"}));

    EXPECT_EQ(CheckSeparatorOnce(L"a.mp3", L"-", fault), 0);
    EXPECT_EQ(CheckSeparatorOnce(L"a-b-c-d.mp3", L"-", fault), 3);
    EXPECT_EQ(shown.size(), 5u);
    // From the sixth counted box on nothing is shown, but the count still comes back.
    EXPECT_EQ(CheckSeparatorOnce(L"a-b-c-d-e.mp3", L"-", fault), 4);
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(g_MessageBoxCount, 6);

    SetMessageBoxAnswerer({});
    g_MessageBoxCount = 0;
}
