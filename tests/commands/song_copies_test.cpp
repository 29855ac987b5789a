#include "engine_test.h"
#include "helpers/strings.h"
#include "texts/text_rows.h"

namespace {

using SongCopies = EngineTest;

TEST_F(SongCopies, PlaylistSongsOfOneNameAreAllCopiedAndTheMissingExported)
{
    const CString a = folder.Write(L"A\\x.mp3", "XA").substr(0, folder.Path().size() + 2);
    const CString b = folder.Write(L"B\\x.mp3", "XB").substr(0, folder.Path().size() + 2);
    folder.Write(L"A\\y.mp3", "Y");
    folder.Write(L"A\\\u00E4b.mp3", "UA");
    folder.Write(L"B\\\u00C4b.mp3", "UB");
    // A song listed twice is copied once; äb and Äb are one name to the file system only. Nothing is
    // copied while the playlist cannot be read.
    const CString list = folder.Write(L"List.m3u", Bytes(Joined({L"#EXTM3U", a + L"x.mp3", b + L"x.mp3", a + L"y.mp3",
        ToLowerAscii(a) + L"Y.MP3", a + L"\u00E4b.mp3", b + L"\u00C4b.mp3", a + L"gone.mp3"})));
    Fill(target, {});
    {
        const unique_handle hold = TempFolder::Lock(list);
        ASSERT_TRUE(hold);
        EXPECT_EQ(Run(25, list, target), Lines{FailureText(32, list)});
    }
    const CString exported = Export(L" Not found Songs");
    EXPECT_EQ(
        SortedBut(Run(25, list, target), 4),
        (Lines{g_Messages[msg::kNotAllSongsFound], L" 1." + g_Messages[msg::kNotFound] + L"#EXTM3U",
               L" 2." + g_Messages[msg::kNotFound] + a + L"gone.mp3", g_Messages[msg::kExportCreated] + exported}));
    EXPECT_EQ(Held(target), (Files{{L"x.mp3", "XA"}, {L"x#1.mp3", "XB"}, {L"y.mp3", "Y"}, {L"\u00E4b.mp3", "UA"},
                                   {L"\u00C4b#1.mp3", "UB"}}));
    EXPECT_EQ(TempFolder::ReadBytes(exported),
              Bytes(g_Messages[msg::kSongsNotCopiedHeading] + L"#EXTM3U\n" + a + L"gone.mp3\n"));
}

// A song whose temporary names in the target are all taken (here by the files that the playlist copies
// there first, as if a killed run had left them) is not copied under a numbered name instead: its line
// shows the code, and those files stay as they were.
TEST_F(SongCopies, ASongWithEveryTemporaryNameTakenIsNotCopiedUnderAnotherName)
{
    Files left;
    Lines entries;
    for (int n = 1; n <= 100; ++n) {
        const CString name = L"~x.mp3." + std::to_wstring(n) + L".tmp";
        left[name] = std::to_string(n);
        entries.push_back(folder.Write(L"A\\" + name, left[name]));
    }
    const CString song = folder.Write(L"A\\x.mp3", "X");
    entries.push_back(song);
    const CString list = folder.Write(L"List.m3u", Bytes(Joined(entries))), exported = Export(L" Not found Songs");
    Fill(target, {});
    EXPECT_EQ(Run(25, list, target),
              (Lines{g_Messages[msg::kNotAllSongsFound], L" 1. " + song, g_Messages[msg::kWindowsErrorOccurred] + L"82",
                     kErrorLink0To499, g_Messages[msg::kExportCreated] + exported}));
    EXPECT_EQ(Held(target), left);
    EXPECT_EQ(TempFolder::ReadBytes(exported),
              Bytes(g_Messages[msg::kSongsNotCopiedHeading] + song + g_Messages[msg::kWindowsErrorCode] + L"82\n"));
}

TEST_F(SongCopies, MissingOriginalsAreRestoredAndNothingIsReplaced)
{
    const CString created = g_Messages[msg::kOriginalCreated] + target,
                  failed = g_Messages[msg::kOriginalNotCreated] + target,
                  exists = g_Messages[msg::kWindowsErrorOccurred] + L"80";
    const struct { int command; Files originals, copies, restored; Lines lines; } cases[] = {
        // The highest number wins; each missing original gets its own doublet, also at equal numbers.
        {28, {{L"kept.MP3", "K"}},
         {{L"Song#1.mp3", "1"}, {L"Song#3.mp3", "3"}, {L"Song#2.mp3", "2"}, {L"Kept#2.mp3", "-"}, {L"Zero#0.mp3", "Z"},
          {L"A#5.mp3", "A"}, {L"B#5.mp3", "B"}, {L"X.mp3", "-"}, {L"X#live.mp3", "-"}, {L"#1.mp3", "-"}},
         {{L"kept.MP3", "K"}, {L"Song.mp3", "3"}, {L"Zero.mp3", "Z"}, {L"A.mp3", "A"}, {L"B.mp3", "B"}},
         {created + L"A#5.mp3 => " + source + L"A.mp3", created + L"B#5.mp3 => " + source + L"B.mp3",
          created + L"Song#3.mp3 => " + source + L"Song.mp3", created + L"Zero#0.mp3 => " + source + L"Zero.mp3",
          g_Messages[msg::kOriginalsCreatedCount] + L"4"}},
        {29, {{L"@Other.mp3", "O"}, {L"Alpha.MP3", "L"}},
         {{L"@Song.mp3", "S"}, {L"@Song#2.mp3", "-"}, {L"@alpha.mp3", "-"}, {L"@Beta.mp3", "B"}},
         {{L"@Other.mp3", "O"}, {L"Alpha.MP3", "L"}, {L"Song.mp3", "S"}, {L"Beta.mp3", "B"}},
         {created + L"@Beta.mp3 => " + source + L"Beta.mp3", created + L"@Song.mp3 => " + source + L"Song.mp3",
          g_Messages[msg::kOriginalsCreatedCount] + L"2"}},
        // Missing by ASCII letters, there by the file system's rules: a failed creation with its code, not
        // "Everything OK".
        {28, {{L"\u00C4b.mp3", "O"}}, {{L"\u00E4b#1.mp3", "-"}}, {{L"\u00C4b.mp3", "O"}},
         {failed + L"\u00E4b#1.mp3 => " + source + L"\u00E4b.mp3", exists, kErrorLink0To499,
          g_Messages[msg::kOriginalsCreatedCount] + L"0",
          g_Messages[msg::kOriginalsNotCreatedCount] + L"1"}},
        {29, {{L"\u00C4b.mp3", "O"}}, {{L"@\u00E4b.mp3", "-"}}, {{L"\u00C4b.mp3", "O"}},
         {failed + L"@\u00E4b.mp3 => " + source + L"\u00E4b.mp3", exists, kErrorLink0To499,
          g_Messages[msg::kOriginalsCreatedCount] + L"0",
          g_Messages[msg::kOriginalsNotCreatedCount] + L"1"}},
    };
    for (const auto& c : cases) {
        Fill(source, c.originals);
        Fill(target, c.copies);
        const size_t closing = c.lines.back().starts_with(g_Messages[msg::kOriginalsNotCreatedCount]) ? 2 : 1;
        EXPECT_EQ(SortedBut(Run(c.command, source, target), closing), c.lines) << c.command;
        EXPECT_EQ(Held(source), c.restored) << c.command;
        EXPECT_EQ(Held(target), c.copies) << c.command;
    }
}

}  // namespace
