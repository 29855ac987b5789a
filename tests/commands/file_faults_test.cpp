// The commands under faults of the file system: a folder that cannot be listed, a move across volumes
// whose source stays, a move onto itself, lines that name one song twice or a place outside the target,
// and playlist names that Windows would store otherwise.
#include <set>

#include "engine_test.h"
#include "helpers/strings.h"
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
