#include <gtest/gtest.h>

#include <windows.h>

#include <cerrno>
#include <set>
#include <string>

#include "framework/handles.h"
#include "helpers/text_encoding.h"
#include "helpers/text_files.h"
#include "support/temp_folder.h"

using namespace std::string_literals;

namespace {

using Lines = std::vector<CString>;

Lines Collected(const TextLines& lines)
{
    return Lines(lines.begin(), lines.end());
}

}  // namespace

TEST(TextFiles, WritesTheFixedFormAndReadsItBackUnchanged)
{
    const struct { const wchar_t* text; std::string bytes; Lines lines; } cases[] = {
        {L"C:\\M\\a.mp3\nC:\\M\\b.mp3\n", "C:\\M\\a.mp3\r\nC:\\M\\b.mp3\r\n", {L"C:\\M\\a.mp3", L"C:\\M\\b.mp3"}},
        {L"caf\u00E9\n", "caf\xE9\r\n", {L"caf\u00E9"}},
        {L"a\rb\n", "a\rb\r\n", {L"a\rb"}},
        {L"C:\\\u0161.mp3\n\u4E2D", "\xEF\xBB\xBF" "C:\\\xC5\xA1.mp3\r\n\xE4\xB8\xAD", {L"C:\\\u0161.mp3", L"\u4E2D"}},
        {L"\U0001F3B5 \u00E9\n", "\xEF\xBB\xBF\xF0\x9F\x8E\xB5 \xC3\xA9\r\n", {L"\U0001F3B5 \u00E9"}},
        // Text that begins like a mark is written with one, so that it reads back as it was.
        {L"\u00EF\u00BB\u00BFa\n", "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF" "a\r\n", {L"\u00EF\u00BB\u00BFa"}},
        {L"\u00FF\u00FEa\n", "\xEF\xBB\xBF\xC3\xBF\xC3\xBE" "a\r\n", {L"\u00FF\u00FEa"}},
        {L"", "", {}},
    };
    TempFolder folder{L"textfiles"};
    const CString path = folder.Write(L"list.m3u", "an older and longer playlist\r\n");
    for (const auto& c : cases) {
        EXPECT_EQ(WriteTextFile(path, c.text), 0) << c.text;
        EXPECT_EQ(folder.ReadBytes(path), c.bytes) << c.text;
        TextLines nonEmpty;
        UniqueLines unique;
        Lines unicode;
        const auto count = static_cast<int32_t>(c.lines.size());
        EXPECT_EQ(ReadNonEmptyLines(nonEmpty, path), count);
        EXPECT_EQ(ReadUniqueLines(unique, path), count);
        EXPECT_EQ(ReadLinesUnicode(unicode, path), count);
        EXPECT_TRUE(Collected(nonEmpty) == c.lines && Collected(unique.Lines()) == c.lines && unicode == c.lines) << c.text;
    }
    EXPECT_EQ(folder.List(), std::set<CString>{L"list.m3u"});
}

// A playlist is encoded entry by entry: a character above U+00FF midway re-encodes what came before,
// and a surrogate pair may be cut between two pieces.
TEST(TextFiles, TheEncoderSwitchesToUtf8MidwayAndJoinsPairsAcrossPieces)
{
    const struct { std::vector<const wchar_t*> pieces; std::string bytes; } cases[] = {
        {{L"caf\u00E9\n", L"\u4E2D\n"}, "\xEF\xBB\xBF" "caf\xC3\xA9\r\n\xE4\xB8\xAD\r\n"},
        {{L"\u00E9\xD83C", L"\xDFB5\n"}, "\xEF\xBB\xBF\xC3\xA9\xF0\x9F\x8E\xB5\r\n"},
    };
    for (const auto& c : cases) {
        TextEncoder encoder;
        for (const wchar_t* piece : c.pieces) encoder.Append(piece);
        EXPECT_EQ(encoder.Finish().value_or("(failed)"), c.bytes) << c.pieces[0];
    }
}

