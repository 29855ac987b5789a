#include <cwctype>
#include <set>

#include "commands/scanned_songs.h"
#include "framework/handles.h"
#include "helpers/strings.h"
#include "playlist_test.h"

namespace {

// Songs in Songs\, playlists in Lists\, exports in the collection folder itself.
class PlaylistCorrections : public PlaylistTest {
protected:
    PlaylistCorrections() { CreateDirectoryW(lists.c_str(), nullptr); }
    void Songs(std::initializer_list<const wchar_t*> names) const
    {
        for (const wchar_t* name : names) folder.Write(L"Songs\\" + CString(name), "ID3");
    }
    CString Playlist(const CString& name, const std::vector<CString>& entries) const
    {
        return folder.Write(L"Lists\\" + name, Bytes(Joined(entries)));
    }
    CString Report(int count) const { return PlaylistTest::Report(lists, ascending, count); }
    std::string ExportBytes(const std::vector<CString>& misses) const { return Bytes(g_Messages[43] + Joined(misses)); }

    const CString songs = folder.Path() + L"Songs\\";
    const CString lists = folder.Path() + L"Lists\\";
    const CString ascending = g_Messages[25] + stamp + L".m3u";
    const CString exportPath = folder.Path() + stamp + L"Not Found MP3s.txt";
    const CString exported = g_Messages[94] + exportPath;
};

TEST_F(PlaylistCorrections, BlanksAndCaseAreCorrectedToTheSongOnDiskAndMissesExported)
{
    Songs({L"My Song.mp3", L"abc.mp3"});
    // The folder keeps the spelling of entry 1, the name takes the spelling on disk.
    const CString s = ToLowerAscii(songs);
    const CString source = Playlist(L"Mine.m3u", {s + L"My  Song .mp3", s + L"MySong.mp3", s + L"ABC.mp3",
                                                  songs + L"My Song.mp3", s + L"Gone.mp3"});
    EXPECT_EQ(Run(7, source), (std::vector<CString>{Report(4), exported}));
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending),
              Bytes(Joined({s + L"My Song.mp3", s + L"My Song.mp3", s + L"My Song.mp3", s + L"abc.mp3"})));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({s + L"Gone.mp3"}));
}

TEST_F(PlaylistCorrections, AnEntryThatNamesASongKeepsItOthersTakeTheFirstListedBlankFreeMatch)
{
    // U+3000 is white space but no blank: X<U+3000>Y.mp3 is not XY.mp3 without blanks.
    ASSERT_TRUE(iswspace(0x3000));
    Songs({L"AB.mp3", L"A B.mp3", L"X\u3000Y.mp3", L"XY.mp3"});
    FolderRecord scan;
    scan.path = songs;
    ScanFolder(scan);
    const auto at = [&scan](const CString& name) {
        return std::find_if(scan.files.begin(), scan.files.end(), [&](const FileRecord& f) { return f.name == name; });
    };
    const CString firstListed = at(L"AB.mp3") < at(L"A B.mp3") ? L"AB.mp3" : L"A B.mp3";
    // Whichever of the two comes first, an entry that names one keeps it.
    const CString source = Playlist(L"Mine.m3u", {songs + L"AB.mp3", songs + L"A B.mp3", songs + L"A  B.mp3",
                                                  songs + L"X Y.mp3"});
    EXPECT_EQ(Run(7, source), std::vector<CString>{Report(4)});
    std::vector<CString> expected = {songs + L"A B.mp3", songs + L"AB.mp3", songs + firstListed, songs + L"XY.mp3"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending), Bytes(Joined(expected)));
}

TEST_F(PlaylistCorrections, DuplicatesPointToTheirOriginalsAndMissingOriginalsAreExported)
{
    Songs({L"Title.mp3", L"Only#12.mp3"});
    const CString source = Playlist(L"Mine.m3u", {songs + L"Title#12.mp3", songs + L"Only#12.mp3",
                                                  songs + L"title.MP3", songs + L"gone.mp3"});
    EXPECT_EQ(Run(8, source), (std::vector<CString>{Report(4), exported}));
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending),
              Bytes(Joined({songs + L"Only#12.mp3", songs + L"Title.mp3", songs + L"Title.mp3", songs + L"gone.mp3"})));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({songs + L"Only.mp3", songs + L"gone.mp3"}));
}

// Bare names have no song folder to scan: command 7 finds nothing (no playlist, every entry exported).
TEST_F(PlaylistCorrections, BareNamesHaveNoSongFolderToScan)
{
    Songs({L"a.mp3"});
    const CString source = Playlist(L"Bare.m3u", {L"a.mp3", L"b#2.mp3"});
    EXPECT_EQ(Run(7, source), (std::vector<CString>{g_Messages[42], exported}));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({L"a.mp3", L"b#2.mp3"}));
    EXPECT_FALSE(TempFolder::Exists(lists + ascending));
    DeleteFileW(exportPath.c_str());
    EXPECT_EQ(Run(8, source), (std::vector<CString>{Report(2), exported}));
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending), "a.mp3\r\nb#2.mp3\r\n");
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({L"a.mp3", L"b.mp3"}));
}

