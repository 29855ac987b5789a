#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "framework/logical_order.h"
#include "framework/strings.h"

// Within 2^32, the keys give the order of StrCmpLogicalW as Wine has it: each list below is shuffled and
// must come back sorted as StrCmpLogicalW sorts it (no two of its names compare equal there).
TEST(LogicalOrder, SortsAsStrCmpLogicalWDoes)
{
    const std::vector<std::vector<CString>> lists = {
        // Digit runs by value, leading zeros ignored, letter case ignored.
        {L"disc 2", L"Disc 10", L"disc 100b", L"Disc 0011", L"track", L"Track 1", L"track 9 live", L"TRACK 9x"},
        // A digit before any other character, a name before its longer forms.
        {L"a", L"a1", L"a12", L"a 1", L"a!", L"a_", L"a-b", L"ab", L"aB1", L"abc"},
        // Characters the platform compares one by one: accents, other scripts, a pair of surrogates.
        {L"\u00c4rger", L"arm", L"\u00df", L"b\u00e4r", L"bar", L"m\u03a9", L"\u65e5\u672c", L"\U0001F3B5 tune", L"zoo"},
        // Digits other than 0-9 are characters like any other for StrCmpLogicalW.
        {L"x1", L"x2", L"x\uff11", L"x\u00b2", L"x\u0663", L"xa"},
        // Long numbers within the range where StrCmpLogicalW compares them exactly.
        {L"n 99999", L"n 100000", L"n 2147483647", L"n 0x1", L"n01 2"},
    };
    for (const std::vector<CString>& expected : lists) {
        std::vector<CString> sorted = expected;
        std::sort(sorted.begin(), sorted.end(),
                  [](const CString& a, const CString& b) { return StrCmpLogicalW(a.c_str(), b.c_str()) < 0; });
        std::vector<CString> shuffled = sorted;
        std::reverse(shuffled.begin(), shuffled.end());
        std::rotate(shuffled.begin(), shuffled.begin() + 2, shuffled.end());
        std::vector<NameToSort> names;
        for (const CString& name : shuffled) names.push_back({name, name, false});
        std::vector<CString> result;
        for (const uint32_t i : LogicalOrder(names)) result.push_back(shuffled[i]);
        EXPECT_EQ(result, sorted) << expected.front();
    }
}

// Digit runs count by their value at any length, also where the platform's own comparison wraps at
// 2^32, and beside punctuation; a number comes before any other character.
TEST(LogicalOrder, DigitRunsByTheirValueAtAnyLengthAndBesidePunctuation)
{
    const std::vector<std::vector<CString>> lists = {
        {L"n 4294967295", L"n 4294967296", L"n 4294967297", L"n 10000000000", L"n 99999999999999999999",
         L"n 100000000000000000000"},
        {L"1.05", L"1.5", L"1.10"}, {L"v1.2.9", L"v1.2.10", L"v1.10.1"}, {L"(2) a", L"(10) a"},
        {L"a", L"a1", L"a10", L"a-1", L"a-2", L"a-10"}, {L"track_2", L"track_10"},
    };
    for (const std::vector<CString>& expected : lists) {
        std::vector<NameToSort> names;
        for (auto name = expected.rbegin(); name != expected.rend(); ++name) names.push_back({*name, *name, false});
        std::vector<CString> result;
        for (const uint32_t i : LogicalOrder(names)) result.emplace_back(names[i].name);
        EXPECT_EQ(result, expected) << expected.front();
    }
}

// Folders come first; names that compare equal keep one fixed order, decided by their names.
TEST(LogicalOrder, FoldersFirstAndEqualNamesInAFixedOrder)
{
    const std::vector<NameToSort> names = {
        {L"b", L"b.mp3", false}, {L"z", L"z", true}, {L"01", L"01.mp3", false},
        {L"1", L"1.mp3", false}, {L"a", L"a", true}, {L"b", L"b.lnk", false},
    };
    std::vector<CString> result;
    for (const uint32_t i : LogicalOrder(names)) result.emplace_back(names[i].name);
    const std::vector<CString> expected = {L"a", L"z", L"01.mp3", L"1.mp3", L"b.lnk", L"b.mp3"};
    EXPECT_EQ(result, expected);
}