TEST(TextFiles, ReadersDecodeMarksLineEndsAndEndOfText)
{
    const int32_t bad = -static_cast<int32_t>(ERROR_NO_UNICODE_TRANSLATION);
    const struct { std::string bytes; int32_t playlistResult; Lines playlist; int32_t unicodeResult; Lines unicode; } cases[] = {
        {"  C:\\a.mp3  \r\n\r\n#EXTM3U\r\nC:\\b.mp3\r\n",
         3, {L"C:\\a.mp3", L"#EXTM3U", L"C:\\b.mp3"}, 4, {L"  C:\\a.mp3  ", L"", L"#EXTM3U", L"C:\\b.mp3"}},
        {"a\rb\r\nc\r", 2, {L"a\rb", L"c"}, 2, {L"a\rb", L"c\r"}},
        {"a\r\r\nb\n", 2, {L"a", L"b"}, 2, {L"a\r", L"b"}},
        {"a\r\nb\x1A\r\nc\r\n", 2, {L"a", L"b"}, 2, {L"a", L"b"}},
        {"\xFF\xFE" "a\0\r\0\n\0a\x01"s, 2, {L"a", L"\u0161"}, 2, {L"a", L"\u0161"}},
        {"\xFE\xFF" "a", 1, {L"\u00FE\u00FFa"}, -static_cast<int32_t>(ERROR_INVALID_DATA), {}},
        {"\xEF\xBB\xBF" "a\x1A\xFF", 1, {L"a"}, 1, {L"a"}},
        {"\xEF\xBB\xBF" "a\r\nb\r\n\xC3", bad, {}, bad, {}},
        {"\xEF\xBB\xBF\xC0\x80", bad, {}, bad, {}},
        {"\xEF\xBB\xBF\xED\xA0\x80", bad, {}, bad, {}},
        {"\xFF\xFE" "a", bad, {}, bad, {}},
        // An unpaired surrogate could not be written again (the settings file would freeze).
        {"\xFF\xFE" "a\0\0\xD8" "b\0"s, bad, {}, bad, {}},
        {"\xFF\xFE" "\0\xDC"s, bad, {}, bad, {}},
        {"", 0, {}, 0, {}},
    };
    TempFolder folder{L"textfiles"};
    for (const auto& c : cases) {
        // Lines handed over before a fault are taken back.
        const CString path = folder.Write(L"list.m3u", c.bytes);
        TextLines playlist;
        Lines unicode;
        EXPECT_EQ(ReadNonEmptyLines(playlist, path), c.playlistResult) << c.bytes;
        EXPECT_EQ(ReadLinesUnicode(unicode, path), c.unicodeResult) << c.bytes;
        EXPECT_EQ(Collected(playlist), c.playlist) << c.bytes;
        EXPECT_EQ(unicode, c.unicode) << c.bytes;
    }
}

