#include <windows.h>

#include <vector>

#include "commands/new_files.h"
#include "helpers/folder_scan.h"
#include "helpers/strings.h"
#include "playlist_folder_test.h"

namespace {

class PlaylistSearches : public PlaylistFolderTest {
protected:
    CString Finding(const CString& text, int row) const
    {
        return L"    " + text + L" (" + g_Messages[142] + std::to_wstring(row) + L") \n";
    }
    CString Export(const CString& title) const { return folder.Path() + stamp + title + L".txt"; }
};

TEST_F(PlaylistSearches, Command34GroupsFindingsUnderTheirPlaylistWithRowsThatSkipBlankLines)
{
    host.caseChecked = false;
    Playlist(L"One.m3u", {L"", L"D:\\Hard ROCK\\a.mp3", L"  ", L"#EXTINF:1,Rock", L"D:\\Pop\\b.mp3"});
    Playlist(L"Two.m3u", {L"x rock y"});
    const CString bad = Unreadable(L"Bad.m3u");
    std::vector<CString> expected;
    CString text = g_Messages[141] + L"rock]: \n";
    for (const CString& name : Order()) {
        if (name == L"Bad.m3u") expected.push_back(bad);
        else text += lists + name + L": \n";
        if (name == L"One.m3u") text += Finding(L"D:\\Hard ROCK\\a.mp3", 1) + Finding(L"#EXTINF:1,Rock", 2);
        if (name == L"Two.m3u") text += Finding(L"x rock y", 1);
    }
    const CString path = Export(L" Search Result [rock (Capital or Small Letters = no, Whole Words = no)] (3 Matches)");
    expected.insert(expected.end(), {g_Messages[139] + L"3", g_Messages[136] + L"4", g_Messages[140] + L"3",
                                     g_Messages[94] + path});
    EXPECT_EQ(RunCommand(34, L"", L"ROCK"), expected);
    EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(text));
}

TEST_F(PlaylistSearches, Command35ReplacesTheFirstOccurrenceInNewCopiesThatNeverReplaceEachOther)
{
    host.caseChecked = false;
    Playlist(L"Mix 2024-05-01_10.00.00.m3u", {L"a-b-a", L"", L"A-b-a", L"none"});
    Playlist(L"Mix.m3u", {L"zzz"});
    std::vector<CString> expected;
    CString text = g_Messages[141] + L"a]: \n";
    std::vector<std::pair<CString, CString>> written;  // path, text
    for (const CString& name : Order()) {
        const CString path = lists + stamp + L"\\Mix " + CountedStamp(stamp, int32_t(written.size())) + L".m3u";
        expected.push_back(g_Messages[81] + path);
        const bool hits = name != L"Mix.m3u";
        written.emplace_back(path, hits ? L"x-b-a\nx-b-a\nnone\n" : L"zzz\n");
        if (hits) text += lists + name + L": \n" + Finding(L"a-b-a => x-b-a", 1) + Finding(L"A-b-a => x-b-a", 2);
    }
    const CString path = Export(L" Replacements [a (Capital or Small Letters = no, Whole Words = no)] (2 Matches)");
    expected.insert(expected.end(), {g_Messages[139] + L"2", g_Messages[136] + L"4", g_Messages[144] + L"2",
                                     g_Messages[146] + L"2", g_Messages[94] + path});
    EXPECT_EQ(RunCommand(35, L"", L"a", L"x"), expected);
    for (const auto& [path, bytes] : written) EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(bytes));
    EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(text));
}

TEST_F(PlaylistSearches, Command36ListsEveryLineThatNamesNoFileOfTheSongFolder)
{
    folder.Write(L"Songs\\Song.mp3");
    Playlist(L"V.m3u", {L"", L"#EXTM3U", ToLowerAscii(songs) + L"SONG.MP3", L"E:\\x\\Song.mp3"});
    const CString path = Export(L" Not Found MP3 Files (2)");
    EXPECT_EQ(RunCommand(36, songs), (std::vector<CString>{g_Messages[139] + L"1", g_Messages[136] + L"3",
                                                           g_Messages[148] + L"1", g_Messages[149] + L"2",
                                                           g_Messages[94] + path}));
    EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(g_Messages[150] + lists + L"V.m3u: \n" + Finding(L"#EXTM3U", 1) +
                                                 Finding(L"E:\\x\\Song.mp3", 3)));
}

TEST_F(PlaylistSearches, Command37SearchesNameStemsOnlyInTheirCaseAndLogsTheExportTwice)
{
    for (const wchar_t* name : {L"Hard Rock.mp3", L"Rock", L"song.Rock", L"ROCKY.txt", L"Rocky Road.txt"})
        folder.Write(L"Lists\\" + CString(name));
    SetFileAttributesW((lists + L"Rocky Road.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    const CString description = L"[Rock (Capital or Small Letters = yes, Whole Words = no)]";
    CString text = g_Messages[88] + description + L": \n";
    FolderRecord scan;
    scan.path = lists;
    ScanFolder(scan);
    for (const FileRecord& file : scan.files)
        if (file.name == L"Hard Rock.mp3" || file.name == L"Rocky Road.txt") text += file.name + L"\n";
    const CString path = Export(L" Search Result " + description + L" (2 Matches)");
    EXPECT_EQ(RunCommand(37, L"", L"Rock"), (std::vector<CString>{path, g_Messages[94] + path, g_Messages[116] + L"2"}));
    EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(text));
}

}  // namespace
