// The commands under faults of the file system: a folder that cannot be listed, a move across volumes
// whose source stays, a move onto itself, lines that name one song twice or a place outside the target,
// and playlist names that Windows would store otherwise.
#include <set>

#include "engine_test.h"
#include "helpers/file_operations.h"
#include "helpers/strings.h"
#include "support/unix_form.h"
#include "texts/text_rows.h"

namespace {

using FileFaults = EngineTest;
using Names = std::set<CString>;

// A folder held open without sharing cannot be listed; it is not empty, so the command stops there.
TEST_F(FileFaults, AFolderThatCannotBeListedStopsTheCommandBeforeAnyChange)
{
    const Files songs = Named({L"a.mp3", L"a#1.mp3", L"@b.mp3"});
    const struct { int command; const CString &from, &to, &held; } cases[] = {
        {20, source, source, source}, {22, source, lists, lists},   {24, source, target, target},
        {26, source, target, source}, {28, source, target, target}, {29, source, target, source},
        {31, lists, source, lists},
    };
    for (const auto& c : cases) {
        Fill(source, songs);
        Fill(target, {});
        Fill(lists, {});
        {
            const unique_handle hold = TempFolder::Lock(c.held);
            EXPECT_EQ(Run(c.command, c.from, c.to), Lines{FailureText(ERROR_SHARING_VIOLATION, c.held)}) << c.command;
        }
        EXPECT_TRUE(boxes.empty()) << c.command;
        EXPECT_EQ(Held(source), songs) << c.command;
        EXPECT_TRUE(folder.List(L"Target\\").empty() && folder.List(L"Lists\\").empty()) << c.command;
        EXPECT_EQ(folder.List(), (Names{L"Lists", L"Source", L"Target"})) << c.command;
    }
}

// A move that cannot remove its source across volumes is no move: the copy goes, the song stays.
TEST_F(FileFaults, AMoveAcrossVolumesCountsOnlyWhenTheSourceIsGone)
{
    if (TempFolder::Volume("OTHER").empty()) GTEST_SKIP() << "no second volume";
    const TempFolder other{L"engine", TempFolder::Volume("OTHER")};
    Fill(source, {{L"a.mp3", "A"}, {L"ro.mp3", "R"}});
    SetFileAttributesW((source + L"ro.mp3").c_str(), FILE_ATTRIBUTE_READONLY);
    const Lines lines = Run(24, source, other.Path());
    EXPECT_NE(std::find(lines.begin(), lines.end(), g_Messages[msg::kMoveFailed] + L"1. " + source + L"ro.mp3"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), g_Messages[msg::kWindowsErrorOccurred] + L"5"), lines.end());
    EXPECT_EQ(other.List(), Names{L"a.mp3"});
    const CString playlist = source + g_Messages[msg::kAlphabeticalPlaylistTitle] + stamp + L".m3u";
    EXPECT_EQ(TempFolder::ReadBytes(playlist), Bytes(other.Path() + L"a.mp3\n"));
    EXPECT_EQ(TempFolder::ReadBytes(Export(L" Moved Files")),
              Bytes(g_Messages[msg::kMovedSongsHeading] + source + L"a.mp3 => " + other.Path() + L"a.mp3\n"));
    EXPECT_EQ(TempFolder::ReadBytes(source + L"ro.mp3"), "R");
}

// A volume that reports each removal as done and keeps the file: no song is counted, listed or left
// twice as moved, and each failure shows its code.
TEST_F(FileFaults, AMoveFromAVolumeThatKeepsItsFilesIsNoMove)
{
    const CString readOnly = TempFolder::Volume("READONLY");
    if (readOnly.empty()) GTEST_SKIP() << "no read-only volume";
    const CString failed = g_Messages[msg::kMoveFailedErrorCode] + L"5. " + readOnly + L"@song.mp3 => " + target + L"@song.mp3";
    const struct { int command; CString failure; } cases[] = {
        {26, g_Messages[msg::kWindowsErrorOccurred] + L"5"}, {27, g_Messages[msg::kWindowsErrorOccurred] + L"5"}, {30, failed}};
    for (const auto& c : cases) {
        Fill(target, {});
        const Lines lines = Run(c.command, readOnly, target, L"song");
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.failure), lines.end()) << c.command;
        for (const CString& line : lines)
            EXPECT_FALSE(line.starts_with(g_Messages[msg::kMovedFile]) || line.starts_with(g_Messages[msg::kMoved]) ||
                         line.starts_with(g_Messages[msg::kAllMatchingFilesMovedCount]))
                << c.command << " " << line;
        EXPECT_EQ(Held(target), Files{}) << c.command;
        EXPECT_EQ(Held(readOnly), (Files{{L"song.mp3", "R"}, {L"song#1.mp3", "N"}, {L"@song.mp3", "U"}})) << c.command;
    }
}

