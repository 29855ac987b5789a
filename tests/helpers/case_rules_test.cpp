#include <gtest/gtest.h>

#include <vector>

#include "framework/message_boxes.h"
#include "helpers/case_rules.h"

TEST(CaseRules, ApplyCaseRule)
{
    const struct { const wchar_t* name; const wchar_t* rule; const wchar_t* separator; const wchar_t* result; } cases[] = {
        {L"my song.mp3", L"upper", L"", L"MY SONG.MP3"},
        {L"\u00C4PFEL.MP3", L"lower", L"", L"\u00C4pfel.mp3"},
        {L"1ST SONG.MP3", L"firstcap", L"", L"1st Song.mp3"},
        {L"artist name-title.MP3", L"firstcapleft", L"-", L"Artist Name-title.MP3"},
        {L"Artist - Title.mp3", L"allcapleft", L" - ", L"ARTIST - Title.mp3"},
        {L"ARTIST - TITLE.MP3", L"allsmallleft", L" - ", L"artist - TITLE.MP3"},
        {L"abc_the end.mp3", L"firstcapright", L"_", L"abc_The End.mp3"},
        {L"a-b-c.mp3", L"allcapright", L"-", L"a-B-C.MP3"},
        {L"No Separator.mp3", L"allcapright", L" - ", L"No Separator.mp3"},
        {L"\tmy \t song\t", L"delsuppws", L"", L"my song"},
        {L"   ", L"delsuppws", L"", L""},
        {L"my song.mp3", L"Upper", L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplyCaseRule(c.name, c.rule, c.separator), c.result) << c.rule << L" " << c.name;
}

TEST(CaseRules, CheckSeparatorOnceCountsAndTellsOnlyOtherCounts)
{
    std::vector<CString> shown;
    SetMessageBoxAnswerer([&](const CString& text, const CString&, UINT) {
        shown.push_back(text);
        return IDOK;
    });
    const struct { const wchar_t* name; const wchar_t* separator; int32_t count; } cases[] = {
        {L"Artist - Title.mp3", L" - ", 1}, {L"Live - Part 1 - Intro.mp3", L" - ", 2},
        {L"Title.mp3", L" - ", 0}, {L"Jay-Z - Song.mp3", L"-", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSeparatorOnce(c.name, c.separator, L"Separators: "), c.count) << c.name;
    EXPECT_EQ(shown, (std::vector<CString>{L"Separators: 2", L"Separators: 0", L"Separators: 2"}));
    SetMessageBoxAnswerer({});
    g_MessageBoxCount = 0;
}
