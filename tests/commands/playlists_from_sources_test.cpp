#include <set>

#include "engine_test.h"
#include "helpers/shortcuts.h"
#include "texts/text_rows.h"

namespace {

using PlaylistsFromSources = EngineTest;

TEST_F(PlaylistsFromSources, ShortcutsEndingInLowerCaseLnkGiveTheEntriesInTheCommandsOrder)
{
    const CString links = folder.Path() + L"Links\\";
    ASSERT_EQ(CreateShortcutFile(L"D:\\music\\a.mp3", folder.Write(L"Links\\a.lnk"), L""), S_OK);
    ASSERT_EQ(CreateShortcutFile(L"D:\\Music\\b.mp3", links + L"B.lnk", L""), S_OK);
    ASSERT_EQ(CreateShortcutFile(L"D:\\Music\\c.mp3", links + L"c.LNK", L""), S_OK);
    folder.Write(L"Links\\song.mp3", "ID3");
    // A damaged shortcut (its header intact, a later part not) is an empty entry, counted.
    for (const CString file : {L"damaged-1504.lnk", L"damaged-2226.lnk", L"damaged-4032.lnk", L"damaged-5906.lnk"})
        folder.Write(L"Links\\" + file, TempFolder::ReadBytes(TALLOWMERE_TEST_DATA L"damaged-shortcuts/" + file));
    // "M" (0x4D) sorts before "m" (0x6D), whatever follows.
    const Lines sorted = {L"", L"", L"", L"", L"D:\\Music\\b.mp3", L"D:\\music\\a.mp3"};
    const Lines reversed(sorted.rbegin(), sorted.rend());
    const struct { int line; const CString& prefix; const Lines* order; } cases[] = {
        {1, g_Messages[msg::kAlphabeticalPlaylistTitle], &sorted},
        {2, g_Messages[msg::kDescendingPlaylistTitle], &reversed},
        {3, g_Messages[msg::kShuffledPlaylistTitle], nullptr}};
    for (const auto& c : cases) {
        const CString name = c.prefix + stamp + L".m3u";
        EXPECT_EQ(Run(c.line, links), Lines{Report(links, name, 6)}) << c.line;
        const std::string bytes = TempFolder::ReadBytes(links + name);
        if (c.order) EXPECT_EQ(bytes, Bytes(Joined(*c.order))) << c.line;
        else EXPECT_EQ(SortedLines(bytes), SortedLines(Bytes(Joined(sorted))));
    }
}

// Every run of the same second gets a name of its own: neither a file nor a folder of that second is
// replaced.
TEST_F(PlaylistsFromSources, AShuffleIsARandomPermutationUnderANameOfItsOwn)
{
    Lines entries;
    for (wchar_t c = L'a'; c < L'i'; ++c) entries.push_back(CString(L"C:\\Songs\\") + c + L".mp3");
    const CString source = folder.Write(L"Eight.m3u", Bytes(Joined(entries)));
    ASSERT_TRUE(
        CreateDirectoryW((folder.Path() + g_Messages[msg::kShuffledPlaylistTitle] + stamp + L".m3u").c_str(), nullptr));
    const CString taken = folder.Write(g_Messages[msg::kShuffledPlaylistTitle] + stamp + L"_001.m3u", "older\r\n");
    std::set<std::string> orders;
    for (int run = 2; run < 8; ++run) {
        const CString name = g_Messages[msg::kShuffledPlaylistTitle] + stamp + L"_00" + std::to_wstring(run) + L".m3u";
        EXPECT_EQ(Run(6, source), Lines{Report(folder.Path(), name, 8)});
        const std::string bytes = TempFolder::ReadBytes(folder.Path() + name);
        EXPECT_EQ(SortedLines(bytes), SortedLines(Bytes(Joined(entries))));
        orders.insert(bytes);
    }
    // Six equal orders out of 8! happen about once in 10^23 runs.
    EXPECT_GE(orders.size(), 2u);
    EXPECT_EQ(TempFolder::ReadBytes(taken), "older\r\n");
}

// Ascending and descending by UTF-16 code unit: capitals before small letters, "\u00E4" after "z".
TEST_F(PlaylistsFromSources, Commands4And5SortTheEntriesByCodeUnit)
{
    const Lines entries = {L"C:\\m\\b.mp3", L"C:\\m\\\u00E4.mp3", L"C:\\M\\z.mp3", L"C:\\m\\B.mp3", L"C:\\m\\z.mp3"};
    const Lines ascending = {L"C:\\M\\z.mp3", L"C:\\m\\B.mp3", L"C:\\m\\b.mp3", L"C:\\m\\z.mp3", L"C:\\m\\\u00E4.mp3"};
    const CString source = folder.Write(L"Five.m3u", Bytes(Joined(entries)));
    const struct { int command; int prefix; Lines sorted; } cases[] = {
        {4, 25, ascending}, {5, 26, Lines(ascending.rbegin(), ascending.rend())}};
    for (const auto& c : cases) {
        const CString name = g_Messages[c.prefix] + stamp + L".m3u";
        EXPECT_EQ(Run(c.command, source), Lines{Report(folder.Path(), name, 5)}) << c.command;
        EXPECT_EQ(TempFolder::ReadBytes(folder.Path() + name), Bytes(Joined(c.sorted))) << c.command;
    }
}

TEST_F(PlaylistsFromSources, ABlankOrUnreadablePlaylistGivesNoPlaylist)
{
    const CString blank = folder.Write(L"Blank.m3u", "  \r\n\t\r\n\r\n");
    const CString locked = folder.Write(L"Locked.m3u", "D:\\a.mp3\r\n");
    EXPECT_EQ(Run(4, blank), Lines{g_Messages[msg::kNoSongsInPlaylist]});
    const unique_handle hold = TempFolder::Lock(locked);
    for (int line : {4, 5, 6})
        EXPECT_EQ(Run(line, locked), Lines{g_Messages[msg::kCommandNotSuccessful] + L"32"}) << line;
    EXPECT_EQ(folder.List(), (std::set<CString>{L"Blank.m3u", L"Locked.m3u"}));
}

}  // namespace
