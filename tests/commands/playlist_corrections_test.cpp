#include <cwctype>
#include <set>

#include "engine_test.h"
#include "helpers/strings.h"
#include "texts/text_rows.h"

namespace {

class PlaylistCorrections : public EngineTest {
protected:
    CString Report(int count) const { return EngineTest::Report(lists, ascending, count); }
    static std::string ExportBytes(const Lines& misses)
    {
        return Bytes(g_Messages[msg::kSongsNotFoundHeading] + Joined(misses));
    }

    const CString ascending = g_Messages[msg::kAlphabeticalPlaylistTitle] + stamp + L".m3u";
    const CString exportPath = Export(L"Not Found MP3s");
    const CString exported = g_Messages[msg::kExportCreated] + exportPath;
};

TEST_F(PlaylistCorrections, BlanksAndCaseAreCorrectedToTheSongOnDiskAndMissesExported)
{
    Fill(songs, Named({L"My Song.mp3", L"abc.mp3"}));
    // The folder keeps the spelling of entry 1, the name takes the spelling on disk.
    const CString s = ToLowerAscii(songs);
    const CString source = Playlist(L"Mine.m3u", {s + L"My  Song .mp3", s + L"MySong.mp3", s + L"ABC.mp3",
                                                  songs + L"My Song.mp3", s + L"Gone.mp3"});
    EXPECT_EQ(Run(7, source), (Lines{Report(4), exported}));
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending),
              Bytes(Joined({s + L"My Song.mp3", s + L"My Song.mp3", s + L"My Song.mp3", s + L"abc.mp3"})));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({s + L"Gone.mp3"}));
}

TEST_F(PlaylistCorrections, AnEntryThatNamesASongKeepsItOthersTakeTheFirstListedBlankFreeMatch)
{
    // U+3000 is white space but no blank: X<U+3000>Y.mp3 is not XY.mp3 without blanks.
    ASSERT_TRUE(iswspace(0x3000));
    Fill(songs, Named({L"AB.mp3", L"A B.mp3", L"X\u3000Y.mp3", L"XY.mp3"}));
    CString firstListed;
    for (const FileRecord& file : ScanFolderAt(songs).files)
        if (firstListed.empty() && (file.name == L"AB.mp3" || file.name == L"A B.mp3")) firstListed = file.name;
    // Whichever of the two comes first, an entry that names one keeps it.
    const CString source = Playlist(L"Mine.m3u", {songs + L"AB.mp3", songs + L"A B.mp3", songs + L"A  B.mp3",
                                                  songs + L"X Y.mp3"});
    EXPECT_EQ(Run(7, source), Lines{Report(4)});
    Lines expected = {songs + L"A B.mp3", songs + L"AB.mp3", songs + firstListed, songs + L"XY.mp3"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending), Bytes(Joined(expected)));
}

// Bare names have no song folder to scan: command 7 finds nothing (no playlist, every entry exported).
TEST_F(PlaylistCorrections, DuplicatesPointToTheirOriginalsAndBareNamesHaveNoSongFolder)
{
    Fill(songs, Named({L"Title.mp3", L"Only#12.mp3", L"a.mp3"}));
    const CString source = Playlist(L"Mine.m3u", {songs + L"Title#12.mp3", songs + L"Only#12.mp3",
                                                  songs + L"title.MP3", songs + L"gone.mp3"});
    EXPECT_EQ(Run(8, source), (Lines{Report(4), exported}));
    EXPECT_EQ(TempFolder::ReadBytes(lists + ascending),
              Bytes(Joined({songs + L"Only#12.mp3", songs + L"Title.mp3", songs + L"Title.mp3", songs + L"gone.mp3"})));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({songs + L"Only.mp3", songs + L"gone.mp3"}));

    const CString bare = Playlist(L"Bare.m3u", {L"a.mp3", L"b#2.mp3"});
    for (const CString& path : {exportPath, lists + ascending}) DeleteFileW(path.c_str());
    EXPECT_EQ(Run(7, bare), (Lines{g_Messages[msg::kNoSongsInReferencedFolder], exported}));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes({L"a.mp3", L"b#2.mp3"}));
    EXPECT_FALSE(TempFolder::Exists(lists + ascending));
}

