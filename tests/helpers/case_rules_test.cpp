#include <gtest/gtest.h>

#include "helpers/case_rules.h"

TEST(CaseRules, ApplyCaseRule)
{
    const struct { const wchar_t* name; const wchar_t* rule; const wchar_t* separator; const wchar_t* result; } cases[] = {
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
