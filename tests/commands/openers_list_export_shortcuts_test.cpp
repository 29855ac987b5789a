#include "engine_test.h"
#include "framework/shell_opener.h"
#include "helpers/shortcuts.h"
#include "texts/text_rows.h"

namespace {

using FurtherCommands = EngineTest;

// Like the window, it adds no line while Stop Entries is checked.
class StopEntriesHost : public ScriptedHost {
    void AddInfoLine(const CString& text) override { if (g_StopEntries == 0) ScriptedHost::AddInfoLine(text); }
};

TEST_F(FurtherCommands, OpenersOpenWhatIsThereAndReportWhatIsNot)
{
    g_SettingsDir = folder.Path() + L"Settings\\";
    g_SettingsFile = g_SettingsDir + L"Settings.txt";
    Lines opened;
    DWORD error = 0;
    SetShellOpener([&](const CString& file, const CString& parameters) {
        opened.push_back(file + L"|" + parameters);
        SetLastError(error);
        return INT_PTR{error == 0 ? 42 : 31};  // 31: no program for the file
    });
    const struct { int command; DWORD error; Lines opened, lines; } cases[] = {
        {38, 0, {L"explorer.exe|\"" + folder.Path().substr(0, folder.Path().size() - 1) + L"\""}, {}},
        {39, 0, {}, {FailureText(ERROR_PATH_NOT_FOUND)}},
        {40, 0, {}, {FailureText(ERROR_FILE_NOT_FOUND)}},
        {40, ERROR_NO_ASSOCIATION, {g_SettingsFile + L"|"}, {FailureText(ERROR_NO_ASSOCIATION)}},  // the file is there
    };
    for (const auto& c : cases) {
        if (&c == &cases[3]) folder.Write(L"Settings\\Settings.txt");
        opened.clear();
        error = c.error;
        EXPECT_EQ(Run(c.command, L""), c.lines) << c.command;
        EXPECT_EQ(opened, c.opened) << c.command;
    }
    SetShellOpener(nullptr);
}

TEST_F(FurtherCommands, TheListIsExportedAsItStandsWithThisRunsLineUnlessEntriesAreStopped)
{
    const Lines before = {L"First line", L"Zweite Zeile \u00E4"};
    for (const uint8_t stop : {0, 1}) {
        StopEntriesHost list;
        list.selectedLine = CommandLine(41);
        list.lines = before;
        g_StopEntries = stop;
        ExecuteCommand(list, false);
        EXPECT_EQ(list.lines.size(), stop ? 2u : 4u);
        EXPECT_EQ(TempFolder::ReadBytes(Export((stop ? L"_001" : L"") + CString(L"Listbox Content"))),
                  Bytes(g_Messages[msg::kListboxContent] + L": \n" + Joined(before) +
                        (stop ? L"" : g_Messages[msg::kExecutePressed] + L"\n")));
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
    const CString links = folder.Path() + L"Lists \u0416\\";
    folder.Write(L"Lists \u0416\\Held - Shortcut.lnk\\in the way");
    ASSERT_EQ(CreateShortcutFile(songs[0], links + L"Two.x - Shortcut.lnk", L""), S_OK);
    Lines entries(std::begin(songs), std::end(songs));
    entries.insert(entries.end(), {L"#EXTM3U", folder.Path() + L"Gone.mp3"});
    const CString playlist = folder.Write(L"Lists \u0416\\Mix.m3u", Bytes(Joined(entries)));
    const Lines lines = Run(42, playlist);
    ASSERT_EQ(lines.size(), 4u);
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
