#include <gtest/gtest.h>

#include "helpers/case_rules.h"

TEST(CaseRules, ApplyCaseRule)
{
    const struct { const wchar_t* name; CaseRule rule; const wchar_t* separator; const wchar_t* result; } cases[] = {
        {L"1ST SONG.MP3", CaseRule::FirstCap, L"", L"1st Song.mp3"},
        {L"artist name-title.MP3", CaseRule::FirstCapLeft, L"-", L"Artist Name-title.MP3"},
        {L"Artist - Title.mp3", CaseRule::AllCapLeft, L" - ", L"ARTIST - Title.mp3"},
        {L"ARTIST - TITLE.MP3", CaseRule::AllSmallLeft, L" - ", L"artist - TITLE.MP3"},
        {L"abc_the end.mp3", CaseRule::FirstCapRight, L"_", L"abc_The End.mp3"},
        {L"a-b-c.mp3", CaseRule::AllCapRight, L"-", L"a-B-C.MP3"},
        {L"No Separator.mp3", CaseRule::AllCapRight, L" - ", L"No Separator.mp3"},
        {L"\tmy \t song\t", CaseRule::DeleteSuperfluousWhiteSpace, L"", L"my song"},
        {L"   ", CaseRule::DeleteSuperfluousWhiteSpace, L"", L""},
        {L"my song.mp3", CaseRule::Upper, L"", L"MY SONG.MP3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyCaseRule(c.name, c.rule, c.separator), c.result) << static_cast<int>(c.rule) << L" " << c.name;
}
