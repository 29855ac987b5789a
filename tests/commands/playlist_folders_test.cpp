#include "commands/new_files.h"
#include "engine_test.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "texts/text_rows.h"

namespace {

using PlaylistFolders = EngineTest;

TEST_F(PlaylistFolders, Command31PointsNumberedEntriesToOriginalsAndCountsInOrder)
{
    g_ExcludeExtensions = {L".jpg"};
    Fill(songs, Named({L"Song.MP3", L"Pic.jpg", L"Dup#1.mp3"}));
    // Only the stamp of the name goes; the entry's own folder (in another case) finds the original.
    const Lines misses = {L"E:\\Music\\Song#2.mp3", songs + L"Pic#3.jpg", songs + L"Dup#1#2.mp3"};
    const Lines rockEntries = {L"", L"#EXTM3U", ToLowerAscii(songs) + L"Song#12.mp3", misses[0], misses[1], misses[2],
                               songs + L"Plain#x.mp3"};
    const CString rock = Playlist(L"Rock 2024-05-01_10.00.00.m3u", rockEntries);
    Playlist(L"Rock.m3u", {songs + L"Song#1.mp3"});
    Playlist(L"Empty.m3u", {L"  ", L""});
    // Bytes that a UTF-8 mark announces but that are no UTF-8.
    const CString bad = FailureText(ERROR_NO_UNICODE_TRANSLATION, Playlist(L"Bad.m3u", {L"\xEF\xBB\xBF\xC3"}));
    Lines expected;
    Files written;  // path -> bytes
    for (const CString& name : ListPlaylistNames(lists)) {
        if (name == L"Empty.m3u") expected.push_back(lists + name + g_Messages[msg::kIsEmpty]);
        if (name == L"Bad.m3u") expected.push_back(bad);
        if (!name.starts_with(L"Rock")) continue;
        // Both are named Rock: the second in the same second takes the counter.
        const CString path = lists + stamp + L"\\Rock " + CountedStamp(stamp, int32_t(written.size())) + L".m3u";
        const bool big = name != L"Rock.m3u";
        expected.push_back(g_Messages[msg::kNewPlaylistGenerated] + path + L". " +
                           g_Messages[msg::kNewPlaylistLinesCount] + (big ? L"6." : L"1."));
        written[path] = Bytes(big ? Joined({L"#EXTM3U", songs + L"Song.MP3", misses[0], misses[1], misses[2],
                                            songs + L"Plain#x.mp3"}) : songs + L"Song.MP3\n");
    }
    const CString exportPath = Export(L" Missing Originals");
    expected.insert(expected.end(),
                    {g_Messages[msg::kExportCreated] + exportPath, g_Messages[msg::kProcessedPlaylistLinesCount] + L"7",
                     g_Messages[msg::kLinesAlreadyOnOriginalCount] + L"2", g_Messages[msg::kCorrectedLinesCount] + L"2",
                     g_Messages[msg::kEntriesWithoutOriginalCount] + L"3"});
    EXPECT_EQ(Run(31, lists, songs), expected);
    for (const auto& [path, bytes] : written) EXPECT_EQ(TempFolder::ReadBytes(path), bytes);
    CString missing = g_Messages[msg::kEntriesWithoutOriginalHeading];
    for (const CString& miss : misses) missing += rock + L": " + miss + L"\n";
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), Bytes(missing));
    g_ExcludeExtensions.clear();
}