// Command 30 onto its own folder moves each song onto itself, as the platform's move does: nothing is
// touched, and each counts.
TEST_F(FileFaults, Command30OntoItsOwnFolderMovesEachSongOntoItself)
{
    Fill(source, {{L"a song.mp3", "A"}, {L"other.mp3", "O"}});
    EXPECT_EQ(Run(30, source, source, L"song"),
              (Lines{g_Messages[msg::kMoved] + source + L"a song.mp3 => " + source + L"a song.mp3",
                     g_Messages[msg::kAllMatchingFilesMovedCount] + L"1"}));
    EXPECT_EQ(Held(source), (Files{{L"a song.mp3", "A"}, {L"other.mp3", "O"}}));
    EXPECT_EQ(folder.List(), (Names{L"Source"}));
}

// With the source as target every song clashes with itself; one without "." has no other name to take.
TEST_F(FileFaults, AMoveOntoItselfFailsForANameWithoutADot)
{
    Fill(source, {{L"README", "R"}, {L"@notes", "N"}});
    const struct { int command; CString failed; } cases[] = {{24, source + L"README"}, {27, source + L"@notes"}};
    for (const auto& c : cases) {
        const Lines lines = Run(c.command, source, source);
        EXPECT_NE(std::find(lines.begin(), lines.end(), g_Messages[msg::kWindowsErrorOccurred] + L"183"), lines.end())
            << c.command;
        EXPECT_EQ(std::find(lines.begin(), lines.end(), g_Messages[msg::kMovedFile] + c.failed), lines.end())
            << c.command;
        EXPECT_EQ(TempFolder::ReadBytes(c.failed), c.command == 24 ? "R" : "N");
    }
}

// One song named by lines that differ in spelling is copied once; a name that is not plain is not copied.
TEST_F(FileFaults, Command25CopiesEachSongOnceAndNothingOutsideTheTarget)
{
    const CString a = folder.Write(L"A\\\u00E4b.mp3", "U").substr(0, folder.Path().size() + 2);
    const CString list = folder.Write(L"List.m3u", Bytes(Joined({a + L"\u00E4b.mp3", a + L".\\\u00C4B.mp3",
                                                                a + L"x\\..\\\u00E4b.mp3", L"../up.mp3", a + L".."})));
    Fill(target, {});
    EXPECT_EQ(Run(25, list, target),
              (Lines{g_Messages[msg::kNotAllSongsFound], L" 1." + g_Messages[msg::kNotFound] + L"../up.mp3",
                     L" 2." + g_Messages[msg::kNotFound] + a + L"..",
                     g_Messages[msg::kExportCreated] + Export(L" Not found Songs")}));
    EXPECT_EQ(Held(target), (Files{{L"\u00E4b.mp3", "U"}}));
}

// One song named through another drive letter or the "\\?\" form is copied once. A song that is there
// but does not fit on the disk is no missing song: its line shows the Windows error.
TEST_F(FileFaults, Command25CopiesOneSongOnceHoweverItIsNamedAndReportsAFullDisk)
{
    const CString song = folder.Write(L"A\\x.mp3", "X"), unix = UnixForm(folder.Path() + L"A\\");
    if (!IdentifyFile(song) || unix.empty()) GTEST_SKIP() << "no file identities here";
    const CString otherDrive = L"Z:" + unix.substr(std::wstring_view(L"\\\\?\\unix").size()) + L"x.mp3";
    const CString list = folder.Write(L"List.m3u", Bytes(Joined({song, L"\\\\?\\" + song, otherDrive})));
    Fill(target, {});
    EXPECT_EQ(Run(25, list, target), Lines{g_Messages[msg::kLinkedFilesCopied]});
    EXPECT_EQ(Held(target), (Files{{L"x.mp3", "X"}}));

    if (TempFolder::Volume("FULL").empty()) GTEST_SKIP() << "no full disk";
    const TempFolder full{L"engine", TempFolder::Volume("FULL")};
    const CString big = folder.Write(L"A\\big.mp3", std::string(300 * 1024, 'B'));
    const CString bigList = folder.Write(L"Big.m3u", Bytes(Joined({song, big, folder.Path() + L"gone.mp3"})));
    EXPECT_EQ(Run(25, bigList, full.Path()),
              (Lines{g_Messages[msg::kNotAllSongsFound], L" 1. " + big, g_Messages[msg::kWindowsErrorOccurred] + L"112",
                     kErrorLink0To499, L" 2." + g_Messages[msg::kNotFound] + folder.Path() + L"gone.mp3",
                     g_Messages[msg::kExportCreated] + Export(L" Not found Songs")}));
    EXPECT_EQ(full.List(), (Names{L"x.mp3"}));
    EXPECT_EQ(TempFolder::ReadBytes(Export(L" Not found Songs")),
              Bytes(g_Messages[msg::kSongsNotCopiedHeading] + big + g_Messages[msg::kWindowsErrorCode] + L"112\n" +
                    folder.Path() + L"gone.mp3\n"));
}