TEST(TextFiles, ReadUniqueLinesKeepsTheFirstSpellingAcrossFilesAndForgetsAFailedRead)
{
    TempFolder folder{L"textfiles"};
    const CString first = folder.Write(L"1.m3u", "C:\\M\\Song.mp3\r\nc:\\m\\SONG.mp3\r\n\r\n  \r\n\xC4.mp3\r\n\xE4.mp3\r\n");
    const CString second = folder.Write(L"2.m3u", "c:\\m\\song.MP3\r\nnew\r\n");
    // Lines handed over before the fault are taken back, from the index as well.
    const CString broken = folder.Write(L"3.m3u", "\xEF\xBB\xBFnew\r\nother\r\n\xC3");

    UniqueLines lines;
    EXPECT_EQ(ReadUniqueLines(lines, first), 4);
    EXPECT_EQ(ReadUniqueLines(lines, broken), -static_cast<int32_t>(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_FALSE(lines.Contains(L"NEW"));
    EXPECT_EQ(ReadUniqueLines(lines, second), 1);
    EXPECT_EQ(Collected(lines.Lines()), (Lines{L"C:\\M\\Song.mp3", L"", L"\u00C4.mp3", L"\u00E4.mp3", L"new"}));
    EXPECT_TRUE(lines.Contains(L"C:\\M\\SONG.MP3"));
    EXPECT_FALSE(lines.Contains(L"\u00C4.MP3x"));
}

// A file that cannot be read leaves the lists unchanged; one that a player holds open for writing is read.
TEST(TextFiles, ReadersGiveTheWindowsCodeOfAnUnreadableFileAndReadAFileHeldOpen)
{
    TempFolder folder{L"textfiles"};
    const CString large = folder.Path() + L"large.m3u", held = folder.Write(L"held.m3u", "C:\\a.mp3\r\n");
    {
        const unique_handle file = OwnHandle(CreateFileW(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        LARGE_INTEGER size{};
        size.QuadPart = 64LL * 1024 * 1024 + 1;
        ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()));
    }
    const unique_handle player = OwnHandle(CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                                       nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(player);
    const struct { CString path; int32_t result; } cases[] = {
        {folder.Path() + L"missing.m3u", -2},
        {folder.Path() + L"missing\\a.m3u", -3},
        {large, -static_cast<int32_t>(ERROR_FILE_TOO_LARGE)},
        {held, 1},
    };
    for (const auto& c : cases) {
        TextLines lines;
        UniqueLines unique;
        Lines unicode;
        EXPECT_EQ(ReadNonEmptyLines(lines, c.path), c.result) << c.path;
        EXPECT_EQ(ReadUniqueLines(unique, c.path), c.result) << c.path;
        EXPECT_EQ(ReadLinesUnicode(unicode, c.path), c.result) << c.path;
        const size_t added = c.result > 0 ? 1 : 0;
        EXPECT_TRUE(lines.size() == added && unique.Lines().size() == added && unicode.size() == added) << c.path;
    }
}

TEST(TextFiles, AFailedWriteLeavesTheExistingFileAsItWas)
{
    TempFolder folder{L"textfiles"};
    const std::string before = "C:\\old.mp3\r\n";
    const CString path = folder.Write(L"list.m3u", before);

    // Windows codes, as the reports show them.
    EXPECT_EQ(WriteTextFile(path, L"a\xD800" L"b\n"), ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(WriteTextFile(path, L"\u4E2D\xDC00\n"), ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(WriteTextFile(folder.Path() + L"missing\\a.m3u", L"C:\\new.mp3\n"), ERROR_PATH_NOT_FOUND);
    {
        const unique_handle other = TempFolder::Lock(path);
        ASSERT_TRUE(other);
        EXPECT_EQ(WriteTextFile(path, L"C:\\new.mp3\n"), ERROR_ACCESS_DENIED);  // the held file is not replaced
    }
    EXPECT_EQ(folder.List(), std::set<CString>{L"list.m3u"});
    EXPECT_EQ(folder.ReadBytes(path), before);
    EXPECT_EQ(folder.List(), std::set<CString>{L"list.m3u"});
}

// Lines are held compactly and only when kept: a playlist of tens of millions of short or empty
// lines is read, not a crash.
TEST(TextFiles, ManyShortLinesAreHeld)
{
    TempFolder folder{L"textfiles"};
    const CString feeds = folder.Write(L"feeds.m3u", std::string(40'000'000, '\n'));
    std::string letters;
    letters.reserve(63'000'000);
    while (letters.size() + 2 <= 63'000'000) letters += "a\n";
    const CString shorts = folder.Write(L"shorts.m3u", letters);
    TextLines lines;
    EXPECT_EQ(ReadNonEmptyLines(lines, feeds), 0);
    EXPECT_EQ(ReadNonEmptyLines(lines, shorts), 31'500'000);
    EXPECT_EQ(lines[31'499'999], L"a");
}