TEST_F(PlaylistCorrections, TheOrderFollowsThePlaylistNameInTheCurrentLanguage)
{
    const Lines sorted = {songs + L"B.mp3", songs + L"a.mp3", songs + L"c.mp3"};
    const Lines reversed(sorted.rbegin(), sorted.rend());
    Fill(songs, Named({L"a.mp3", L"B.mp3", L"c.mp3"}));
    const struct { const wchar_t *language, *source, *prefix; const Lines* order; } cases[] = {
        {L"English", L"_Playlist Shuffled 2025-01-01_00.00.00.m3u", L"_Playlist Shuffled ", nullptr},
        {L"English", L"_playlist shuffled x.m3u", L"_Playlist Alphabetical (A-Z) ", &sorted},
        {L"German", L"_Playlist Shuffled 2025-01-01_00.00.00.m3u", L"_Playliste Alphabetisch (A-Z) ", &sorted},
        {L"German", L"_Playliste Absteigend (Z-A) x.m3u", L"_Playliste Absteigend (Z-A) ", &reversed},
    };
    // Commands 7 and 8 take the order alike: the first two rows run 7, the others 8.
    for (const auto& c : cases) {
        CopyLanguageTables(c.language);
        const CString written = lists + c.prefix + stamp + L".m3u";
        Run(&c - cases < 2 ? 7 : 8, Playlist(c.source, {sorted[1], sorted[2], sorted[0]}));
        const std::string bytes = TempFolder::ReadBytes(written);
        if (c.order) EXPECT_EQ(bytes, Bytes(Joined(*c.order))) << c.source;
        else EXPECT_EQ(SortedLines(bytes), SortedLines(Bytes(Joined(sorted))));
    }
}

// Entries from more than one folder stop the corrections; an empty or unreadable playlist every check.
TEST_F(PlaylistCorrections, AMixedEmptyOrUnreadablePlaylistStopsWithItsFaultAndWritesNothing)
{
    const CString mixed = Playlist(L"Mixed.m3u", {L"D:\\A\\1.mp3", L"d:\\a\\2.mp3", L"D:\\B\\3.mp3", L"D:\\C\\4.mp3"});
    const CString locked = Playlist(L"Locked.m3u", {songs + L"a.mp3"});
    const unique_handle hold = TempFolder::Lock(locked);
    const struct { CString source; CString fault; std::vector<int> commands; } cases[] = {
        {mixed, g_Messages[msg::kSongsNotInOneFolder] + L" 1. File in M3U: D:\\A\\ <=> 3. File in M3U: D:\\B\\",
         {7, 8}},
        {Playlist(L"Blank.m3u", {L"  ", L"\t"}), g_Messages[msg::kForwardedFileEmpty], {7, 8, 9}},
        {locked, g_Messages[msg::kCommandNotSuccessful] + L"32", {7, 8, 9}},
    };
    for (const auto& c : cases) {
        for (int command : c.commands) {
            g_MessageBoxCount = 0;
            EXPECT_EQ(Run(command, c.source), Lines{c.fault}) << command;
            EXPECT_EQ(BoxTexts(), Lines{c.fault}) << command;
        }
    }
    EXPECT_EQ(folder.List(), (std::set<CString>{L"Lists"}));
    EXPECT_EQ(folder.List(L"Lists\\").size(), 3u);
}

TEST_F(PlaylistCorrections, VerificationFindsSongsInAnyAsciiCaseAndReportsMissesBeforeTheExport)
{
    const CString a = folder.Path() + L"A\\", b = folder.Path() + L"B\\";
    Fill(a, Named({L"1.mp3", L"3.mp3"}));
    Fill(b, Named({L"2.mp3"}));
    const CString all = Playlist(L"All.m3u", {a + L"1.mp3", b + L"2.mp3", ToLowerAscii(a) + L"3.MP3"});
    EXPECT_EQ(Run(9, all), Lines{g_Messages[msg::kAllReferencedSongsFound]});
    EXPECT_FALSE(TempFolder::Exists(exportPath));

    const Lines misses = {L"#EXTM3U", a + L"gone.mp3", L"D:\\B\\x.mp3"};
    EXPECT_EQ(Run(9, Playlist(L"Ext.m3u", {misses[0], a + L"1.mp3", misses[1], misses[2]})),
              (Lines{g_Messages[msg::kFileNotFound] + misses[0], g_Messages[msg::kFileNotFound] + misses[1],
                     g_Messages[msg::kFileNotFound] + misses[2], exported}));
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), ExportBytes(misses));
}

}  // namespace
