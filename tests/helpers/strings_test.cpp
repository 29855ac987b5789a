#include <gtest/gtest.h>

#include "helpers/paths.h"
#include "helpers/strings.h"

TEST(Strings, ListSearchesFoldAsciiOnlyAndLeaveTheListAlone)
{
    const std::vector<CString> list = {L"Song.MP3", L"Other.MP3"};
    EXPECT_FALSE(ContainsString({L"Song.mp3"}, L"song.mp3"));
    EXPECT_TRUE(ContainsString(list, L"Other.MP3"));
    EXPECT_TRUE(ContainsStringNoCase(list, L"song.mp3"));
    EXPECT_EQ(list[0], L"Song.MP3");
    EXPECT_FALSE(ContainsStringNoCase({L"\u00C4rger.mp3"}, L"\u00E4rger.mp3"));
    EXPECT_FALSE(ContainsStringNoCase({}, L""));
    const CString a = L"D:\\Music\\A.MP3", b = L"d:\\music\\a.mp3";
    EXPECT_TRUE(EqualsNoCase(a, b));
    EXPECT_EQ(a, L"D:\\Music\\A.MP3");
}

TEST(Strings, CountOccurrences)
{
    const struct { const wchar_t* text; const wchar_t* needle; int32_t count; } cases[] = {
        {L"aaaa", L"aa", 2}, {L"aaa", L"aa", 1}, {L"a - b - c", L" - ", 2}, {L"", L"a", 0}, {L"abc", L"x", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(CountOccurrences(c.text, c.needle), c.count) << c.text;
}

TEST(Strings, SplitKeepsTheRemainderRule)
{
    const struct {
        const wchar_t* text; const wchar_t* separator; bool trim;
        std::vector<CString> array; std::vector<CString> vector;
    } cases[] = {
        {L"a#", L"#", false, {L"a"}, {L"a"}},
        {L"a##", L"#", false, {L"a", L"#"}, {L"a", L"#"}},
        {L"a##b", L"#", false, {L"a", L"", L"b"}, {L"a", L"", L"b"}},
        {L"Selected Source Directory:##Find:", L"#", true,
         {L"Selected Source Directory:", L"", L"Find:"}, {L"Selected Source Directory:", L"", L"Find:"}},
        // Only the vector trims the pieces it cuts; both trim the remainder.
        {L" a # b ", L"#", true, {L" a ", L"b"}, {L"a", L"b"}},
        {L".jpg, ", L",", true, {L".jpg"}, {L".jpg"}},
        {L"a,,b", L",", true, {L"a", L"", L"b"}, {L"a", L"", L"b"}},
        {L"a, b,", L",", true, {L"a", L" b"}, {L"a", L"b"}},
        {L"", L",", true, {}, {}},
        {L" - ", L" - ", false, {L" - "}, {L" - "}},
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
}

TEST(Strings, SplitToArrayDropsPiecesBeyondItsCapacity)
{
    CString pieces[2];
    EXPECT_EQ(SplitToArray(pieces, 2, false, L"#", L"a#b#c#d"), 2);
    EXPECT_EQ(pieces[0], L"a");
    EXPECT_EQ(pieces[1], L"b");
}

TEST(Strings, Transformations)
{
    const struct { CString (*f)(std::wstring_view); const wchar_t* in; const wchar_t* out; } cases[] = {
        {CapitalizeWords, L"hello wORLD.MP3", L"Hello World.mp3"},
        {CapitalizeWords, L" two  blanks", L" Two  Blanks"},
        {CapitalizeWords, L"(live) mix", L"(live) Mix"},
        {CapitalizeWords, L"rock-n-roll.MP3", L"Rock-n-roll.mp3"},
        {CapitalizeWords, L"\u00E9t\u00C9 SONG", L"\u00E9t\u00C9 Song"},
        {RemoveBlanks, L"  My  Song .mp3 ", L"MySong.mp3"},
        {RemoveBlanks, L"a \tb", L"ab"},
        {RemoveBlanks, L"a\tb", L"a\tb"},
        {RemoveBlanks, L"", L""},
        {ToLowerAscii, L"\u00C4PFEL.MP3", L"\u00C4pfel.mp3"},
        {ToUpperAscii, L"my \u00E9.mp3", L"MY \u00E9.MP3"},
        {TrimWhiteSpace, L" \t\r\n a b \v\f", L"a b"},
        {TrimRightWhiteSpace, L" a \r", L" a"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.f(c.in), c.out) << c.in;
}

TEST(Strings, ReplaceInvalidFileNameChars)
{
    EXPECT_EQ(ReplaceInvalidFileNameChars(L"a/b: c?", L"$"), L"a$b$ c$");
    EXPECT_EQ(ReplaceInvalidFileNameChars(L"\\/:*?<>|\"", L"_"), L"________\"");
    // The replacement is not protected: a later character in it is replaced in its turn.
    EXPECT_EQ(ReplaceInvalidFileNameChars(L"a:b", L"<x"), L"a<xxb");
}

TEST(Strings, Numbers)
{
    const struct { int64_t value; int32_t width; const wchar_t* text; } cases[] = {
        {7, 2, L"07"}, {2024, 2, L"2024"}, {-5, 3, L"0-5"}, {-12, 0, L"-12"}, {0, 1, L"0"},
        {INT64_MIN, 0, L"-9223372036854775808"},
    };
    for (const auto& c : cases) EXPECT_EQ(PadNumber(c.value, c.width), c.text) << c.value;
}

TEST(Strings, OneCharacterTests)
{
    EXPECT_FALSE(EndsWithBackslash(L""));
    EXPECT_TRUE(EndsWithBackslash(L"C:\\"));
    EXPECT_FALSE(StartsWithAt(L""));
    EXPECT_TRUE(StartsWithAt(L"@a.mp3"));
}

TEST(Strings, AnsiConversion)
{
    EXPECT_EQ(ToAnsiString(L""), "");
    EXPECT_EQ(ToAnsiString(L"C:\\a.mp3"), "C:\\a.mp3");
}

TEST(Paths, PiecesOfAPath)
{
    const struct { const wchar_t* path; const wchar_t* ext; const wchar_t* stem; const wchar_t* name; const wchar_t* folder; } cases[] = {
        {L"song.MP3", L".MP3", L"song", L"", L""},
        {L"song", L"", L"", L"", L""},
        {L"D:\\My.Music\\song", L".Music\\song", L"D:\\My", L"song", L"D:\\My.Music\\"},
        {L"D:\\Music\\a.mp3", L".mp3", L"D:\\Music\\a", L"a.mp3", L"D:\\Music\\"},
        {L"", L"", L"", L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetExtension(c.path), c.ext) << c.path;
        EXPECT_EQ(StripExtension(c.path), c.stem) << c.path;
        EXPECT_EQ(GetFileNamePart(c.path), c.name) << c.path;
        EXPECT_EQ(GetFolderPart(c.path), c.folder) << c.path;
    }
}
