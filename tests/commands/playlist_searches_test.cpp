#include "engine_test.h"
#include "helpers/strings.h"
#include "texts/text_rows.h"

namespace {

using PlaylistSearches = EngineTest;

CString Finding(const CString& text, int row)
{
    return L"    " + text + L" (" + g_Messages[msg::kRowNumber] + std::to_wstring(row) + L") \n";
}

TEST_F(PlaylistSearches, Command34GroupsFindingsUnderTheirPlaylistWithRowsThatSkipBlankLines)
{
    host.caseChecked = false;
    Playlist(L"One.m3u", {L"", L"D:\\Hard ROCK\\a.mp3", L"  ", L"#EXTINF:1,Rock", L"D:\\Pop\\b.mp3"});
    Playlist(L"Two.m3u", {L"x rock y"});
    CString text = g_Messages[msg::kSearchResultsHeading] + L"rock]: \n";
    for (const CString& name : ListPlaylistNames(lists))
        text += lists + name + L": \n" + (name == L"Two.m3u" ? Finding(L"x rock y", 1)
                                          : Finding(L"D:\\Hard ROCK\\a.mp3", 1) + Finding(L"#EXTINF:1,Rock", 2));
    const CString path = Export(L" Search Result [rock (Capital or Small Letters = no, Whole Words = no)] (3 Matches)");
    EXPECT_EQ(Run(34, lists, L"", L"ROCK"),
              (Lines{g_Messages[msg::kFoundPlaylistsCount] + L"2", g_Messages[msg::kProcessedPlaylistLinesCount] + L"4",
                     g_Messages[msg::kFindingsCount] + L"3", g_Messages[msg::kExportCreated] + path}));
    EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(text));
}

TEST_F(PlaylistSearches, Command35ReplacesTheFirstOccurrenceInANewCopyAndKeepsTheRestOfTheLine)
{
    host.caseChecked = false;
    const CString playlist = Playlist(L"Mix 2024-05-01_10.00.00.m3u", {L"a-b-a", L"", L"A-b-a", L"none"});
    const CString copy = lists + stamp + L"\\Mix " + stamp + L".m3u";
    const CString path = Export(L" Replacements [a (Capital or Small Letters = no, Whole Words = no)] (2 Matches)");
    EXPECT_EQ(Run(35, lists, L"", L"a", L"x"),
              (Lines{g_Messages[msg::kNewPlaylistCreated] + copy, g_Messages[msg::kFoundPlaylistsCount] + L"1",
                     g_Messages[msg::kProcessedPlaylistLinesCount] + L"3",
                     g_Messages[msg::kFindingsAndReplacementsCount] + L"2",
                     g_Messages[msg::kNewPlaylistsInNewFolderCount] + L"1", g_Messages[msg::kExportCreated] + path}));
    EXPECT_EQ(TempFolder::ReadBytes(copy), "x-b-a\r\nx-b-a\r\nnone\r\n");
    EXPECT_EQ(TempFolder::ReadBytes(path),
              Bytes(g_Messages[msg::kSearchResultsHeading] + L"a]: \n" + playlist + L": \n" +
                    Finding(L"a-b-a => x-b-a", 1) + Finding(L"A-b-a => x-b-a", 2)));
}

TEST_F(PlaylistSearches, Command36ListsEveryLineThatNamesNoFileOfTheSongFolder)
{
    folder.Write(L"Songs\\Song.mp3");
    Playlist(L"V.m3u", {L"", L"#EXTM3U", ToLowerAscii(songs) + L"SONG.MP3", L"E:\\x\\Song.mp3"});
    const CString path = Export(L" Not Found MP3 Files (2)");
    EXPECT_EQ(Run(36, lists, songs),
              (Lines{g_Messages[msg::kFoundPlaylistsCount] + L"1", g_Messages[msg::kProcessedPlaylistLinesCount] + L"3",
                     g_Messages[msg::kFoundSongFilesCount] + L"1", g_Messages[msg::kMissingSongFilesCount] + L"2",
                     g_Messages[msg::kExportCreated] + path}));
    EXPECT_EQ(TempFolder::ReadBytes(path),
              Bytes(g_Messages[msg::kMissingReferencesHeading] + lists + L"V.m3u: \n" + Finding(L"#EXTM3U", 1) +
                    Finding(L"E:\\x\\Song.mp3", 3)));
}

TEST_F(PlaylistSearches, Command37SearchesNameStemsOnlyInTheirCaseAndLogsTheExportTwice)
{
    for (const wchar_t* name : {L"Hard Rock.mp3", L"Rock", L"song.Rock", L"ROCKY.txt", L"Rocky Road.txt"})
        folder.Write(L"Lists\\" + CString(name));
    // Hidden and system files are listed like any other.
    SetFileAttributesW((lists + L"Rocky Road.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((lists + L"Hard Rock.mp3").c_str(), FILE_ATTRIBUTE_SYSTEM);
    const CString description = L"[Rock (Capital or Small Letters = yes, Whole Words = no)]";
    CString text = g_Messages[msg::kMatchesFoundHeading] + description + L": \n";
    for (const FileRecord& file : ScanFolderAt(lists).files)
        if (file.name == L"Hard Rock.mp3" || file.name == L"Rocky Road.txt") text += file.name + L"\n";
    const CString path = Export(L" Search Result " + description + L" (2 Matches)");
    EXPECT_EQ(Run(37, lists, L"", L"Rock"),
              (Lines{path, g_Messages[msg::kExportCreated] + path, g_Messages[msg::kMatchesCount] + L"2"}));
    EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(text));
}

}  // namespace
