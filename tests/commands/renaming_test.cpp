#include <set>

#include "engine_test.h"
#include "helpers/strings.h"
#include "texts/text_rows.h"

namespace {

using Renaming = EngineTest;
using Names = std::set<CString>;

CString Line(int row, const CString& dir, const CString& from, const CString& to)
{
    return g_Messages[row] + dir + from + L" => " + dir + to;
}

CString Count(int row, size_t n) { return g_Messages[row] + std::to_wstring(n); }

TEST_F(Renaming, CaseRulesChangeTheNameOnDiskAndCountAClashAsFailed)
{
    // `other` is already in form (neither logged nor counted) or the name that the renaming clashes with;
    // the names on disk are compared in their exact case.
    const struct { int command; CString from, to, other; bool fails; } cases[] = {
        {11, L"\u00c4PFEL.MP3", L"\u00c4pfel.mp3", L"a.mp3", false},
        {19, L"a  b.mp3", L"a b.mp3", L"a b.mp3", true},
    };
    for (const auto& c : cases) {
        Fill(source, {{c.from, "1"}, {c.other, "2"}});
        Lines expected = {Line(c.fails ? 97 : 96, source, c.from, c.to), Count(98, !c.fails)};
        if (c.fails) expected.push_back(Count(99, 1));
        EXPECT_EQ(Run(c.command, source), expected) << c.command;
        EXPECT_EQ(Held(source), (Files{{c.fails ? c.from : c.to, "1"}, {c.other, "2"}})) << c.command;
    }
}

// Each case-rule command renames by its own rule, so each gives its own name on disk.
TEST_F(Renaming, EachCaseRuleCommandRenamesByItsOwnRule)
{
    const struct { int command; const wchar_t* from; const wchar_t* to; } cases[] = {
        {10, L"ab cd.mp3", L"AB CD.MP3"},           {12, L"ab cd.mp3", L"Ab Cd.mp3"},
        {14, L"ab cd-ef gh.mp3", L"AB CD-ef gh.mp3"}, {15, L"AB CD-EF GH.MP3", L"ab cd-EF GH.MP3"},
        {16, L"ab cd-ef gh.mp3", L"ab cd-Ef Gh.mp3"}, {17, L"ab cd-ef gh.mp3", L"ab cd-EF GH.MP3"},
        {18, L"AB CD-EF GH.MP3", L"AB CD-ef gh.mp3"},
    };
    for (const auto& c : cases) {
        Fill(source, {{c.from, "1"}});
        EXPECT_EQ(Run(c.command, source, L"", L"-"), (Lines{Line(96, source, c.from, c.to), Count(98, 1)})) << c.command;
        EXPECT_EQ(folder.List(L"Source\\"), Names{c.to}) << c.command;
    }
}

TEST_F(Renaming, ANameWithoutTheSeparatorOnceStopsTheCommandAlsoInTheList)
{
    Fill(source, Named({L"artist-title.mp3", L"live-part 1-intro.mp3", L"x-y.mp3"}));
    const CString fault = Count(46, 2);
    Lines expected;
    Names after;
    bool stopped = false;
    for (const FileRecord& file : ScanFolderAt(source).files) {
        stopped = stopped || file.name.starts_with(L"live");
        const CString renamed = stopped ? file.name : CString(1, towupper(file.name[0])) + file.name.substr(1);
        if (!stopped) expected.push_back(Line(96, source, file.name, renamed));
        after.insert(renamed);
    }
    expected.push_back(fault);  // and no totals
    EXPECT_EQ(Run(13, source, L"", L"-"), expected);
    EXPECT_EQ(BoxTexts(), Lines{fault});
    EXPECT_EQ(folder.List(L"Source\\"), after);
}

TEST_F(Renaming, DuplicatesWithoutAnOriginalOfAnyCaseAreListedOncePerSpelling)
{
    Fill(source, Named({L"song#1.mp3", L"Song.MP3", L"a#1.mp3", L"A#2.mp3", L"a#3.mp3", L"b#.mp3"}));
    const Lines lines = Run(20, source);
    ASSERT_EQ(lines.size(), 5u) << testing::PrintToString(lines);
    const CString missing = g_Messages[msg::kOriginalNotFound];
    EXPECT_EQ(Names(lines.begin(), lines.begin() + 3),
              (Names{missing + L"A.mp3", missing + L"a.mp3", missing + L"b.mp3"}));
    EXPECT_EQ(lines[3] + lines[4], Count(69, 3) + g_Messages[msg::kExportCreated] + Export(L" Missing Originals"));
    CString exported = g_Messages[msg::kOriginalsNotFoundHeading];
    for (size_t i = 0; i < 3; ++i) exported += lines[i].substr(missing.size()) + L"\n";
    EXPECT_EQ(TempFolder::ReadBytes(Export(L" Missing Originals")), Bytes(exported));
}

TEST_F(Renaming, FindAndReplaceChangesTheFirstOccurrenceInTheStemAndCountsThemAll)
{
    // logged: the search text as the lines show it; failed: the old and new name of a failed renaming.
    const struct {
        bool matchCase, wholeWords; const wchar_t *search, *replace; Lines before; Names after;
        size_t renamed, total; const wchar_t* logged; Lines failed;
    } cases[] = {
        {false, false, L"ABC", L"x", {L"TheAbcSong.mp3", L"abc.m"}, {L"ThexSong.mp3", L"x.m"}, 2, 2, L"abc", {}},
        {true, false, L"la", L"LA", {L"la la la.mp3", L"la"}, {L"LA la la.mp3", L"la"}, 1, 3, L"la", {}},
        {true, true, L"word", L"", {L"word in.mp3", L"a word b.mp3"}, {L"word in.mp3", L"ab.mp3"}, 1, 1, L" word ", {}},
        {true, false, L"1", L"2", {L"x1.mp3", L"x2.mp3"}, {L"x1.mp3", L"x2.mp3"}, 0, 1, L"1", {L"x1.mp3", L"x2.mp3"}},
        {true, false, L"b", L"..\\up", {L"b.mp3"}, {L"b.mp3"}, 0, 1, L"b", {L"b.mp3", L"..\\up.mp3"}},
    };
    for (const auto& c : cases) {
        host.caseChecked = c.matchCase;
        host.wholeWordChecked = c.wholeWords;
        Fill(source, Named(c.before));
        const CString searched = g_Messages[msg::kSearchStringLabel] + c.logged + L"]";
        Lines expected;
        if (!c.failed.empty()) expected.push_back(Line(97, source, c.failed[0], c.failed[1]));
        if (c.renamed == 0) expected.push_back(g_Messages[msg::kNoRenamings] + searched);
        else expected.insert(expected.end(), {Count(49, c.renamed) + searched, Count(50, c.total) + searched});
        EXPECT_EQ(Run(21, source, L"", c.search, c.replace), expected) << c.search;
        EXPECT_EQ(folder.List(L"Source\\"), c.after) << c.search;
    }
    EXPECT_FALSE(TempFolder::Exists(folder.Path() + L"up.mp3"));
}

TEST_F(Renaming, UnusedMarksAreSetAndDeletedUnlessTheAnswerIsNo)
{
    const CString playlist = Playlist(L"One.M3U", {ToUpperAscii(source) + L"A.MP3", L""});
    Playlist(L"notes.txt", {source + L"pic.jpg"});  // no playlist
    const Files songs = Named({L"a.mp3", L"@c.mp3", L"pic.jpg"});
    const CString exportPath = Export(L"Unused Songs");
    const struct { int command, answer; Files before; const wchar_t* pending; Lines lines; Names after; } cases[] = {
        {22, IDNO, songs, L"pic.jpg", {g_Messages[msg::kAbortedByUser], Count(98, 0), Count(102, 1)},
         {L"@c.mp3", L"a.mp3", L"pic.jpg"}},
        // A box closed without an answer is no Yes.
        {22, 0, songs, L"pic.jpg", {g_Messages[msg::kAbortedByUser], Count(98, 0), Count(102, 1)},
         {L"@c.mp3", L"a.mp3", L"pic.jpg"}},
        {22, IDYES, songs, L"pic.jpg", {Line(96, source, L"pic.jpg", L"@pic.jpg"), Count(98, 1), Count(102, 1)},
         {L"@c.mp3", L"@pic.jpg", L"a.mp3"}},
        {23, IDYES, Named({L"@s.mp3", L"s.mp3"}), L"@s.mp3",
         {Line(97, source, L"@s.mp3", L"s.mp3"), Count(98, 0), Count(99, 1)}, {L"@s.mp3", L"s.mp3"}},
    };
    for (const auto& c : cases) {
        answer = c.answer;
        Fill(source, c.before);
        Lines expected = {g_Messages[msg::kExportCreated] + exportPath};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(Run(c.command, source, lists), expected) << c.command;
        EXPECT_EQ(folder.List(L"Source\\"), c.after) << c.command;
        EXPECT_EQ(BoxTexts(),
                  Lines{Count(c.command == 22 ? 53 : 57, 1) + L". " + g_Messages[msg::kExecuteRenamingsQuestion]});
        const CString heading =
            g_Messages[c.command == 22 ? msg::kUnreferencedSongsHeading : msg::kSongsToUnmarkHeading];
        EXPECT_EQ(TempFolder::ReadBytes(exportPath), Bytes(heading + source + c.pending + L"\n"));
        DeleteFileW(exportPath.c_str());
    }

    // Songs of a playlist that cannot be read would count as unused: nothing is exported, asked or renamed.
    Fill(source, songs);
    const unique_handle hold = TempFolder::Lock(playlist);
    EXPECT_EQ(Run(22, source, lists), Lines{FailureText(32, playlist)});
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(TempFolder::Exists(exportPath));
    EXPECT_EQ(Held(source), songs);
}

}  // namespace
