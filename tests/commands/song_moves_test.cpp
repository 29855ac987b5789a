#include <set>

#include "engine_test.h"
#include "texts/text_rows.h"

namespace {

using SongMoves = EngineTest;

TEST_F(SongMoves, EmptyingAFolderLosesNoFileAndNeverPlansTwoMovesOntoOneName)
{
    g_ExcludeExtensions = {L".jpg"};
    // x.mp3 and x#1.mp3 both want x#1.mp3; Äb.mp3 clashes with äb.mp3 under the file system's rules
    // alone; a name without "." has no numbered name and stays.
    Fill(source, {{L"a.mp3", "A"}, {L"b.JPG", "B"}, {L"x.mp3", "X"}, {L"x#1.mp3", "X"}, {L"noext", "N"},
                  {L"\u00C4b.mp3", "U"}, {L"Sub\\c.mp3", "C"}});
    Fill(target, {{L"X.MP3", "T"}, {L"noext", "T"}, {L"\u00E4b.mp3", "T"}});
    const CString playlist = source + g_Messages[msg::kAlphabeticalPlaylistTitle] + stamp + L".m3u",
                  notMoved = Export(L" Not moved Songs");
    EXPECT_EQ(SortedBut(Run(24, source, target), 6), (Lines{
        g_Messages[msg::kWindowsErrorOccurred] + L"183", kErrorLink0To499,
        g_Messages[msg::kMoveFailed] + L"1. " + source + L"noext",
        g_Messages[msg::kPlaylistGeneratedIn] + playlist + L". " + g_Messages[msg::kMovedAndReplacedSongsCount] + L"4.",
        g_Messages[msg::kExportCreated] + Export(L" Moved Files"), g_Messages[msg::kExportCreated] + notMoved}));
    EXPECT_EQ(Held(target), (Files{{L"X.MP3", "T"}, {L"noext", "T"}, {L"\u00E4b.mp3", "T"}, {L"a.mp3", "A"},
                                   {L"\u00C4b#1.mp3", "U"}, {L"x#1.mp3", "X"}, {L"x#2.mp3", "X"}}));
    EXPECT_EQ(SortedLines(TempFolder::ReadBytes(playlist)), SortedLines(Bytes(Joined({target + L"a.mp3",
              target + L"x#1.mp3", target + L"x#2.mp3", target + L"\u00C4b#1.mp3"}))));
    EXPECT_EQ(TempFolder::ReadBytes(notMoved), Bytes(g_Messages[msg::kSongsNotMovedHeading] + source + L"noext" +
                                                     g_Messages[msg::kWindowsErrorCode] + L"183\n"));
    // Beside the files that stay: the new playlist and the target paths of the moves that failed.
    EXPECT_EQ(folder.List(L"Source\\"), (std::set<CString>{L"b.JPG", L"noext", L"Sub", playlist.substr(source.size()),
                                                           stamp + L" Not moved Songs.txt"}));
    EXPECT_EQ(TempFolder::ReadBytes(source + stamp + L" Not moved Songs.txt"), Bytes(target + L"noext\n"));
    g_ExcludeExtensions.clear();
}

TEST_F(SongMoves, TheQuestionNamesTheRememberedSongFolderAndNoMovesNothing)
{
    Fill(source, {{L"s#2.mp3", "S"}});
    Fill(target, {});
    answer = IDNO;
    const CString moves = g_Messages[msg::kSongsToMoveCount] + L"1\n\n",
                  execute = g_Messages[msg::kExecuteCommandQuestion];
    const struct { int command; CString pool; CString question; Lines lines; } cases[] = {
        {24, L"", moves + execute, {g_Messages[msg::kAbortedByUser]}},
        {24, target, moves + g_Messages[msg::kTargetMatchesSettingsQuestion] + L"\n\n" + execute,
         {g_Messages[msg::kAbortedByUser]}},
        {26, target, moves + g_Messages[msg::kSourceMatchesSettingsQuestion] + L"\n\n" + execute,
         {g_Messages[msg::kAbortedByUser]}},  // its check remembers the source
        {30, L"", g_Messages[msg::kAttention] + L"1" + g_Messages[msg::kFileShiftsPendingQuestion], {}},
    };
    for (const auto& c : cases) {
        g_Mp3Pool = c.pool;
        EXPECT_EQ(Run(c.command, source, target, L"s"), c.lines) << c.command;
        EXPECT_EQ(BoxTexts(), Lines{c.question}) << c.command;
    }
    EXPECT_EQ(Held(source), (Files{{L"s#2.mp3", "S"}}));
}

TEST_F(SongMoves, DuplicatesAndUnusedSongsTakeTheNextFreeName)
{
    const struct { int command; Files source, target, sourceAfter, targetAfter; Lines lines; } cases[] = {
        {26, {{L"s#2.mp3", "S"}, {L"t#2.M3U", "M"}, {L"s#2.m3u", "m"}, {L"s.mp3", "-"}, {L"#1.mp3", "-"}}, {{L"S#2.MP3", "T"}},
         {{L"s#2.m3u", "m"}, {L"s.mp3", "-"}, {L"#1.mp3", "-"}}, {{L"S#2.MP3", "T"}, {L"s#3.mp3", "S"}, {L"t#2.M3U", "M"}},
         {g_Messages[msg::kMovedFile] + source + L"s#2.mp3", g_Messages[msg::kMovedFile] + source + L"t#2.M3U",
          g_Messages[msg::kMovedFilesCount] + L"2"}},
        {27, {{L"@a.mp3", "A"}, {L"@b.M3U", "B"}, {L"c.mp3", "C"}, {L"@d.mp3", "D"}, {L"@\u00E4b.mp3", "U"}},
         {{L"@A.mp3", "T"}, {L"@\u00C4b.mp3", "T"}}, {{L"@b.M3U", "B"}, {L"c.mp3", "C"}},
         {{L"@A.mp3", "T"}, {L"@\u00C4b.mp3", "T"}, {L"@a#1.mp3", "A"}, {L"@d.mp3", "D"}, {L"@\u00E4b#1.mp3", "U"}},
         {g_Messages[msg::kMovedFile] + source + L"@d.mp3",
          g_Messages[msg::kRenamedAndMovedFile] + source + L"@a.mp3 => " + target + L"@a#1.mp3",
          g_Messages[msg::kRenamedAndMovedFile] + source + L"@\u00E4b.mp3 => " + target + L"@\u00E4b#1.mp3",
          g_Messages[msg::kMovedFilesCount] + L"3"}},
    };
    for (const auto& c : cases) {
        Fill(source, c.source);
        Fill(target, c.target);
        EXPECT_EQ(SortedBut(Run(c.command, source, target), 1), c.lines) << c.command;
        EXPECT_EQ(Held(source), c.sourceAfter) << c.command;
        EXPECT_EQ(Held(target), c.targetAfter) << c.command;
        EXPECT_EQ(Run(c.command, source, target),
                  Lines{g_Messages[c.command == 26 ? msg::kNoFilesToMove : msg::kNoFilesMoved]})
            << c.command;
    }
}

TEST_F(SongMoves, SearchMatchesMoveUnderTheirOwnNameOrAreListedAsNotMoved)
{
    host.caseChecked = false;
    Fill(source, {{L"My Live Song.mp3", "L"}, {L"live.mp3", "l"}, {L"Other.mp3", "O"}, {L"liveonly", "N"}});
    Fill(target, {{L"LIVE.mp3", "T"}});
    const CString notMoved = Export(L" Not moved Songs");
    EXPECT_EQ(SortedBut(Run(30, source, target, L"Live"), 3), (Lines{
        g_Messages[msg::kMoveFailedErrorCode] + L"183. " + source + L"live.mp3 => " + target + L"live.mp3",
        g_Messages[msg::kMoved] + source + L"My Live Song.mp3 => " + target + L"My Live Song.mp3",
        g_Messages[msg::kSongsNotMovedHeading], L" 1." + g_Messages[msg::kNotMovedFile] + source + L"live.mp3",
        g_Messages[msg::kExportCreated] + notMoved}));
    EXPECT_EQ(TempFolder::ReadBytes(notMoved), Bytes(g_Messages[msg::kSongsNotMovedHeading] + source + L"live.mp3\n"));
    EXPECT_EQ(Held(target), (Files{{L"LIVE.mp3", "T"}, {L"My Live Song.mp3", "L"}}));
    EXPECT_EQ(Held(source), (Files{{L"live.mp3", "l"}, {L"Other.mp3", "O"}, {L"liveonly", "N"}}));
}

}  // namespace