// Three spellings of one name: a case rule that gives a third one renames neither twin and strands
// nothing. A restoration that fails keeps a song that an earlier, killed run left under its
// temporary name, and shows its code.
TEST_F(FileFaults, TwinsAndLeftTemporaryFilesAreNeverTouched)
{
    const struct { int command; const wchar_t *name, *twin, *renamed; } twins[] = {
        {10, L"a.mp3", L"A.mp3", L"A.MP3"}, {12, L"SONG.mp3", L"song.mp3", L"Song.mp3"}};
    for (const auto& c : twins) {
        Fill(source, {{c.name, "1"}});
        folder.WriteTwin(CString(L"Source\\") + c.twin, "2");
        const Lines lines = Run(c.command, source);
        EXPECT_EQ(SortedBut(lines, 2), SortedBut({g_Messages[97] + source + c.name + L" => " + source + c.renamed,
                                                  g_Messages[97] + source + c.twin + L" => " + source + c.renamed,
                                                  g_Messages[98] + L"0", g_Messages[99] + L"2"}, 2))
            << c.command;
        EXPECT_EQ(folder.List(L"Source\\"), (Names{c.name, c.twin})) << c.command;
    }

    Fill(source, {{L"~Song.mp3.1.tmp", "old"}});
    Fill(target, {{L"Song#1.mp3", "D"}});
    const unique_handle held = TempFolder::Lock(target + L"Song#1.mp3");
    EXPECT_EQ(Run(28, source, target),
              (Lines{g_Messages[msg::kOriginalNotCreated] + target + L"Song#1.mp3 => " + source + L"Song.mp3",
                     g_Messages[msg::kWindowsErrorOccurred] + L"32", kErrorLink0To499,
                     g_Messages[msg::kOriginalsCreatedCount] + L"0", g_Messages[msg::kOriginalsNotCreatedCount] + L"1"}));
    EXPECT_EQ(Held(source), (Files{{L"~Song.mp3.1.tmp", "old"}}));
}

// "con" would open a device and "dot." is stored as "dot": neither is tried as a playlist's folder.
TEST_F(FileFaults, Command33TriesNoFolderWhoseNameIsNotPlain)
{
    for (const CString name : {L"con.m3u", L"dot..m3u"}) {
        const CString sub = name.substr(0, 3) + L"\\", playlists = folder.Path() + sub;
        folder.Write(sub + L"dot\\keep.txt");
        folder.WriteTwin(sub + name, "D:\\a.mp3\r\n");
        const CString paths = playlists + name + L" => " + playlists + name.substr(0, name.size() - 4) + L"\\" + name;
        EXPECT_EQ(Run(33, playlists),
                  (Lines{g_Messages[msg::kPlaylistsInFolderCount] + L"1", FailureText(ERROR_INVALID_NAME),
                         g_Messages[msg::kNotMovedPlaylist] + paths, g_Messages[msg::kWindowsErrorOccurred] + L"123",
                         g_Messages[msg::kFailedPlaylistMovesCount] + L"1"}))
            << name;
        EXPECT_EQ(folder.List(sub), (Names{L"dot", name}));
        EXPECT_EQ(folder.List(sub + L"dot\\"), Names{L"keep.txt"});
    }
}

}  // namespace
