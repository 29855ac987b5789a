#include <windows.h>

#include <vector>

#include "commands/command_reports.h"
#include "framework/handles.h"
#include "framework/shell_opener.h"
#include "helpers/shortcuts.h"
#include "playlist_test.h"
#include "texts/command_lines.h"

namespace {

using FurtherCommands = PlaylistTest;

// Like the window, it adds no line while Stop Entries is checked.
class StopEntriesHost : public ScriptedHost {
    void AddInfoLine(const CString& text) override { if (g_StopEntries == 0) ScriptedHost::AddInfoLine(text); }
};

TEST_F(FurtherCommands, OpenersOpenWhatIsThereAndReportWhatIsNot)
{
    g_SettingsDir = folder.Path() + L"Settings\\";
    g_SettingsFile = g_SettingsDir + L"Settings.txt";
    std::vector<CString> opened;
    DWORD error = 0;
    SetShellOpener([&](const CString& file, const CString& parameters) {
        opened.push_back(file + L"|" + parameters);
        SetLastError(error);
        return INT_PTR{error == 0 ? 42 : 31};  // 31: no program for the file
    });
    const CString explorer = L"explorer.exe|\"" + folder.Path();
    const struct { int command; DWORD error; std::vector<CString> opened, lines; } cases[] = {
        {38, 0, {explorer.substr(0, explorer.size() - 1) + L"\""}, {}},
        {39, 0, {}, {FailureText(ERROR_PATH_NOT_FOUND)}},
        {40, 0, {}, {FailureText(ERROR_FILE_NOT_FOUND)}},
        {39, 0, {explorer + L"Settings\""}, {}},  // from here on the settings file is there
        {40, 0, {g_SettingsFile + L"|"}, {}},
        {40, ERROR_NO_ASSOCIATION, {g_SettingsFile + L"|"}, {FailureText(ERROR_NO_ASSOCIATION)}},
    };
    for (const auto& c : cases) {
        if (&c == &cases[3]) folder.Write(L"Settings\\Settings.txt", "Language = English\r\n");
        opened.clear();
        error = c.error;
        EXPECT_EQ(Run(CommandLine(c.command), L""), c.lines) << c.command;
        EXPECT_EQ(opened, c.opened) << c.command;
    }
    SetShellOpener(nullptr);
}

TEST_F(FurtherCommands, TheListIsExportedAsItStandsWithThisRunsLineUnlessEntriesAreStopped)
{
    const std::vector<CString> before = {L"First line", L"Zweite Zeile \u00E4"};
    for (const uint8_t stop : {0, 1}) {
        StopEntriesHost list;
        list.selectedLine = CommandLine(41);
        list.lines = before;
        g_StopEntries = stop;
        ExecuteCommand(list, false);
        EXPECT_EQ(list.lines.size(), stop ? 2u : 4u);
        EXPECT_EQ(TempFolder::ReadBytes(folder.Path() + stamp + (stop ? L"_001" : L"") + L"Listbox Content.txt"),
                  Bytes(g_Messages[153] + L": \n" + Joined(before) + (stop ? L"" : g_Messages[0] + L"\n")));
    }
    g_StopEntries = 0;
}

TEST_F(FurtherCommands, ShortcutsAreNamedAfterTheirSongsAndOneOfThisRunIsNeverReplaced)
{
    const CString songs[] = {folder.Write(L"A\\Song.mp3"), folder.Write(L"B\\Song.mp3"),
                             folder.Write(L"C\\SONG.mp3"), folder.Write(L"A\\\u00C4.mp3"),
                             folder.Write(L"B\\\u00E4.mp3"), folder.Write(L"B\\Two.x.mp3"),
                             folder.Write(L"B\\NoDot"), folder.Write(L"A\\Held.mp3")};
    // No ANSI code page of Western Europe holds U+0416. A folder stands in the way of one shortcut; one
    // of an earlier run is replaced.
    const CString lists = folder.Path() + L"Lists \u0416\\";
    folder.Write(L"Lists \u0416\\Held - Shortcut.lnk\\in the way");
    ASSERT_EQ(CreateShortcutFile(songs[0], lists + L"Two.x - Shortcut.lnk", L""), S_OK);
    std::vector<CString> entries(std::begin(songs), std::end(songs));
    entries.insert(entries.end(), {L"#EXTM3U", folder.Path() + L"Gone.mp3"});
    const CString playlist = folder.Write(L"Lists \u0416\\Mix.m3u", Bytes(Joined(entries)));
    const std::vector<CString> lines = Run(CommandLine(42), playlist);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind(g_Messages[118] + L"-", 0), 0u) << lines[0];
    EXPECT_EQ(std::vector<CString>(lines.begin() + 1, lines.end()),
              (std::vector<CString>{g_Messages[119] + L"7", g_Messages[120] + L"2", g_Messages[121] + L"1"}));
    const wchar_t* made[] = {L"Song", L"Song - Shortcut#1.lnk", L"SONG - Shortcut#2.lnk", L"\u00C4",
                             L"\u00E4 - Shortcut#1.lnk", L"Two.x", L""};
    for (size_t i = 0; i < std::size(made); ++i) {
        const CString name = wcschr(made[i], L'#') ? made[i] : made[i] + g_Messages[117] + L".lnk";
        CString target;
        EXPECT_EQ(ResolveShortcutTarget(lists + name, target), S_OK) << name;
        EXPECT_EQ(target, songs[i]) << name;
    }
}

TEST_F(FurtherCommands, GermanShortcutsAreLinksAndAnUnreadablePlaylistIsReported)
{
    CopyLanguageTables(L"German");
    const CString song = folder.Write(L"A\\Lied.mp3"), playlist = folder.Write(L"Liste.m3u", Bytes(song + L"\n"));
    EXPECT_EQ(Run(CommandLine(42), playlist), std::vector<CString>{g_Messages[119] + L"1"});
    CString target;
    EXPECT_EQ(ResolveShortcutTarget(folder.Path() + L"Lied - Verkn\u00FCpfung.lnk", target), S_OK);
    EXPECT_EQ(target, song);
    const unique_handle hold =
        OwnHandle(CreateFileW(playlist.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(Run(CommandLine(42), playlist), std::vector<CString>{FailureText(ERROR_SHARING_VIOLATION, playlist)});
}

}  // namespace