TEST_F(PlaylistFolders, ABadSubFolderStopsCommands31And32BeforeAnyPlaylistIsRead)
{
    Fill(songs, {});
    Playlist(L"A.m3u", {L"D:\\x.mp3"});
    folder.Write(L"Lists\\Taken");
    const struct { const wchar_t* name; int32_t error; } cases[] = {{L"\\\\Sub", 123}, {L"a/b", 123}, {L"..", 123},
        {L"   ", 123}, {L"x:y", 123}, {L"a\"b", 123}, {L"a\tb", 123}, {L"Dot.", 123}, {L"con", 123}, {L"Lpt1.x", 123},
        {L"Taken", ERROR_ALREADY_EXISTS}};
    for (int command : {31, 32})
        for (const auto& c : cases)
            EXPECT_EQ(Run(command, lists, songs, c.name), Lines{FailureText(c.error)}) << c.name;
    EXPECT_EQ(folder.List(L"Lists\\"), (std::set<CString>{L"A.m3u", L"Taken"}));
    // Blanks around a good name are not part of it, nor one "\\" before or after it.
    for (const wchar_t* name : {L" Best ", L"\\Sub", L"Sub\\"}) Run(32, lists, songs, name);
    EXPECT_EQ(TempFolder::ReadBytes(lists + L"Best\\A " + stamp + L".m3u"), Bytes(songs + L"x.mp3\n"));
    EXPECT_EQ(folder.List(L"Lists\\Sub\\"), (std::set<CString>{L"A " + stamp + L".m3u", L"A " + stamp + L"_001.m3u"}));
}

TEST_F(PlaylistFolders, Command32PointsEntriesIntoTheSongFolderKeepsCommentsAndCountsTheSecond)
{
    Fill(songs, {});
    const Lines entries = {L"#EXTINF:1,Title", L"D:\\Old\\x.mp3", L"rel.mp3"};
    for (const wchar_t* name : {L"A.m3u", L"B 2024-05-01_10.00.00.m3u", L"C.m3u"}) Playlist(name, entries);
    Lines expected = {g_Messages[msg::kPlaylistsInFolderCount] + L"3"}, written;
    for (const CString& name : ListPlaylistNames(lists)) {
        const CString counted = CountedStamp(stamp, int32_t(written.size()));
        written.push_back(lists + L"Sub\\" + name.substr(0, 1) + L" " + counted + L".m3u");
        expected.push_back(g_Messages[msg::kNewPlaylistCreated] + written.back());
    }
    expected.push_back(g_Messages[msg::kNewPlaylistsCount] + L"3");
    EXPECT_EQ(Run(32, lists, songs, L"Sub"), expected);
    for (const CString& path : written)
        EXPECT_EQ(TempFolder::ReadBytes(path), Bytes(Joined({entries[0], songs + L"x.mp3", songs + L"rel.mp3"})));
}

TEST_F(PlaylistFolders, Command33MovesEachPlaylistIntoItsFolderAndNeverOverAnother)
{
    Playlist(L"My List.m3u", {L"a"});
    const CString kept = Playlist(L"Kept.m3u", {L"new"});
    folder.Write(L"Lists\\Kept\\Kept.m3u", "old");
    Lines expected = {g_Messages[msg::kPlaylistsInFolderCount] + L"2"};
    for (const CString& name : ListPlaylistNames(lists)) {
        const CString sub = lists + StripExtension(name) + L"\\", move = lists + name + L" => " + sub + name;
        expected.push_back(g_Messages[msg::kFolderCreated] + sub);
        if (name == L"Kept.m3u")
            expected.insert(expected.end(), {g_Messages[msg::kNotMovedPlaylist] + move,
                                             g_Messages[msg::kWindowsErrorOccurred] + L"183"});
        else expected.push_back(g_Messages[msg::kMovedPlaylist] + move);
    }
    expected.insert(expected.end(),
                    {g_Messages[msg::kCreatedFoldersCount] + L"2", g_Messages[msg::kMovedPlaylistsCount] + L"1",
                     g_Messages[msg::kFailedPlaylistMovesCount] + L"1"});
    EXPECT_EQ(Run(33, lists), expected);
    EXPECT_EQ(TempFolder::ReadBytes(lists + L"My List\\My List.m3u"), "a\r\n");
    EXPECT_EQ(TempFolder::ReadBytes(kept), "new\r\n");
    EXPECT_EQ(TempFolder::ReadBytes(lists + L"Kept\\Kept.m3u"), "old");
}

}  // namespace
