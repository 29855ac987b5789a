#include "engine_test.h"
#include "helpers/shortcuts.h"
#include "texts/text_rows.h"

namespace {

using ShortcutsFromPlaylist = EngineTest;

TEST_F(ShortcutsFromPlaylist, ShortcutsAreNamedAfterTheirSongsAndOneOfThisRunIsNeverReplaced)
{
    const CString songs[] = {folder.Write(L"A\\Song.mp3"), folder.Write(L"B\\Song.mp3"),
                             folder.Write(L"C\\SONG.mp3"), folder.Write(L"A\\\u00C4.mp3"),
                             folder.Write(L"B\\\u00E4.mp3"), folder.Write(L"B\\Two.x.mp3"),
                             folder.Write(L"B\\NoDot"), folder.Write(L"A\\Held.mp3")};
    // No ANSI code page of Western Europe holds U+0416. A folder stands in the way of one shortcut; one
    // of an earlier run is replaced.
    const CString links = folder.Path() + L"Lists \u0416\\";
    folder.Write(L"Lists \u0416\\Held - Shortcut.lnk\\in the way");
    ASSERT_EQ(CreateShortcutFile(songs[0], links + L"Two.x - Shortcut.lnk", L""), S_OK);
    Lines entries(std::begin(songs), std::end(songs));
    entries.insert(entries.end(), {L"#EXTM3U", folder.Path() + L"Gone.mp3"});
    const CString playlist = folder.Write(L"Lists \u0416\\Mix.m3u", Bytes(Joined(entries)));
    const Lines lines = Run(42, playlist);
    ASSERT_EQ(lines.size(), 4u) << testing::PrintToString(lines);
    EXPECT_EQ(lines[0].rfind(g_Messages[msg::kShortcutNotCreatedResult] + L"-", 0), 0u) << lines[0];
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()),
              (Lines{g_Messages[msg::kShortcutsCreatedCount] + L"7", g_Messages[msg::kLinkedSongsNotFoundCount] + L"2",
                     g_Messages[msg::kShortcutsNotCreatedCount] + L"1"}));
    const wchar_t* made[] = {L"Song", L"Song - Shortcut#1.lnk", L"SONG - Shortcut#2.lnk", L"\u00C4",
                             L"\u00E4 - Shortcut#1.lnk", L"Two.x", L""};
    for (size_t i = 0; i < std::size(made); ++i) {
        const CString name = wcschr(made[i], L'#') ? made[i] : made[i] + g_Messages[msg::kShortcutSuffix] + L".lnk";
        CString target;
        EXPECT_EQ(ResolveShortcutTarget(links + name, target), S_OK) << name;
        EXPECT_EQ(target, songs[i]) << name;
    }
    const unique_handle hold = TempFolder::Lock(playlist);
    EXPECT_EQ(Run(42, playlist), Lines{FailureText(ERROR_SHARING_VIOLATION, playlist)});
}

}  // namespace
