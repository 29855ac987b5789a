#include <windows.h>

#include "framework/handles.h"
#include "helpers/strings.h"
#include "song_folder_test.h"

namespace {

class SongCopies : public SongFolderTest {
protected:
    CString Playlist(const std::vector<CString>& lines) const { return folder.Write(L"List.m3u", Bytes(Joined(lines))); }
    const CString a = folder.Path() + L"A\\";
    const CString b = folder.Path() + L"B\\";
};

TEST_F(SongCopies, PlaylistSongsOfOneNameAreAllCopiedAndTheMissingExported)
{
    Put(L"A", {{L"x.mp3", "XA"}, {L"y.mp3", "Y"}, {L"\u00E4b.mp3", "UA"}});
    Put(L"B", {{L"x.mp3", "XB"}, {L"\u00C4b.mp3", "UB"}});
    // A song listed twice is copied once; äb and Äb are one name to the file system only.
    const CString list = Playlist({L"#EXTM3U", a + L"x.mp3", b + L"x.mp3", a + L"y.mp3", ToLowerAscii(a) + L"Y.MP3",
                                   a + L"\u00E4b.mp3", b + L"\u00C4b.mp3", a + L"gone.mp3"});
    const CString exported = folder.Path() + stamp + L" Not found Songs.txt";
    EXPECT_EQ(Run(25, list), (std::vector<CString>{g_Messages[60], L" 1." + g_Messages[103] + L"#EXTM3U",
                                                   L" 2." + g_Messages[103] + a + L"gone.mp3", g_Messages[94] + exported}));
    EXPECT_EQ(Held(target), (Files{{L"x.mp3", "XA"}, {L"x#1.mp3", "XB"}, {L"y.mp3", "Y"}, {L"\u00E4b.mp3", "UA"},
                                   {L"\u00C4b#1.mp3", "UB"}}));
    EXPECT_EQ(TempFolder::ReadBytes(exported), Bytes(g_Messages[59] + L"#EXTM3U\n" + a + L"gone.mp3\n"));
    EXPECT_EQ(Held(a).size() + Held(b).size(), 5u);
}

TEST_F(SongCopies, APlaylistThatCannotBeReadCopiesNothingAndSaysSo)
{
    Put(L"A", {{L"x.mp3", "X"}});
    const CString list = Playlist({a + L"x.mp3"});
    {
        const unique_handle hold = OwnHandle(CreateFileW(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(hold);
        EXPECT_EQ(Run(25, list), std::vector<CString>{g_Messages[93] + L"32 (" + list + L")"});
        EXPECT_TRUE(Held(target).empty());
    }
    EXPECT_EQ(Run(25, list), std::vector<CString>{g_Messages[31]});
    EXPECT_EQ(Held(target), (Files{{L"x.mp3", "X"}}));
}

TEST_F(SongCopies, MissingOriginalsAreRestoredAndNothingIsReplaced)
{
    const struct { int command; Files originals, copies, restored; std::vector<CString> lines; } cases[] = {
        // The highest number wins; each missing original gets its own doublet, also at equal numbers.
        {28, {{L"kept.MP3", "K"}},
         {{L"Song#1.mp3", "1"}, {L"Song#3.mp3", "3"}, {L"Song#2.mp3", "2"}, {L"Kept#2.mp3", "-"}, {L"Zero#0.mp3", "Z"},
          {L"A#5.mp3", "A"}, {L"B#5.mp3", "B"}, {L"X.mp3", "-"}, {L"X#live.mp3", "-"}, {L"#1.mp3", "-"}},
         {{L"kept.MP3", "K"}, {L"Song.mp3", "3"}, {L"Zero.mp3", "Z"}, {L"A.mp3", "A"}, {L"B.mp3", "B"}},
         {g_Messages[106] + target + L"A#5.mp3 => " + source + L"A.mp3",
          g_Messages[106] + target + L"B#5.mp3 => " + source + L"B.mp3",
          g_Messages[106] + target + L"Song#3.mp3 => " + source + L"Song.mp3",
          g_Messages[106] + target + L"Zero#0.mp3 => " + source + L"Zero.mp3", g_Messages[70] + L"4"}},
        {29, {{L"@Other.mp3", "O"}, {L"Alpha.MP3", "L"}},
         {{L"@Song.mp3", "S"}, {L"@Song#2.mp3", "-"}, {L"@alpha.mp3", "-"}, {L"@Beta.mp3", "B"}},
         {{L"@Other.mp3", "O"}, {L"Alpha.MP3", "L"}, {L"Song.mp3", "S"}, {L"Beta.mp3", "B"}},
         {g_Messages[106] + target + L"@Beta.mp3 => " + source + L"Beta.mp3",
          g_Messages[106] + target + L"@Song.mp3 => " + source + L"Song.mp3", g_Messages[70] + L"2"}},
        {28, {{L"Song.mp3", "S"}}, {{L"song#2.MP3", "-"}}, {{L"Song.mp3", "S"}}, {g_Messages[66]}},
        {29, {{L"Song.mp3", "S"}}, {{L"@SONG.mp3", "-"}}, {{L"Song.mp3", "S"}}, {g_Messages[71]}},
        // Missing by ASCII letters, there by the file system's rules: a failed creation, not "Everything OK".
        {28, {{L"\u00C4b.mp3", "O"}}, {{L"\u00E4b#1.mp3", "-"}}, {{L"\u00C4b.mp3", "O"}},
         {g_Messages[107] + target + L"\u00E4b#1.mp3 => " + source + L"\u00E4b.mp3", g_Messages[70] + L"0",
          g_Messages[108] + L"1"}},
        {29, {{L"\u00C4b.mp3", "O"}}, {{L"@\u00E4b.mp3", "-"}}, {{L"\u00C4b.mp3", "O"}},
         {g_Messages[107] + target + L"@\u00E4b.mp3 => " + source + L"\u00E4b.mp3", g_Messages[70] + L"0",
          g_Messages[108] + L"1"}},
    };
    for (const auto& c : cases) {
        Clear();
        Put(L"Source", c.originals);
        Put(L"Target", c.copies);
        const auto summary = std::count_if(c.lines.begin(), c.lines.end(), [](const CString& line) {
            return !line.starts_with(g_Messages[106]) && !line.starts_with(g_Messages[107]);
        });
        EXPECT_EQ(SortedHead(Run(c.command, source), static_cast<size_t>(summary)), c.lines) << c.command;
        EXPECT_EQ(Held(source), c.restored) << c.command;
        EXPECT_EQ(Held(target), c.copies) << c.command;
    }
}

}  // namespace
