#include <gtest/gtest.h>

#include "helpers/paths.h"

// A plain name stays in its folder and is stored as written; anything else is refused before it is tried.
TEST(Paths, APlainNameIsOneNameStoredAsWritten)
{
    const struct { const wchar_t* name; bool plain; } cases[] = {
        {L"Song.mp3", true},  {L"@a b#1.mp3", true}, {L"CONCERT.mp3", true}, {L"COM0.mp3", true}, {L"LPT10", true},
        {L"", false},         {L".", false},         {L"..", false},         {L"dot.", false},     {L"blank ", false},
        {L"a\\b", false},     {L"../x.mp3", false},  {L"c:x", false},        {L"a?b", false},      {L"a\x1F", false},
        {L"con", false},      {L"Con.m3u", false},   {L"nul.tar.gz", false}, {L"COM1", false},     {L"lpt9.mp3", false},
        {L"AUX", false},      {L"prn.txt", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPlainName(c.name), c.plain) << c.name;
}

// Lines that name one file give one key, whatever their spelling.
TEST(Paths, SpellingsOfOneFileShareTheirKey)
{
    const CString key = SameFileKey(L"C:\\Music\\\u00C4rger.mp3");
    for (const wchar_t* path : {L"c:\\music\\\u00E4rger.MP3", L"C:\\Music\\.\\\u00C4rger.mp3", L"C:\\Music\\x\\..\\\u00C4rger.mp3"})
        EXPECT_EQ(SameFileKey(path), key) << path;
    EXPECT_NE(SameFileKey(L"C:\\Music\\Arger.mp3"), key);
}
