#include <gtest/gtest.h>

#include "helpers/numbered_names.h"

TEST(NumberedNames, MarkerNumberAndOriginal)
{
    // A null original: CutNameKeepExtension is not asked.
    const struct { const wchar_t* name; int32_t marker; int64_t number; const wchar_t* original; } cases[] = {
        {L"Song#12.mp3", 4, 12, L"Song.mp3"},
        {L"Song#.mp3", 4, 0, L"Song.mp3"},
        {L"D:\\Music\\Title#2.mp3", 14, 2, L"D:\\Music\\Title.mp3"},
        {L"Song#4294967296.mp3", 4, 4294967296LL, L"Song.mp3"},
        {L"Song#99999999999999999999.mp3", 4, INT64_MAX, L"Song.mp3"},
        {L"A#1.B#2.mp3", 5, 2, L"A#1.B.mp3"},
        {L"Song.mp3", -1, 0, L""},
        {L"Song.mp3#2", -1, 0, nullptr},
        {L"Song#1a.mp3", 0, 0, nullptr},
        {L"D:\\My#Music\\Song.mp3", 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumberedName(c.name), c.marker) << c.name;
        EXPECT_EQ(GetNameNumber({c.name, c.marker}), c.number) << c.name;
        if (c.original) {
            EXPECT_EQ(CutNameKeepExtension({c.name, c.marker}), c.original) << c.name;
        }
    }
    EXPECT_EQ(GetNameNumber({L"Song#12.mp3", 40}), 0);
}

TEST(NumberedNames, NextNumberedName)
{
    const struct { const wchar_t* name; const wchar_t* next; } cases[] = {
        {L"song.mp3", L"song#1.mp3"}, {L"song#9.mp3", L"song#10.mp3"}, {L"song#007.mp3", L"song#8.mp3"},
        {L"song#a.mp3", L"song#a#1.mp3"}, {L"a#b#-7.mp3", L"a#b#1.mp3"}, {L"a.b.mp3", L"a.b#1.mp3"}, {L"song", L""},
        {L"song#2147483647.mp3", L"song#2147483648.mp3"},
        // Nothing follows the 64-bit limit: a new marker starts instead.
        {L"song#9223372036854775807.mp3", L"song#9223372036854775807#1.mp3"},
        {L"song#99999999999999999999.mp3", L"song#99999999999999999999#1.mp3"},
    };
    for (const auto& c : cases) EXPECT_EQ(NextNumberedName(c.name), c.next) << c.name;
}