TEST_F(PlaylistCorrections, TheOrderFollowsThePlaylistNameInTheCurrentLanguage)
{
    Songs({L"a.mp3", L"B.mp3", L"c.mp3"});
    const std::vector<CString> sorted = {songs + L"B.mp3", songs + L"a.mp3", songs + L"c.mp3"};
    const std::vector<CString> reversed(sorted.rbegin(), sorted.rend());
    const struct { const wchar_t* language; const wchar_t* source; const wchar_t* prefix; const std::vector<CString>* order; } cases[] = {
        {L"English", L"_Playlist Descending (Z-A) 2025-01-01_00.00.00.m3u", L"_Playlist Descending (Z-A) ", &reversed},
        {L"English", L"_Playlist Shuffled 2025-01-01_00.00.00.m3u", L"_Playlist Shuffled ", nullptr},
        {L"English", L"_playlist shuffled x.m3u", L"_Playlist Alphabetical (A-Z) ", &sorted},
        {L"German", L"_Playlist Shuffled 2025-01-01_00.00.00.m3u", L"_Playliste Alphabetisch (A-Z) ", &sorted},
        {L"German", L"_Playliste Absteigend (Z-A) x.m3u", L"_Playliste Absteigend (Z-A) ", &reversed},
    };
    // Commands 7 and 8 take the order alike: the first three rows run 7, the others 8.
    for (const auto& c : cases) {
        CopyLanguageTables(c.language);
        const CString source = Playlist(c.source, {sorted[1], sorted[2], sorted[0]});
        const CString written = lists + c.prefix + stamp + L".m3u";
        Run(&c - cases < 3 ? 7 : 8, source);
        const std::string bytes = TempFolder::ReadBytes(written);
        if (c.order) EXPECT_EQ(bytes, Bytes(Joined(*c.order))) << c.source;
        else EXPECT_EQ(SortedLines(bytes), SortedLines(Bytes(Joined(sorted))));
        DeleteFileW(written.c_str());
    }
}

// Entries from more than one folder stop the corrections; an empty or unreadable playlist every check.
TEST_F(PlaylistCorrections, AMixedEmptyOrUnreadablePlaylistStopsWithItsFaultAndWritesNothing)
{
    const CString mixed = Playlist(L"Mixed.m3u", {L"D:\\A\\1.mp3", L"d:\\a\\2.mp3", L"D:\\B\\3.mp3", L"D:\\C\\4.mp3"});
    const CString locked = Playlist(L"Locked.m3u", {songs + L"a.mp3"});
    const unique_handle hold = OwnHandle(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(hold);
    const struct { CString source; CString fault; std::vector<int> lines; } cases[] = {
        {mixed, g_Messages[40] + L" 1. File in M3U: D:\\A\\ <=> 3. File in M3U: D:\\B\\", {7, 8}},
        {Playlist(L"Blank.m3u", {L"  ", L"\t"}), g_Messages[39], {7, 8, 9}},
        {locked, g_Messages[93] + L"32", {7, 8, 9}},
    };
    for (const auto& c : cases) {
        for (int line : c.lines) {
            g_MessageBoxCount = 0;
            EXPECT_EQ(Run(line, c.source), std::vector<CString>{c.fault}) << line;
            EXPECT_EQ(BoxTexts(), std::vector<CString>{c.fault}) << line;
        }
    }
    EXPECT_EQ(folder.List(), (std::set<CString>{L"Lists"}));
    EXPECT_FALSE(TempFolder::Exists(lists + ascending));
}

TEST_F(PlaylistCorrections, VerificationScansEachFolderOnceAndReportsMissesBeforeTheExport)
{
    folder.Write(L"A\\1.mp3");
    folder.Write(L"A\\3.mp3");
    folder.Write(L"B\\2.mp3");
    const CString a = folder.Path() + L"A\\", b = folder.Path() + L"B\\";
    EXPECT_EQ(Run(9, Playlist(L"All.m3u", {a + L"1.mp3", b + L"2.mp3", ToLowerAscii(a) + L"3.MP3"})),
              std::vector<CString>{g_Messages[45]});
    EXPECT_FALSE(TempFolder::Exists(exportPath));

    ScannedSongs scanned;
    EXPECT_TRUE(scanned.AddFolder(a));
    EXPECT_TRUE(scanned.AddFolder(b));
    EXPECT_FALSE(scanned.AddFolder(ToLowerAscii(a)));
    EXPECT_EQ(scanned.Record().files.size(), 3u);
    const FileRecord* found = scanned.FindPath(ToUpperAscii(a) + L"3.MP3");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->folder + found->name, a + L"3.mp3");

    const std::vector<CString> misses = {L"#EXTM3U", a + L"gone.mp3", L"D:\\B\\x.mp3"};
    EXPECT_EQ(Run(9, Playlist(L"Ext.m3u", {misses[0], a + L"1.mp3", misses[1], misses[2]})),
              (std::vector<CString>{g_Messages[95] + misses[0], g_Messages[95] + misses[1], g_Messages[95] + misses[2],
                                    exported}));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes(misses));
}

}  // namespace
